#include "controls/numeric_value.h"

#include "controls/numeric_rules.h"
#include "platform/base/c_locale.h"

#include <algorithm>

void CNumericValue::SetRange(int min, int max) {
    m_intMin = min;
    m_intMax = max;
    m_clamp = true;
}

void CNumericValue::SetRangeF(float min, float max) {
    m_floatMin = min;
    m_floatMax = max;
    m_clamp = true;
}

int CNumericValue::ClampInt(int value) const {
    if (!m_clamp)
        return value;
    if (value > m_intMax)
        value = m_intMax;
    if (value < m_intMin)
        value = m_intMin;
    return value;
}

float CNumericValue::ClampFloat(float value) const {
    if (!m_clamp)
        return value;
    if (value > m_floatMax)
        value = m_floatMax;
    if (value < m_floatMin)
        value = m_floatMin;
    return value;
}

CString CNumericValue::SetInt(int value) {
    m_int = ClampInt(value);
    m_committedInt = m_int;
    return qf::FormatC("%d", m_int);
}

CString CNumericValue::SetFloat(float value) {
    m_float = ClampFloat(value);
    m_committedFloat = m_float;
    return qf::FormatC("%0.*f", std::clamp(m_decimals, 0, 9), static_cast<double>(m_float));
}

CString CNumericValue::Text() const {
    if (m_floatMode)
        return qf::FormatC("%0.*f", std::clamp(m_decimals, 0, 9), static_cast<double>(m_float));
    return qf::FormatC("%d", m_int);
}

CNumericValue::Commit CNumericValue::CommitText(const CString& text) {
    Commit commit;
    // Text left as the field showed it changes nothing: a value with more
    // digits than the field shows, or one given outside the range, stays.
    if (!IsTyped(text)) {
        commit.text = text;
        return commit;
    }
    if (!m_floatMode && (m_powerOfTwo || !m_oddAllowed)) {
        const int old = m_int;
        const std::optional<int> typed = ParseFieldInt(text);
        const std::optional<int> entry = !typed         ? std::nullopt
                                         : m_powerOfTwo ? SnapToPowerOfTwo(*typed)
                                                        : LowerOddToEven(*typed);
        commit.text = entry ? SetInt(*entry) : SetInt(m_int);
        commit.changed = m_int != old;
        return commit;
    }
    if (m_floatMode) {
        const std::optional<float> typed = ParseFieldFloat(text);
        commit.changed = typed && *typed != m_committedFloat;
        commit.text = SetFloat(typed ? *typed : m_float);
        return commit;
    }
    const std::optional<int> typed = ParseFieldInt(text);
    commit.changed = typed && *typed != m_committedInt;
    commit.text = SetInt(typed ? *typed : m_int);
    return commit;
}
