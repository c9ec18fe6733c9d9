#include "app/settings_text.h"

#include "platform/base/c_locale.h"
#include "platform/base/codepage.h"
#include "platform/base/file_util.h"

#include <climits>
#include <string_view>

namespace {

// Settings files hold a few hundred lines; anything near this size is not one.
constexpr uint64_t kMaxSettingsFileBytes = 1 << 20;

constexpr std::string_view kFullWidthSpace = "\xE3\x80\x80";

bool IsBlankOrTab(char c) {
    return c == ' ' || c == '\t';
}

// Length of the blank, tab or full-width space at pos, 0 when none.
size_t SpaceAt(std::string_view text, size_t pos) {
    if (IsBlankOrTab(text[pos]))
        return 1;
    return text.substr(pos).starts_with(kFullWidthSpace) ? kFullWidthSpace.size() : 0;
}

// The same, line ends included.
size_t SeparatorAt(std::string_view text, size_t pos) {
    return text[pos] == '\n' || text[pos] == '\r' ? 1 : SpaceAt(text, pos);
}

} // namespace

std::optional<qf::CTextFileReader> OpenSettingsFile(const std::string& path, std::string* error) {
    const qf::FileStatus status = qf::GetFileStatus(path);
    if (!status.exists)
        return std::nullopt;
    std::string message;
    std::string bytes;
    if (status.isDirectory)
        message = "\"" + path + "\" is a folder, not a settings file";
    else if (status.size > kMaxSettingsFileBytes)
        message = "\"" + path + "\" is too large to be a settings file";
    else if (qf::ReadWholeFile(path, bytes, &message))
        return qf::CTextFileReader::FromText(std::move(bytes));
    if (error)
        *error = message;
    return std::nullopt;
}

bool ReadSettingsFile(const std::string& path, const std::function<void(qf::CTextFileReader&)>& parse,
                      std::string* error, const std::function<bool(std::string*)>& create) {
    std::string why;
    if (auto file = OpenSettingsFile(path, &why)) {
        parse(*file);
        return true;
    }
    if (why.empty())
        return create ? create(error) : true;
    if (error)
        *error = why;
    return false;
}

bool CloseSettingsFile(qf::CTextFileWriter& file, std::string* error) {
    if (file.Close())
        return true;
    if (error)
        *error = file.GetError();
    return false;
}

CString ReadLineText(qf::CTextFileReader& file) {
    CString line;
    if (!file.ReadLine(line))
        return CString();
    const int nul = line.Find('\0');
    return nul < 0 ? line : line.Left(nul);
}

int ReadIntToken(CString& line) {
    const std::string_view text = line.view();
    std::string token;
    bool started = false;
    size_t pos = 0;
    while (pos < text.size()) {
        const char c = text[pos];
        if ((c >= '0' && c <= '9') || c == '-') {
            token += c;
            started = true;
            ++pos;
            continue;
        }
        const size_t blank = SpaceAt(text, pos);
        if (blank == 0 || started)
            break;
        pos += blank;
    }
    if (!started)
        return 0;
    line = CString(text.substr(pos));
    return StringToInt(CString(std::move(token)));
}

CString ExtractToken(CString& line, int mode) {
    const std::string_view text = line.view();
    if (mode == 1) {
        const size_t open = text.find('"');
        if (open == std::string_view::npos)
            return CString();
        const size_t close = text.find('"', open + 1);
        CString token(text.substr(open + 1, close == std::string_view::npos ? std::string_view::npos
                                                                            : close - open - 1));
        line = close == std::string_view::npos ? CString() : CString(text.substr(close + 1));
        return token;
    }
    size_t start = 0;
    while (start < text.size()) {
        const size_t sep = SeparatorAt(text, start);
        if (sep == 0)
            break;
        start += sep;
    }
    if (start == text.size())
        return CString();
    size_t end = start;
    while (end < text.size() && SeparatorAt(text, end) == 0)
        ++end;
    CString token(text.substr(start, end - start));
    line = CString(text.substr(end < text.size() ? end + SeparatorAt(text, end) : end));
    return token;
}

int StringToInt(const CString& text) {
    const std::string_view s = text.view();
    size_t pos = 0;
    while (pos < s.size() &&
           (IsBlankOrTab(s[pos]) || s[pos] == '\n' || s[pos] == '\r' || s[pos] == '\v' || s[pos] == '\f'))
        ++pos;
    bool negative = false;
    if (pos < s.size() && (s[pos] == '-' || s[pos] == '+'))
        negative = s[pos++] == '-';
    long long value = 0;
    for (; pos < s.size() && s[pos] >= '0' && s[pos] <= '9'; ++pos) {
        value = value * 10 + (s[pos] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative)
        value = -value;
    return static_cast<int>(value > INT_MAX ? INT_MAX : value);
}

float StringToFloat(const CString& text) {
    float value = 0;
    std::string_view rest;
    return qf::ParseFloat(text.view(), value, &rest) ? value : 0.0f;
}

bool IsValidQuotedValue(const CString& text) {
    return text.view().find_first_of("\"\r\n", 0) == std::string_view::npos && text.Find('\0') < 0 &&
           qf::IsCp932Representable(text.view());
}

bool WriteQuotedEntry(qf::CTextFileWriter& file, const char* key, const CString& value) {
    if (!IsValidQuotedValue(value))
        return false;
    file.Printf("%s=\"%s\"\n", key, value.GetString());
    return true;
}

void SplitEntry(const CString& line, CString& key, CString& rest) {
    const int eq = line.Find('=');
    key = eq < 0 ? line : line.Left(eq);
    rest = eq < 0 ? CString() : line.Mid(eq + 1);
}

void WriteIntEntry(qf::CTextFileWriter& file, const char* key, int value) {
    file.Printf("%s=\"%d\"\n", key, value);
}

void WriteSwitchEntry(qf::CTextFileWriter& file, const char* key, int on) {
    if (on)
        file.Printf("%s=\"on\"\n", key);
}
