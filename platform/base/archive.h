#pragma once
// The document archive: the class library's binary layout, byte for byte, so a
// document written on either platform opens on the other. Ints and floats are
// little-endian (4 bytes; doubles 8); a string is a length prefix (1 byte below
// 255, else 0xFF + 16 bits below 0xFFFE, else 0xFF 0xFFFF + 32 bits) and its
// CP932 bytes. Storing collects bytes in memory; loading reads from memory.
// Any short read, impossible length or text that CP932 cannot carry throws
// CArchiveException.
#include "platform/base/cstring.h"

#include <cstdint>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

class CArchiveException : public std::runtime_error {
public:
    enum Cause {
        endOfFile,    // the stream ended inside a record
        badLength,    // a length or count that cannot be right
        badCharacter, // bytes that are not CP932, or text CP932 cannot hold
        badSchema,    // a keyword or value the reader does not accept
        fileError,    // the file could not be read or written
    };
    CArchiveException(Cause cause, size_t offset, const std::string& what)
        : std::runtime_error(what), m_cause(cause), m_offset(offset) {}
    Cause GetCause() const { return m_cause; }
    // Byte offset in the stream where the fault was found.
    size_t GetOffset() const { return m_offset; }

private:
    Cause m_cause;
    size_t m_offset;
};

class CArchive {
public:
    enum Mode { store = 0, load = 1 };

    // An archive that stores into memory.
    CArchive();
    // An archive that loads from the given bytes.
    explicit CArchive(std::string bytes);
    // An archive that loads from bytes it does not own, which must outlive it:
    // a part of a file another archive holds, read without copying it.
    static CArchive Borrow(std::string_view bytes);
    // Loads a whole file; throws CArchiveException(fileError) when it cannot be read.
    static CArchive LoadFile(const std::string& path);

    CArchive(CArchive&& other) noexcept;
    CArchive& operator=(CArchive&& other) noexcept;

    bool IsStoring() const { return m_mode == store; }
    bool IsLoading() const { return m_mode == load; }

    // Storing.
    CArchive& operator<<(int32_t v);
    CArchive& operator<<(uint32_t v);
    CArchive& operator<<(int16_t v);
    CArchive& operator<<(uint16_t v);
    CArchive& operator<<(uint8_t v);
    CArchive& operator<<(float v);
    CArchive& operator<<(double v);
    CArchive& operator<<(const CString& s);
    CArchive& operator<<(const char* s) { return *this << CString(s); }
    CArchive& operator<<(long) = delete; // 8 bytes here, 4 on the other platform: say which
    CArchive& operator<<(bool) = delete; // BOOL is a 4-byte int in the file
    void Write(const void* data, size_t size);

    // Loading. The fixed-size reads are inline: a large document has
    // millions of fields.
    CArchive& operator>>(int32_t& v) { return Read(&v, sizeof v), *this; }
    CArchive& operator>>(uint32_t& v) { return Read(&v, sizeof v), *this; }
    CArchive& operator>>(int16_t& v) { return Read(&v, sizeof v), *this; }
    CArchive& operator>>(uint16_t& v) { return Read(&v, sizeof v), *this; }
    CArchive& operator>>(uint8_t& v) { return Read(&v, sizeof v), *this; }
    CArchive& operator>>(float& v) { return Read(&v, sizeof v), *this; }
    CArchive& operator>>(double& v) { return Read(&v, sizeof v), *this; }
    CArchive& operator>>(CString& s);
    CArchive& operator>>(long&) = delete;
    CArchive& operator>>(bool&) = delete;
    void Read(void* data, size_t size) {
        if (m_mode != load || size > m_in.size() - m_pos)
            Need(size);
        std::memcpy(data, m_in.data() + m_pos, size);
        m_pos += size;
    }
    // Moves past size bytes, as reading them would, without copying them.
    void Skip(size_t size);
    // Reads a count that must lie in [0, max] and must leave room for at least
    // minBytesEach bytes per element in the rest of the stream.
    int ReadCount(int max, size_t minBytesEach = 1);

    // Bytes stored so far (storing) or the offset of the next byte (loading).
    size_t GetPosition() const { return m_pos; }
    // Bytes left to read (loading).
    size_t GetRemaining() const { return m_in.size() - m_pos; }
    bool AtEnd() const { return m_pos >= m_in.size(); }

    // The stored bytes.
    const std::string& GetBytes() const { return m_bytes; }
    // The bytes being read (loading).
    std::string_view GetLoadBytes() const { return m_in; }
    // Writes the stored bytes to path through a temporary file beside it and a
    // rename, so a failed save never harms the old file. False on failure.
    bool SaveFile(const std::string& path, std::string* error = nullptr) const;

    [[noreturn]] void Fail(CArchiveException::Cause cause, const std::string& what) const;

private:
    void Need(size_t size) const;

    Mode m_mode;
    std::string m_bytes;
    // A file LoadFile read.
    std::unique_ptr<char[]> m_file;
    // What loading reads: m_bytes, m_file, or bytes borrowed from elsewhere.
    std::string_view m_in;
    size_t m_pos = 0;
};
