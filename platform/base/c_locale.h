#pragma once
// Numbers in files are always written and read in the C numeric locale, so a
// document saved under a German desktop still says "1.5", not "1,5".
#include <cstdarg>
#include <string>
#include <string_view>

namespace qf {

// printf-style formatting as the C library does it in the "C" locale.
std::string FormatC(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
std::string FormatCV(const char* fmt, va_list args);
// Appends value as "%0.<decimals>f" (decimals 0..17) and an integer as "%d"
// would give them, without a format string: geometry writers put out
// millions of numbers.
void AppendFixed(std::string& out, double value, int decimals);
void AppendInt(std::string& out, long value);

// strtol/strtod in the "C" locale. Leading white space is skipped; the whole
// remaining text must be a number unless `rest` is given, which then receives
// the unparsed tail. Returns false (and leaves `out` unchanged) when no number starts there.
bool ParseInt(std::string_view text, long& out, std::string_view* rest = nullptr);
bool ParseInt(std::string_view text, int& out, std::string_view* rest = nullptr);
bool ParseDouble(std::string_view text, double& out, std::string_view* rest = nullptr);
bool ParseFloat(std::string_view text, float& out, std::string_view* rest = nullptr);

// Makes the C numeric locale current for this thread while it lives, for code
// that calls the C library's formatted I/O (fprintf, fscanf) directly.
class CNumericLocaleScope {
public:
    CNumericLocaleScope();
    ~CNumericLocaleScope();
    CNumericLocaleScope(const CNumericLocaleScope&) = delete;
    CNumericLocaleScope& operator=(const CNumericLocaleScope&) = delete;

private:
    void* m_previous;
};

} // namespace qf
