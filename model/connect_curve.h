#pragma once
// CConnectCurve joins curves that merely end at the same control point into
// one curve through it. At every control point (or only the selected ones)
// the curve ends meeting there are paired when their directions continue each
// other within the angle limit: the angle between the two ends' first
// segments, 180 degrees for a straight continuation, must be at least
// angleDegrees, and each end goes with the end it makes the largest angle
// with, mutually. A curve whose two ends meet at one point becomes closed,
// whatever the angle. A point lying inside a curve never joins that curve.
// Returns 1 when it joined anything (the object then has its patches and nets
// rebuilt), 0 when it left the object unchanged.
class CSpatchObj;

class CConnectCurve {
public:
    virtual ~CConnectCurve() = default;

    int Connect(CSpatchObj* obj, float angleDegrees, int selectedOnly);
};
