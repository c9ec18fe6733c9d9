#pragma once
// The text of one exported file, built in memory and written whole: the
// file on disk is replaced only once every byte is there, so a failed export
// leaves an older file of that name as it was. Numbers are formatted in the
// C locale without a format string per value.
#include "platform/base/c_locale.h"
#include "platform/base/cstring.h"

#include <string>
#include <string_view>

class CExportText {
public:
    CExportText& operator<<(std::string_view text) {
        m_bytes.append(text);
        return *this;
    }
    CExportText& operator<<(char c) {
        m_bytes.push_back(c);
        return *this;
    }
    // value as "%0.<decimals>f", and as "%d".
    CExportText& Fixed(double value, int decimals) {
        qf::AppendFixed(m_bytes, value, decimals);
        return *this;
    }
    CExportText& Int(long value) {
        qf::AppendInt(m_bytes, value);
        return *this;
    }
    void Reserve(size_t bytes) { m_bytes.reserve(bytes); }
    const std::string& GetBytes() const { return m_bytes; }

    // Writes the text to path through a temporary file; false, with the
    // reason in error, when it could not.
    bool Save(const CString& path, std::string* error) const;

private:
    std::string m_bytes;
};

// A name for a file whose readers expect Shift-JIS (CP932) text: the bytes
// of name in CP932, a character it cannot hold as "_". Control characters,
// and the characters in forbidden, become "_" too.
std::string Cp932Name(const CString& name, std::string_view forbidden = {});
