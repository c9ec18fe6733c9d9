#pragma once
// CMirrorBuilder: the mirrored copy of a patch object, across each plane
// x = 0, y = 0, z = 0 whose mirror axis is set (in that order, so two axes
// give four quarters and three give eight). Mirror mode 1 makes every
// mirrored half an independent copy; mode 2 shares the control points that
// lie exactly on the plane and joins open curves with their images (ends
// farther from the plane than the limit distance stay apart when the limit
// is on). A null object, no axis set or another mode builds nothing.
// Stateless; build one on the stack.
class CSpatchObj;

class CMirrorBuilder {
public:
    virtual ~CMirrorBuilder() = default;

    // Makes the mirrored copy obj's cached copy; the copy takes obj's
    // settings and name and has mirror mode 0.
    void Build(CSpatchObj* obj) const;
    // Replaces obj's geometry by its mirrored copy and switches the mirror
    // off. 1 when changed; 0, the object untouched, when no copy can be made.
    int Freeze(CSpatchObj* obj) const;
};
