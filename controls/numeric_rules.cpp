#include "controls/numeric_rules.h"

#include "platform/base/c_locale.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <utility>

namespace {

constexpr std::array<int, 7> kSpinPowers = {1, 2, 4, 8, 16, 32, 64};

} // namespace

int NextSpinValue(int value, bool up, bool powerOfTwo, bool stepByOne) {
    if (powerOfTwo) {
        if (up) {
            // 1 and below step up to 2, like 1 itself.
            for (const int p : kSpinPowers)
                if (p > std::max(value, 1))
                    return p;
            return kSpinPowers.back();
        }
        for (auto it = kSpinPowers.rbegin(); it != kSpinPowers.rend(); ++it)
            if (*it < value)
                return *it;
        return kSpinPowers.front();
    }
    if (stepByOne)
        return up ? value + 1 : value - 1;
    const bool odd = value % 2 != 0;
    if (up)
        return odd ? value + 1 : value + 2;
    return odd ? value - 1 : value - 2;
}

float SpinFloatStep(int decimals) {
    float step = 1.0f;
    for (int i = 0; i < decimals; ++i)
        step *= 0.1f;
    return step;
}

bool InSpinUpperHalf(int y, int height) {
    return y >= 0 && y < static_cast<int>(0.49 * height);
}

bool InSpinLowerHalfForDrag(int y, int height) {
    return y >= static_cast<int>(0.49 * height) + 1 && y < height;
}

bool InSpinLowerHalfForRepeat(int y, int height) {
    return y >= static_cast<int>(0.51 * height) && y < height;
}

SpinHalf SpinHalfOfPress(int y, int height) {
    if (InSpinUpperHalf(y, height))
        return spinUpperHalf;
    return y >= 0 && y < height ? spinLowerHalf : spinNoHalf;
}

namespace {

template <class T> T ClampLowerFirst(T value, T min, T max) {
    if (value < min)
        value = min;
    if (value > max)
        value = max;
    return value;
}

} // namespace

int CBuddyValues::SetInt(int value) {
    return std::exchange(intValue, ClampLowerFirst(value, intMin, intMax));
}

float CBuddyValues::SetFloat(float value) {
    return std::exchange(floatValue, ClampLowerFirst(value, floatMin, floatMax));
}

MeterValue MeterValueAt(int x, int width, int intMin, int intMax, float floatMin, float floatMax) {
    MeterValue value{intMin, floatMin};
    if (width <= 0)
        return value;
    if (intMax > intMin) {
        const long long product = static_cast<long long>(x) * (static_cast<long long>(intMax) - intMin);
        value.intValue = static_cast<int>(std::trunc(static_cast<double>(product) / width)) + intMin;
        if (value.intValue > intMax)
            value.intValue = intMax;
        if (x < 0)
            value.intValue = intMin;
    }
    if (floatMax > floatMin) {
        value.floatValue =
            static_cast<float>(x) * (floatMax - floatMin) / static_cast<float>(width) + floatMin;
        if (value.floatValue > floatMax)
            value.floatValue = floatMax;
        if (x < 0)
            value.floatValue = floatMin;
    }
    return value;
}

float MeterFraction(float value, float min, float max) {
    if (!(max > min))
        return 0.0f;
    return (value - min) / (max - min);
}

bool AcceptsNumberChar(UINT ch, bool floatMode, bool controlHeld) {
    if (ch >= '0' && ch <= '9')
        return true;
    if (ch == '-' || (floatMode && ch == '.'))
        return true;
    return controlHeld || ch < 0x20 || ch == 0x7F;
}

std::optional<int> ParseFieldInt(const CString& text) {
    int value = 0;
    if (!qf::ParseInt(text.view(), value))
        return std::nullopt;
    return value;
}

std::optional<float> ParseFieldFloat(const CString& text) {
    double value = 0;
    if (!qf::ParseDouble(text.view(), value) || !std::isfinite(value) ||
        std::fabs(value) > std::numeric_limits<float>::max())
        return std::nullopt;
    return static_cast<float>(value);
}

std::optional<int> SnapToPowerOfTwo(int value) {
    if (value < 1 || value > 32)
        return std::nullopt;
    int snapped = 1;
    while (snapped * 2 <= value)
        snapped *= 2;
    return snapped;
}

int LowerOddToEven(int value) {
    return value > 1 && value % 2 != 0 ? value - 1 : value;
}
