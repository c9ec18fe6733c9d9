#pragma once
// Plain-text settings and exchange files. Readers accept LF and CRLF line
// ends, bound every line and word they return, and convert from the file's
// code page; writers format numbers in the C locale and replace the target
// only when the whole text has been written.
#include "platform/base/cstring.h"

#include <string>
#include <string_view>

namespace qf {

class CStagedFile;

enum class TextEncoding {
    Cp932, // what the Windows build writes: settings files, Shift-JIS formats
    Utf8,  // bytes taken as they are
};

class CTextFileReader {
public:
    // Reads the whole file at once; IsOpen() is false when it is missing or unreadable.
    explicit CTextFileReader(const std::string& path, TextEncoding encoding = TextEncoding::Cp932);
    // Reads from text already in memory.
    static CTextFileReader FromText(std::string bytes, TextEncoding encoding = TextEncoding::Cp932);

    bool IsOpen() const { return m_open; }
    const std::string& GetError() const { return m_error; }
    bool AtEnd() const { return m_pos >= m_bytes.size(); }
    // 1-based number of the line the next read starts on.
    int GetLineNumber() const { return m_line; }

    // The next line without its line end; longer lines are cut at maxBytes
    // and the rest of the line is skipped. False at the end of the file or
    // when the line is not valid in the file's code page (the line is skipped).
    bool ReadLine(CString& line, size_t maxBytes = 4096);
    // The next white-space-delimited word; an overlong word is cut at maxBytes
    // and its rest skipped. False at the end of the file, or when the word is
    // not valid in the file's code page (the word is consumed).
    bool ReadWord(CString& word, size_t maxBytes = 256);
    // The next word as a number (C locale). False (value untouched) at the
    // end or when the word is not a number; the word is consumed either way.
    bool ReadInt(int& value);
    bool ReadFloat(float& value);
    bool ReadDouble(double& value);

private:
    CTextFileReader() = default;
    bool Decode(std::string_view raw, CString& out) const;

    std::string m_bytes;
    size_t m_pos = 0;
    int m_line = 1;
    bool m_open = false;
    std::string m_error;
    TextEncoding m_encoding = TextEncoding::Cp932;
};

class CTextFileWriter {
public:
    explicit CTextFileWriter(std::string path, TextEncoding encoding = TextEncoding::Cp932);
    ~CTextFileWriter() = default;
    CTextFileWriter(const CTextFileWriter&) = delete;
    CTextFileWriter& operator=(const CTextFileWriter&) = delete;

    // Appends text; a character the code page cannot hold marks the writer failed.
    void Write(std::string_view utf8);
    void WriteLine(std::string_view utf8) {
        Write(utf8);
        Write("\n");
    }
    // printf-style in the C numeric locale.
    void Printf(const char* fmt, ...) __attribute__((format(printf, 2, 3)));

    // Writes the collected text to the file (temporary file and rename).
    // False when a write or an earlier conversion failed; GetError tells why.
    bool Close();
    // The first half of Close for files that go together: the text is written
    // beside the file, and file.Commit() puts it in place.
    bool Stage(CStagedFile& file);
    bool Failed() const { return m_failed; }
    const std::string& GetError() const { return m_error; }

private:
    std::string m_path;
    TextEncoding m_encoding;
    std::string m_bytes;
    bool m_failed = false;
    std::string m_error;
};

} // namespace qf
