#include "platform/base/cstring.h"

#include "platform/base/c_locale.h"

#include <algorithm>
#include <cstdarg>
#include <cstring>

namespace {

size_t Clamp(int value, size_t limit) {
    if (value < 0)
        return 0;
    return std::min(static_cast<size_t>(value), limit);
}

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
char UpperAscii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

} // namespace

char CString::GetAt(int index) const {
    if (index < 0 || static_cast<size_t>(index) >= m_text.size())
        return '\0';
    return m_text[static_cast<size_t>(index)];
}

void CString::SetAt(int index, char c) {
    if (index >= 0 && static_cast<size_t>(index) < m_text.size())
        m_text[static_cast<size_t>(index)] = c;
}

int CString::Compare(const char* other) const noexcept {
    return std::strcmp(m_text.c_str(), other ? other : "");
}

int CString::CompareNoCase(const char* other) const noexcept {
    const char* a = m_text.c_str();
    const char* b = other ? other : "";
    for (;; ++a, ++b) {
        char ca = LowerAscii(*a), cb = LowerAscii(*b);
        if (ca != cb)
            return static_cast<unsigned char>(ca) < static_cast<unsigned char>(cb) ? -1 : 1;
        if (ca == '\0')
            return 0;
    }
}

CString CString::Left(int count) const {
    return CString(m_text.substr(0, Clamp(count, m_text.size())));
}

CString CString::Mid(int first) const {
    return CString(m_text.substr(Clamp(first, m_text.size())));
}

CString CString::Mid(int first, int count) const {
    size_t start = Clamp(first, m_text.size());
    return CString(m_text.substr(start, Clamp(count, m_text.size() - start)));
}

CString CString::Right(int count) const {
    size_t n = Clamp(count, m_text.size());
    return CString(m_text.substr(m_text.size() - n));
}

int CString::Find(char c, int start) const {
    if (start < 0 || static_cast<size_t>(start) > m_text.size())
        return -1;
    size_t at = m_text.find(c, static_cast<size_t>(start));
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::Find(const char* sub, int start) const {
    if (!sub || start < 0 || static_cast<size_t>(start) > m_text.size())
        return -1;
    size_t at = m_text.find(sub, static_cast<size_t>(start));
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::ReverseFind(char c) const {
    size_t at = m_text.rfind(c);
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::Replace(const char* from, const char* to) {
    if (!from || !*from)
        return 0;
    const std::string_view f(from);
    const std::string_view t(to ? to : "");
    int count = 0;
    std::string out;
    size_t pos = 0;
    for (size_t at; (at = m_text.find(f, pos)) != std::string::npos; pos = at + f.size()) {
        out.append(m_text, pos, at - pos);
        out.append(t);
        ++count;
    }
    if (count) {
        out.append(m_text, pos, std::string::npos);
        m_text.swap(out);
    }
    return count;
}

int CString::Replace(char from, char to) {
    int count = 0;
    for (char& c : m_text)
        if (c == from) {
            c = to;
            ++count;
        }
    return count;
}

int CString::Remove(char c) {
    size_t before = m_text.size();
    m_text.erase(std::remove(m_text.begin(), m_text.end(), c), m_text.end());
    return static_cast<int>(before - m_text.size());
}

int CString::Insert(int index, const char* text) {
    m_text.insert(Clamp(index, m_text.size()), text ? text : "");
    return GetLength();
}

int CString::Delete(int index, int count) {
    size_t start = Clamp(index, m_text.size());
    m_text.erase(start, Clamp(count, m_text.size() - start));
    return GetLength();
}

CString& CString::MakeLower() {
    for (char& c : m_text)
        c = LowerAscii(c);
    return *this;
}

CString& CString::MakeUpper() {
    for (char& c : m_text)
        c = UpperAscii(c);
    return *this;
}

CString& CString::TrimLeft() {
    size_t n = 0;
    while (n < m_text.size() && IsSpace(m_text[n]))
        ++n;
    m_text.erase(0, n);
    return *this;
}

CString& CString::TrimRight() {
    size_t n = m_text.size();
    while (n > 0 && IsSpace(m_text[n - 1]))
        --n;
    m_text.resize(n);
    return *this;
}

CString& CString::Trim() {
    return TrimRight().TrimLeft();
}

void CString::Format(const char* fmt, ...) {
    va_list args;
    va_start(args, fmt);
    m_text = qf::FormatCV(fmt, args);
    va_end(args);
}

void CString::AppendFormat(const char* fmt, ...) {
    va_list args;
    va_start(args, fmt);
    m_text += qf::FormatCV(fmt, args);
    va_end(args);
}
