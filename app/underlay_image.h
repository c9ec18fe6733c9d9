#pragma once
// One underlay (sketch) image of a pane: a 24-bit Windows bitmap turned into
// a square texture, where it lies and how large it is. The document keeps
// four, one per pane, beside their file names; undo records keep only the
// offset and scale.
//
// Load reads the whole file and checks every size in its headers against the
// file before reading pixels: a short, damaged or unsupported file is refused
// with the reason, and the image then holds nothing (nothing is drawn until a
// later load succeeds). MakeTexture resamples a loaded picture into a square
// RGBA texture of 128, 256 or 512 texels and drops the picture.
#include "model/vector3.h"
#include "platform/base/cstring.h"

#include <cstdint>
#include <string>
#include <vector>

class CUnderlayImage {
public:
    CUnderlayImage() = default;
    CUnderlayImage(const CUnderlayImage&) = default;
    CUnderlayImage& operator=(const CUnderlayImage&) = default;
    // Moving cannot fail: a picture loaded apart replaces the document's whole.
    CUnderlayImage(CUnderlayImage&&) noexcept = default;
    CUnderlayImage& operator=(CUnderlayImage&&) noexcept = default;
    virtual ~CUnderlayImage() = default;

    // A new document's underlay: no picture, no offset, unit scale.
    void Reset() { *this = CUnderlayImage(); }

    // False, with the reason in error, when the path is empty, the file cannot
    // be read or is not an uncompressed 24-bit bitmap whose sizes fit the file.
    bool Load(const CString& path, std::string* error = nullptr);
    // Only after a successful Load.
    void MakeTexture();

    int GetWidth() const { return m_width; }
    int GetHeight() const { return m_height; }
    int GetTextureSize() const { return m_textureSize; }
    int IsTextureReady() const { return m_textureReady; }
    // The loaded pixel, row 0 at the bottom, as 0x00BBGGRR; 0 outside the picture.
    uint32_t GetPixel(int x, int y) const;
    // size x size texels of red, green, blue and alpha, row 0 at the bottom.
    const std::vector<uint8_t>& GetTexels() const { return m_texels; }

    CVector3 m_offset;
    CVector3 m_scale{1.0f, 1.0f, 1.0f};
    int m_loaded = 0;
    int m_textureReady = 0;

private:
    // Blue, green, red and one unused byte per pixel, bottom row first.
    std::vector<uint8_t> m_pixels;
    std::vector<uint8_t> m_texels;
    int m_width = 0;
    int m_height = 0;
    int m_textureSize = 128;
};

// The texture size for a picture: 128, 256 when width + height > 512, 512
// when it exceeds 1024.
int UnderlayTextureSize(int width, int height);

// Load and MakeTexture for the picture at path: true when the texture is
// ready; else the image is empty and error says why.
bool LoadUnderlayPicture(CUnderlayImage& image, const CString& path, std::string* error = nullptr);
