#include "platform/base/c_locale.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <locale.h>

namespace qf {
namespace {

locale_t CLocale() {
    static const locale_t loc = newlocale(LC_ALL_MASK, "C", nullptr);
    return loc;
}

// strtol_l/strtod_l need a terminated string; keep short texts on the stack.
template <typename F> bool ParseWith(std::string_view text, std::string_view* rest, F parse) {
    char small[64];
    std::string large;
    const char* buf;
    if (text.size() < sizeof small) {
        text.copy(small, text.size());
        small[text.size()] = '\0';
        buf = small;
    } else {
        large.assign(text);
        buf = large.c_str();
    }
    char* end = nullptr;
    errno = 0;
    if (!parse(buf, &end) || end == buf)
        return false;
    std::string_view tail = text.substr(static_cast<size_t>(end - buf));
    if (rest) {
        *rest = tail;
        return true;
    }
    for (char c : tail)
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n')
            return false;
    return true;
}

} // namespace

std::string FormatCV(const char* fmt, va_list args) {
    CNumericLocaleScope scope;
    va_list again;
    va_copy(again, args);
    char small[256];
    int n = std::vsnprintf(small, sizeof small, fmt, args);
    std::string out;
    if (n < 0) {
        va_end(again);
        return out;
    }
    if (static_cast<size_t>(n) < sizeof small) {
        out.assign(small, static_cast<size_t>(n));
    } else {
        out.resize(static_cast<size_t>(n) + 1);
        std::vsnprintf(out.data(), out.size(), fmt, again);
        out.resize(static_cast<size_t>(n));
    }
    va_end(again);
    return out;
}

void AppendFixed(std::string& out, double value, int decimals) {
    // Room for the largest double in fixed notation with the most decimals.
    char buffer[340];
    const std::to_chars_result r = std::to_chars(buffer, buffer + sizeof buffer, value,
                                                 std::chars_format::fixed, std::clamp(decimals, 0, 17));
    out.append(buffer, r.ec == std::errc() ? r.ptr : buffer);
}

void AppendInt(std::string& out, long value) {
    char buffer[24];
    const std::to_chars_result r = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, r.ptr);
}

std::string FormatC(const char* fmt, ...) {
    va_list args;
    va_start(args, fmt);
    std::string out = FormatCV(fmt, args);
    va_end(args);
    return out;
}

bool ParseInt(std::string_view text, long& out, std::string_view* rest) {
    long value = 0;
    bool ok = ParseWith(text, rest, [&](const char* s, char** end) {
        value = strtol_l(s, end, 10, CLocale());
        return errno != ERANGE;
    });
    if (ok)
        out = value;
    return ok;
}

bool ParseInt(std::string_view text, int& out, std::string_view* rest) {
    long value = 0;
    std::string_view tail;
    if (!ParseInt(text, value, &tail) || value < INT_MIN || value > INT_MAX)
        return false;
    if (!rest) {
        for (char c : tail)
            if (c != ' ' && c != '\t' && c != '\r' && c != '\n')
                return false;
    } else {
        *rest = tail;
    }
    out = static_cast<int>(value);
    return true;
}

bool ParseDouble(std::string_view text, double& out, std::string_view* rest) {
    double value = 0;
    bool ok = ParseWith(text, rest, [&](const char* s, char** end) {
        value = strtod_l(s, end, CLocale());
        return true;
    });
    if (ok)
        out = value;
    return ok;
}

bool ParseFloat(std::string_view text, float& out, std::string_view* rest) {
    double value = 0;
    if (!ParseDouble(text, value, rest))
        return false;
    out = static_cast<float>(value);
    return true;
}

CNumericLocaleScope::CNumericLocaleScope() : m_previous(uselocale(CLocale())) {}

CNumericLocaleScope::~CNumericLocaleScope() {
    uselocale(static_cast<locale_t>(m_previous));
}

} // namespace qf
