#include "app/underlay_image.h"

#include "platform/base/file_util.h"

#include <cstdlib>
#include <cstring>

namespace {

// Larger pictures would need gigabytes; a sketch never is one.
constexpr long long kMaxSide = 32768;

uint32_t Dword(const std::string& bytes, size_t at) {
    uint32_t v = 0;
    std::memcpy(&v, bytes.data() + at, 4);
    return v;
}

uint16_t Word(const std::string& bytes, size_t at) {
    uint16_t v = 0;
    std::memcpy(&v, bytes.data() + at, 2);
    return v;
}

bool Refuse(std::string* error, const std::string& reason) {
    if (error)
        *error = reason;
    return false;
}

} // namespace

int UnderlayTextureSize(int width, int height) {
    const long long sum = static_cast<long long>(width) + height;
    return sum > 1024 ? 512 : sum > 512 ? 256 : 128;
}

bool CUnderlayImage::Load(const CString& path, std::string* error) {
    m_loaded = 0;
    m_textureReady = 0;
    m_pixels.clear();
    m_texels.clear();
    m_width = m_height = 0;
    if (path.IsEmpty())
        return Refuse(error, "no file was named");
    std::string bytes;
    std::string why;
    if (!qf::ReadWholeFile(path.str(), bytes, &why))
        return Refuse(error, why);
    constexpr size_t kHeaders = 14 + 40;
    if (bytes.size() < kHeaders || bytes[0] != 'B' || bytes[1] != 'M')
        return Refuse(error, "it is not a bitmap file");
    const uint32_t infoSize = Dword(bytes, 14);
    const uint32_t offset = Dword(bytes, 10);
    if (infoSize < 40 || infoSize > bytes.size() - 14)
        return Refuse(error, "its bitmap header is damaged");
    if (Word(bytes, 28) != 24)
        return Refuse(error, "only 24-bit bitmaps can be used");
    if (Dword(bytes, 30) != 0)
        return Refuse(error, "compressed bitmaps cannot be used");
    const long long width = static_cast<int32_t>(Dword(bytes, 18));
    const long long signedHeight = static_cast<int32_t>(Dword(bytes, 22));
    // A negative height stores the top row first.
    const bool topDown = signedHeight < 0;
    const long long height = std::llabs(signedHeight);
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide)
        return Refuse(error, "its picture size is impossible");
    const long long stride = (width * 3 + 3) / 4 * 4;
    if (offset < 14 + infoSize || offset > bytes.size() ||
        static_cast<long long>(bytes.size() - offset) < stride * height)
        return Refuse(error, "the file is shorter than its picture");

    m_width = static_cast<int>(width);
    m_height = static_cast<int>(height);
    m_pixels.assign(static_cast<size_t>(width * height * 4), 0);
    for (long long y = 0; y < height; ++y) {
        const long long sourceRow = topDown ? height - 1 - y : y;
        const char* source = bytes.data() + offset + sourceRow * stride;
        uint8_t* target = m_pixels.data() + y * width * 4;
        for (long long x = 0; x < width; ++x)
            std::memcpy(target + x * 4, source + x * 3, 3);
    }
    m_loaded = 1;
    return true;
}

uint32_t CUnderlayImage::GetPixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height || m_pixels.empty())
        return 0;
    const uint8_t* p = &m_pixels[(static_cast<size_t>(y) * m_width + x) * 4];
    return p[2] | (p[1] << 8) | (static_cast<uint32_t>(p[0]) << 16);
}

void CUnderlayImage::MakeTexture() {
    if (!m_loaded || m_pixels.empty())
        return;
    m_textureReady = 1;
    const int size = UnderlayTextureSize(m_width, m_height);
    m_textureSize = size;
    m_texels.assign(static_cast<size_t>(size) * size * 4, 0);
    for (int j = 0; j < size; ++j)
        for (int i = 0; i < size; ++i) {
            const uint32_t color = GetPixel(static_cast<int>(static_cast<long long>(m_width) * i / size),
                                            static_cast<int>(static_cast<long long>(m_height) * j / size));
            uint8_t* t = &m_texels[(static_cast<size_t>(j) * size + i) * 4];
            t[0] = color & 0xFF;
            t[1] = (color >> 8) & 0xFF;
            t[2] = (color >> 16) & 0xFF;
            t[3] = color == 0xFFFFFF ? 0 : 1;
        }
    m_pixels.clear();
    m_pixels.shrink_to_fit();
}

bool LoadUnderlayPicture(CUnderlayImage& image, const CString& path, std::string* error) {
    if (!image.Load(path, error))
        return false;
    image.MakeTexture();
    return true;
}
