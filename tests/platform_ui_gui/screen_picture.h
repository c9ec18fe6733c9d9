#pragma once
// Saves what a window shows as a PNG in the test output folder.
#include "platform/ui/screen_image.h"
#include "support/image.h"
#include "support/temp_dir.h"

#include <string>

namespace qf::test {

inline Image ToTestImage(const CPixelImage& picture) {
    Image image;
    image.width = picture.width;
    image.height = picture.height;
    image.rgb = picture.rgb;
    return image;
}

// Returns the path written, or an empty string.
inline std::string SaveScreenPicture(CWnd& wnd, const std::string& name) {
    const std::string path = (OutputDir() / name).string();
    return SavePng(path, ToTestImage(CaptureClientImage(wnd))) ? path : std::string();
}

} // namespace qf::test
