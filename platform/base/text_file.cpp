#include "platform/base/text_file.h"

#include "platform/base/c_locale.h"
#include "platform/base/codepage.h"
#include "platform/base/file_util.h"

#include <cstdarg>

namespace qf {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

} // namespace

CTextFileReader::CTextFileReader(const std::string& path, TextEncoding encoding) : m_encoding(encoding) {
    m_open = ReadWholeFile(path, m_bytes, &m_error);
}

CTextFileReader CTextFileReader::FromText(std::string bytes, TextEncoding encoding) {
    CTextFileReader reader;
    reader.m_bytes = std::move(bytes);
    reader.m_encoding = encoding;
    reader.m_open = true;
    return reader;
}

bool CTextFileReader::Decode(std::string_view raw, CString& out) const {
    if (m_encoding == TextEncoding::Utf8) {
        out = CString(raw);
        return true;
    }
    std::string text;
    if (!Cp932ToUtf8(raw, text))
        return false;
    out = CString(std::move(text));
    return true;
}

bool CTextFileReader::ReadLine(CString& line, size_t maxBytes) {
    while (!AtEnd()) {
        size_t end = m_bytes.find('\n', m_pos);
        const bool hasEnd = end != std::string::npos;
        if (!hasEnd)
            end = m_bytes.size();
        std::string_view raw(m_bytes.data() + m_pos, end - m_pos);
        if (!raw.empty() && raw.back() == '\r')
            raw.remove_suffix(1);
        if (raw.size() > maxBytes)
            raw = raw.substr(0, maxBytes);
        m_pos = hasEnd ? end + 1 : end;
        ++m_line;
        // A cut can split a double-byte character; drop the dangling lead byte.
        if (Decode(raw, line) || (raw.size() == maxBytes && Decode(raw.substr(0, raw.size() - 1), line)))
            return true;
    }
    return false;
}

bool CTextFileReader::ReadWord(CString& word, size_t maxBytes) {
    while (m_pos < m_bytes.size() && IsBlank(m_bytes[m_pos])) {
        if (m_bytes[m_pos] == '\n')
            ++m_line;
        ++m_pos;
    }
    if (AtEnd())
        return false;
    const size_t start = m_pos;
    while (m_pos < m_bytes.size() && !IsBlank(m_bytes[m_pos]))
        ++m_pos;
    std::string_view raw(m_bytes.data() + start, m_pos - start);
    if (raw.size() > maxBytes)
        raw = raw.substr(0, maxBytes);
    // An undecodable word is not passed over: the reader of a file of values
    // taken by position must stop there, not shift every later value.
    return Decode(raw, word) || (raw.size() == maxBytes && Decode(raw.substr(0, raw.size() - 1), word));
}

bool CTextFileReader::ReadInt(int& value) {
    CString word;
    return ReadWord(word, 64) && ParseInt(word.view(), value);
}

bool CTextFileReader::ReadFloat(float& value) {
    CString word;
    return ReadWord(word, 64) && ParseFloat(word.view(), value);
}

bool CTextFileReader::ReadDouble(double& value) {
    CString word;
    return ReadWord(word, 64) && ParseDouble(word.view(), value);
}

CTextFileWriter::CTextFileWriter(std::string path, TextEncoding encoding)
    : m_path(std::move(path)), m_encoding(encoding) {}

void CTextFileWriter::Write(std::string_view utf8) {
    if (m_encoding == TextEncoding::Utf8) {
        m_bytes.append(utf8);
        return;
    }
    std::string bytes;
    if (!Utf8ToCp932(utf8, bytes)) {
        if (!m_failed)
            m_error = "the text \"" + std::string(utf8) + "\" cannot be written in CP932";
        m_failed = true;
        return;
    }
    m_bytes.append(bytes);
}

void CTextFileWriter::Printf(const char* fmt, ...) {
    va_list args;
    va_start(args, fmt);
    const std::string text = FormatCV(fmt, args);
    va_end(args);
    Write(text);
}

bool CTextFileWriter::Close() {
    CStagedFile file;
    if (!Stage(file))
        return false;
    if (!file.Commit(&m_error)) {
        m_failed = true;
        return false;
    }
    return true;
}

bool CTextFileWriter::Stage(CStagedFile& file) {
    if (m_failed)
        return false;
    if (!file.Stage(m_path, m_bytes, &m_error)) {
        m_failed = true;
        return false;
    }
    return true;
}

} // namespace qf
