#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "viewport/gl_pane.h"

#include <GL/gl.h>
#include <cstring>

CPixelImage CGLPane::ReadPicture() {
    CPixelImage image;
    CQuelDoc* doc = GetDoc();
    if (!doc || !MakeCurrent())
        return image;
    const int width = GetWidth();
    const int height = GetHeight();
    if (width <= 0 || height <= 0)
        return image;
    // The same paint the screen shows, kept in the back buffer and not swapped.
    CPaneScene(*doc, m_paneIndex, m_camera, &m_handleState).Paint();
    glFinish();
    std::vector<std::uint8_t> rows(static_cast<size_t>(width) * height * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, rows.data());
    image.width = width;
    image.height = height;
    image.rgb.resize(rows.size());
    const size_t stride = static_cast<size_t>(width) * 3;
    for (int y = 0; y < height; ++y)
        std::memcpy(&image.rgb[static_cast<size_t>(y) * stride],
                    &rows[static_cast<size_t>(height - 1 - y) * stride], stride);
    return image;
}
