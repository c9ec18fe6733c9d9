#pragma once
// RGB pictures for drawing tests: PNG in and out, and a tolerant comparison
// that leaves a difference picture behind for a person to look at.
#include <cstdint>
#include <string>
#include <vector>

namespace qf::test {

struct Image {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb; // top row first, 3 bytes a pixel

    uint32_t At(int x, int y) const; // 0xRRGGBB
    bool Empty() const { return width <= 0 || height <= 0; }
};

bool SavePng(const std::string& path, const Image& image);
bool LoadPng(const std::string& path, Image& image);

struct ImageDiff {
    bool sizeMatches = false;
    int differing = 0;  // pixels whose channels differ by more than the tolerance
    double share = 1.0; // differing / all pixels
};

// Compares channel by channel; writes a difference picture (differing pixels
// red over a dimmed copy of expected) to diffPath when anything differs.
ImageDiff CompareImages(const Image& actual, const Image& expected, int tolerance,
                        const std::string& diffPath);

// Counts pixels that differ from the colour 0xRRGGBB by more than tolerance per channel.
int CountPixelsNot(const Image& image, uint32_t rgb, int tolerance = 0);

} // namespace qf::test
