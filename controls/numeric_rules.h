#pragma once
// The rules of the number controls, free of any window: how a spin button
// steps, which half of it a point is in, which value a slider position
// stands for, which keys a number field takes and how its text is read.
#include "platform/base/cstring.h"
#include "platform/base/win_types.h"

#include <optional>

// The next integer of a spin step. Power of two walks 1, 2, 4, ... 64 and
// stays at the table's ends; otherwise a step is one, or with step by one
// off it goes to the next even number.
int NextSpinValue(int value, bool up, bool powerOfTwo, bool stepByOne);
// The float step of a spin for its decimals: 1 multiplied by 0.1 once per
// decimal, in single precision (3 decimals give 0.001).
float SpinFloatStep(int decimals);

// The halves of a spin of the given height, by purpose: a press and drag
// detection cut at 0.49 of the height (drag detection puts the lower half
// one pixel lower); the auto-repeat's lower half starts at 0.51.
enum SpinHalf { spinNoHalf = 0, spinUpperHalf = 1, spinLowerHalf = 2 };
bool InSpinUpperHalf(int y, int height);
bool InSpinLowerHalfForDrag(int y, int height);
bool InSpinLowerHalfForRepeat(int y, int height);
// The half a press at y lands in (the client area's rows 0..height-1).
SpinHalf SpinHalfOfPress(int y, int height);

// The integer and the float value, each with its range, that a spin button
// and a slider keep beside their number field. Setting a value clamps it to
// its range, lower bound first, and returns the previous one; changing a
// range leaves the value alone.
struct CBuddyValues {
    int intMin = 0;
    int intMax = 100;
    int intValue = 0;
    float floatMin = 0.0f;
    float floatMax = 100.0f;
    float floatValue = 0.0f;

    int SetInt(int value);
    float SetFloat(float value);
};

// The values a slider of the given width stands for at client x: the int
// value truncated, each clamped to its range (left of the slider the
// minimum). A slider without width or with an empty range gives the minimum.
struct MeterValue {
    int intValue = 0;
    float floatValue = 0;
};
MeterValue MeterValueAt(int x, int width, int intMin, int intMax, float floatMin, float floatMax);
// How much of the slider is filled, 0 to 1; 0 for an empty range.
float MeterFraction(float value, float min, float max);

// Whether a number field takes a typed character: digits always, "-" and
// in float mode "." too, and the editing keys (control characters, Delete).
bool AcceptsNumberChar(UINT ch, bool floatMode, bool controlHeld);
// The number a field's whole text stands for, in the C numeric locale with
// white space around it allowed; nothing for text that is no number or one
// that does not fit an int (a finite float).
std::optional<int> ParseFieldInt(const CString& text);
std::optional<float> ParseFieldFloat(const CString& text);
// The value of the power-of-two table (1 to 32) that an entry snaps to,
// rounding down; nothing for an entry outside the table.
std::optional<int> SnapToPowerOfTwo(int value);
// An odd entry above 1 goes down to the even number below it.
int LowerOddToEven(int value);
