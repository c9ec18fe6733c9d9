#include "platform/base/archive.h"

#include "platform/base/codepage.h"
#include "platform/base/file_util.h"

#include <bit>
#include <cstring>

static_assert(sizeof(float) == 4 && sizeof(double) == 8, "the file layout needs IEEE single and double");

namespace {

// The file is little-endian; so is every machine this builds for, which the
// check below makes sure of instead of swapping bytes on every value.
static_assert(std::endian::native == std::endian::little, "big-endian hosts need byte swapping here");

template <typename T> void Put(std::string& bytes, T v) {
    char raw[sizeof(T)];
    std::memcpy(raw, &v, sizeof(T));
    bytes.append(raw, sizeof(T));
}

} // namespace

CArchive::CArchive() : m_mode(store) {}

CArchive::CArchive(std::string bytes) : m_mode(load), m_bytes(std::move(bytes)), m_in(m_bytes) {}

CArchive CArchive::Borrow(std::string_view bytes) {
    CArchive ar{std::string()};
    ar.m_in = bytes;
    return ar;
}

CArchive::CArchive(CArchive&& other) noexcept : m_mode(other.m_mode) {
    *this = std::move(other);
}

CArchive& CArchive::operator=(CArchive&& other) noexcept {
    if (this != &other) {
        // A view of the other's own bytes must follow them into this archive.
        const bool own = other.m_in.data() == other.m_bytes.data();
        m_mode = other.m_mode;
        m_bytes = std::move(other.m_bytes);
        m_file = std::move(other.m_file);
        m_in = own ? std::string_view(m_bytes) : other.m_in;
        m_pos = other.m_pos;
        other.m_in = std::string_view();
        other.m_pos = 0;
    }
    return *this;
}

CArchive CArchive::LoadFile(const std::string& path) {
    CArchive ar{std::string()};
    size_t size = 0;
    std::string error;
    if (!qf::ReadWholeFile(path, ar.m_file, size, &error))
        throw CArchiveException(CArchiveException::fileError, 0, error);
    ar.m_in = std::string_view(ar.m_file.get(), size);
    return ar;
}

void CArchive::Fail(CArchiveException::Cause cause, const std::string& what) const {
    throw CArchiveException(cause, m_pos, what + " at byte " + std::to_string(m_pos));
}

void CArchive::Need(size_t size) const {
    if (m_mode != load)
        Fail(CArchiveException::badSchema, "reading from an archive that stores");
    if (size > m_in.size() - m_pos)
        Fail(CArchiveException::endOfFile, "unexpected end of file");
}

void CArchive::Write(const void* data, size_t size) {
    m_bytes.append(static_cast<const char*>(data), size);
    m_pos = m_bytes.size();
}

void CArchive::Skip(size_t size) {
    Need(size);
    m_pos += size;
}

CArchive& CArchive::operator<<(int32_t v) {
    return Put(m_bytes, v), m_pos = m_bytes.size(), *this;
}
CArchive& CArchive::operator<<(uint32_t v) {
    return Put(m_bytes, v), m_pos = m_bytes.size(), *this;
}
CArchive& CArchive::operator<<(int16_t v) {
    return Put(m_bytes, v), m_pos = m_bytes.size(), *this;
}
CArchive& CArchive::operator<<(uint16_t v) {
    return Put(m_bytes, v), m_pos = m_bytes.size(), *this;
}
CArchive& CArchive::operator<<(uint8_t v) {
    return Put(m_bytes, v), m_pos = m_bytes.size(), *this;
}
CArchive& CArchive::operator<<(float v) {
    return Put(m_bytes, v), m_pos = m_bytes.size(), *this;
}
CArchive& CArchive::operator<<(double v) {
    return Put(m_bytes, v), m_pos = m_bytes.size(), *this;
}

CArchive& CArchive::operator<<(const CString& s) {
    std::string bytes;
    if (!qf::Utf8ToCp932(s.view(), bytes))
        Fail(CArchiveException::badCharacter, "the text \"" + s.str() + "\" cannot be stored in CP932");
    const size_t n = bytes.size();
    if (n < 0xFF) {
        Put(m_bytes, static_cast<uint8_t>(n));
    } else if (n < 0xFFFE) {
        Put(m_bytes, static_cast<uint8_t>(0xFF));
        Put(m_bytes, static_cast<uint16_t>(n));
    } else {
        if (n > 0xFFFFFFFEu)
            Fail(CArchiveException::badLength, "text too long to store");
        Put(m_bytes, static_cast<uint8_t>(0xFF));
        Put(m_bytes, static_cast<uint16_t>(0xFFFF));
        Put(m_bytes, static_cast<uint32_t>(n));
    }
    m_bytes.append(bytes);
    m_pos = m_bytes.size();
    return *this;
}

CArchive& CArchive::operator>>(CString& s) {
    const size_t start = m_pos;
    uint8_t b = 0;
    *this >> b;
    size_t n = b;
    if (b == 0xFF) {
        uint16_t w = 0;
        *this >> w;
        n = w;
        if (w == 0xFFFE) {
            // The class library marks Unicode strings this way; its 8-bit builds never write them.
            m_pos = start;
            Fail(CArchiveException::badLength, "Unicode string marker in an 8-bit archive");
        }
        if (w == 0xFFFF) {
            uint32_t d = 0;
            *this >> d;
            n = d;
        }
    }
    if (n > GetRemaining()) {
        m_pos = start;
        Fail(CArchiveException::endOfFile, "string length " + std::to_string(n) + " beyond the end of file");
    }
    std::string text;
    if (!qf::Cp932ToUtf8(m_in.substr(m_pos, n), text)) {
        m_pos = start;
        Fail(CArchiveException::badCharacter, "text that is not valid CP932");
    }
    m_pos += n;
    s = CString(std::move(text));
    return *this;
}

int CArchive::ReadCount(int max, size_t minBytesEach) {
    int32_t n = 0;
    *this >> n;
    if (n < 0 || n > max || (minBytesEach && static_cast<size_t>(n) > GetRemaining() / minBytesEach)) {
        m_pos -= sizeof n;
        Fail(CArchiveException::badLength, "impossible count " + std::to_string(n));
    }
    return n;
}

bool CArchive::SaveFile(const std::string& path, std::string* error) const {
    return qf::WriteFileAtomically(path, m_bytes, error);
}
