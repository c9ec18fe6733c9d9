#include "formats/token_scanner.h"

#include <charconv>
#include <cmath>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

// from_chars takes no leading plus; the C library's readers do.
std::string_view WithoutPlus(std::string_view text) {
    if (text.size() > 1 && text[0] == '+' && text[1] != '-')
        text.remove_prefix(1);
    return text;
}

} // namespace

bool ParseWholeInt(std::string_view text, int& value) {
    text = WithoutPlus(text);
    int parsed = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty())
        return false;
    value = parsed;
    return true;
}

bool ParseWholeFloat(std::string_view text, float& value) {
    text = WithoutPlus(text);
    float parsed = 0.0f;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty() || !std::isfinite(parsed))
        return false;
    value = parsed;
    return true;
}

void CTokenScanner::SkipBlanks() {
    while (m_pos < m_bytes.size() && IsBlank(m_bytes[m_pos])) {
        if (m_bytes[m_pos] == '\n')
            ++m_line;
        ++m_pos;
    }
}

bool CTokenScanner::TryWord(std::string_view& word) {
    SkipBlanks();
    if (AtEnd())
        return false;
    const size_t start = m_pos;
    while (m_pos < m_bytes.size() && !IsBlank(m_bytes[m_pos]))
        ++m_pos;
    word = m_bytes.substr(start, m_pos - start);
    return true;
}

std::string_view CTokenScanner::Word() {
    std::string_view word;
    if (!TryWord(word))
        Fail(formatProblem::endsEarly);
    return word;
}

int CTokenScanner::Int() {
    int value = 0;
    if (!ParseWholeInt(Word(), value))
        Fail(formatProblem::notANumber);
    return value;
}

float CTokenScanner::Float() {
    float value = 0.0f;
    if (!ParseWholeFloat(Word(), value))
        Fail(formatProblem::notANumber);
    return value;
}

std::string_view CTokenScanner::Quoted() {
    SkipBlanks();
    if (AtEnd() || m_bytes[m_pos] != '"')
        return Word();
    const size_t start = m_pos + 1;
    const size_t end = m_bytes.find_first_of("\"\n", start);
    if (end == std::string_view::npos || m_bytes[end] != '"')
        Fail(formatProblem::badSyntax);
    m_pos = end + 1;
    return m_bytes.substr(start, end - start);
}

void CTokenScanner::Expect(std::string_view text) {
    if (Word() != text)
        Fail(formatProblem::badSyntax);
}

void CTokenScanner::SkipChunk() {
    for (int depth = 1; depth > 0;) {
        const std::string_view word = Word();
        if (word == "{")
            ++depth;
        else if (word == "}")
            --depth;
    }
}

int CTokenScanner::Count(size_t minBytes) {
    const int count = Int();
    if (count < 0 || static_cast<size_t>(count) > Remaining() / (minBytes ? minBytes : 1))
        Fail(formatProblem::badCount);
    return count;
}

std::string_view CTokenScanner::RestOfLine() {
    const size_t start = m_pos;
    size_t end = m_bytes.find('\n', m_pos);
    if (end == std::string_view::npos) {
        m_pos = end = m_bytes.size();
    } else {
        m_pos = end + 1;
        ++m_line;
    }
    std::string_view line = m_bytes.substr(start, end - start);
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    return line;
}

std::string_view CTokenScanner::Bytes(size_t n) {
    if (n > Remaining())
        Fail(formatProblem::endsEarly);
    const std::string_view bytes = m_bytes.substr(m_pos, n);
    m_pos += n;
    return bytes;
}
