#pragma once
// The string type of the whole program: UTF-8 text with the operations its
// callers, written in the Windows class library's terms, use. Conversion to the CP932 bytes of files happens
// at the file boundary (codepage.h, archive.h), never here.
#include <compare>
#include <cstddef>
#include <string>
#include <string_view>

class CString {
public:
    CString() = default;
    CString(const char* text) : m_text(text ? text : "") {}
    CString(std::string text) : m_text(std::move(text)) {}
    CString(std::string_view text) : m_text(text) {}
    CString(char c, int repeat = 1) : m_text(repeat > 0 ? static_cast<size_t>(repeat) : 0, c) {}

    // Lengths and indices count bytes: callers index by byte and file records store byte lengths.
    int GetLength() const { return static_cast<int>(m_text.size()); }
    bool IsEmpty() const { return m_text.empty(); }
    void Empty() { m_text.clear(); }
    char GetAt(int index) const;
    char operator[](int index) const { return GetAt(index); }
    void SetAt(int index, char c);

    const char* GetString() const { return m_text.c_str(); }
    operator const char*() const { return m_text.c_str(); }
    const std::string& str() const { return m_text; }
    std::string_view view() const { return m_text; }

    int Compare(const char* other) const noexcept;
    int CompareNoCase(const char* other) const noexcept;

    // Out-of-range counts and starts are clamped, as the class library does.
    CString Left(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    CString Right(int count) const;

    // -1 when not found.
    int Find(char c, int start = 0) const;
    int Find(const char* sub, int start = 0) const;
    int ReverseFind(char c) const;

    // Returns the number of replacements.
    int Replace(const char* from, const char* to);
    int Replace(char from, char to);
    int Remove(char c);
    int Insert(int index, const char* text);
    int Delete(int index, int count = 1);

    // ASCII letters only; multi-byte characters are left alone.
    CString& MakeLower();
    CString& MakeUpper();
    CString& TrimLeft();
    CString& TrimRight();
    CString& Trim();

    // printf-style, in the C numeric locale.
    void Format(const char* fmt, ...) __attribute__((format(printf, 2, 3)));
    void AppendFormat(const char* fmt, ...) __attribute__((format(printf, 2, 3)));

    CString& operator+=(const CString& other) {
        m_text += other.m_text;
        return *this;
    }
    CString& operator+=(const char* other) {
        m_text += other ? other : "";
        return *this;
    }
    CString& operator+=(char c) {
        m_text += c;
        return *this;
    }

    friend CString operator+(const CString& a, const CString& b) { return CString(a.m_text + b.m_text); }
    friend CString operator+(const CString& a, const char* b) { return CString(a.m_text + (b ? b : "")); }
    friend CString operator+(const char* a, const CString& b) { return CString((a ? a : "") + b.m_text); }
    friend CString operator+(const CString& a, char b) { return CString(a.m_text + b); }

    friend bool operator==(const CString& a, const CString& b) { return a.m_text == b.m_text; }
    friend bool operator==(const CString& a, const char* b) { return a.m_text == (b ? b : ""); }
    friend std::strong_ordering operator<=>(const CString& a, const CString& b) {
        return a.m_text.compare(b.m_text) <=> 0;
    }

private:
    std::string m_text;
};
