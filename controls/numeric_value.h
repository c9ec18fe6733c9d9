#pragma once
// The value of a number field, free of its window: an integer or a float
// (the mode says which one the field shows), an optional range, the digits
// shown after the point, the even-only and power-of-two entry rules, and the
// value last shown by the field itself ("committed"), against which a typed
// entry is judged changed or not.
#include "platform/base/cstring.h"

class CNumericValue {
public:
    void SetFloatMode(bool on) { m_floatMode = on; }
    bool IsFloatMode() const { return m_floatMode; }
    // Store the range and turn both clamps on; the value is clamped when it
    // is next set.
    void SetRange(int min, int max);
    void SetRangeF(float min, float max);
    void SetDecimals(int decimals) { m_decimals = decimals; }
    int GetDecimals() const { return m_decimals; }
    void SetOddAllowed(bool on) { m_oddAllowed = on; }
    void SetPowerOfTwo(bool on) { m_powerOfTwo = on; }

    // The value, clamped to the range when the range is on, becomes the
    // committed one. Each returns the text that shows it.
    CString SetInt(int value);
    CString SetFloat(float value);
    int GetInt() const { return m_int; }
    float GetFloat() const { return m_float; }
    // The text of the value in the field's mode.
    CString Text() const;
    // Whether the field's text is anything but the value as shown: an entry
    // the user typed and did not commit yet.
    bool IsTyped(const CString& text) const { return text != Text(); }

    // Leaving the field with `text` typed into it: the value it settles on
    // (clamped, or snapped by the even-only or power-of-two rule), the text
    // then shown, and whether the owner is to hear of it. Text that is no
    // number, or in power-of-two mode an entry outside the table, leaves the
    // value as it was and shows it again; so does the text the value shows.
    struct Commit {
        bool changed = false;
        CString text;
    };
    Commit CommitText(const CString& text);

private:
    int ClampInt(int value) const;
    float ClampFloat(float value) const;

    bool m_floatMode = false;
    int m_int = 0;
    float m_float = 0;
    int m_committedInt = 0;
    float m_committedFloat = 0;
    int m_intMin = 0;
    int m_intMax = 0;
    float m_floatMin = 0;
    float m_floatMax = 0;
    bool m_clamp = false;
    int m_decimals = 3;
    bool m_oddAllowed = true;
    bool m_powerOfTwo = false;
};
