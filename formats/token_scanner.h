#pragma once
// Reads the white-space separated tokens of a text exchange file held whole in
// memory: words, integers and decimal numbers (C locale, whatever the user's
// locale), and for the formats that need it the rest of a line or a run of
// raw bytes. Every read that cannot be satisfied throws CFormatError with the
// current line, so a reader either takes the whole file or names where it
// stopped. Words are views into the bytes and live as long as they do.
#include "formats/format_error.h"

#include <cstddef>
#include <string_view>

class CTokenScanner {
public:
    explicit CTokenScanner(std::string_view bytes) : m_bytes(bytes) {}

    // The next word; false at the end of the file.
    bool TryWord(std::string_view& word);
    // The next word; the end of the file throws.
    std::string_view Word();
    // The next word as a whole integer or finite decimal number ("+" allowed).
    int Int();
    float Float();
    // A name in double quotes, which may hold blanks, without its quotes (a
    // closing quote must follow on the same line); a name without quotes is
    // the next word as it is.
    std::string_view Quoted();
    // The next word, which must be text; anything else throws badSyntax.
    void Expect(std::string_view text);
    // After an opening "{": skips words up to its closing "}", counting the
    // braces of nested chunks.
    void SkipChunk();
    // A count of items that each take at least minBytes of the file: an
    // integer from 0 up to what the rest of the file can hold.
    int Count(size_t minBytes);
    // The text from here to the end of the line (without "\r\n" or "\n"),
    // which is consumed with its line end.
    std::string_view RestOfLine();
    // The next n bytes as they are.
    std::string_view Bytes(size_t n);

    bool AtEnd() const { return m_pos >= m_bytes.size(); }
    size_t Remaining() const { return m_bytes.size() - m_pos; }
    int Line() const { return m_line; }
    [[noreturn]] void Fail(const CFormatProblem& problem) const { throw CFormatError(problem, m_line); }

private:
    void SkipBlanks();

    std::string_view m_bytes;
    size_t m_pos = 0;
    int m_line = 1;
};

// The whole of text as a number; false when it is not one (or not finite).
bool ParseWholeInt(std::string_view text, int& value);
bool ParseWholeFloat(std::string_view text, float& value);
