#include "support/image.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <png.h>

namespace qf::test {

uint32_t Image::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height)
        return 0;
    const uint8_t* p = &rgb[(static_cast<size_t>(y) * width + x) * 3];
    return (uint32_t(p[0]) << 16) | (uint32_t(p[1]) << 8) | p[2];
}

namespace {
struct FileCloser {
    void operator()(FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<FILE, FileCloser>;
} // namespace

bool SavePng(const std::string& path, const Image& image) {
    if (image.Empty())
        return false;
    File f(std::fopen(path.c_str(), "wb"));
    if (!f)
        return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return false;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, f.get());
    png_set_IHDR(png, info, image.width, image.height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < image.height; ++y)
        png_write_row(png, &image.rgb[static_cast<size_t>(y) * image.width * 3]);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

bool LoadPng(const std::string& path, Image& image) {
    png_image img{};
    img.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&img, path.c_str()))
        return false;
    img.format = PNG_FORMAT_RGB;
    Image out;
    out.width = static_cast<int>(img.width);
    out.height = static_cast<int>(img.height);
    out.rgb.resize(PNG_IMAGE_SIZE(img));
    if (!png_image_finish_read(&img, nullptr, out.rgb.data(), 0, nullptr)) {
        png_image_free(&img);
        return false;
    }
    image = std::move(out);
    return true;
}

ImageDiff CompareImages(const Image& actual, const Image& expected, int tolerance,
                        const std::string& diffPath) {
    ImageDiff diff;
    if (actual.width != expected.width || actual.height != expected.height)
        return diff;
    diff.sizeMatches = true;
    Image picture = expected;
    const size_t pixels = static_cast<size_t>(actual.width) * actual.height;
    for (size_t i = 0; i < pixels; ++i) {
        const uint8_t* a = &actual.rgb[i * 3];
        const uint8_t* e = &expected.rgb[i * 3];
        bool differs = false;
        for (int c = 0; c < 3; ++c)
            if (std::abs(int(a[c]) - int(e[c])) > tolerance)
                differs = true;
        uint8_t* d = &picture.rgb[i * 3];
        if (differs) {
            ++diff.differing;
            d[0] = 255, d[1] = 0, d[2] = 0;
        } else {
            for (int c = 0; c < 3; ++c)
                d[c] = static_cast<uint8_t>(d[c] / 3);
        }
    }
    diff.share = pixels ? double(diff.differing) / double(pixels) : 0.0;
    if (diff.differing && !diffPath.empty())
        SavePng(diffPath, picture);
    return diff;
}

int CountPixelsNot(const Image& image, uint32_t rgb, int tolerance) {
    int count = 0;
    const int want[3] = {int(rgb >> 16) & 255, int(rgb >> 8) & 255, int(rgb) & 255};
    const size_t pixels = static_cast<size_t>(image.width) * image.height;
    for (size_t i = 0; i < pixels; ++i)
        for (int c = 0; c < 3; ++c)
            if (std::abs(int(image.rgb[i * 3 + c]) - want[c]) > tolerance) {
                ++count;
                break;
            }
    return count;
}

} // namespace qf::test
