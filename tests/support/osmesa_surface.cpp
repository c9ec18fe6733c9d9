#include "support/osmesa_surface.h"

#include <GL/gl.h>
#include <GL/osmesa.h>

namespace qf::test {

struct OsMesaSurface::Context {
    OSMesaContext handle;
};

OsMesaSurface::OsMesaSurface(int width, int height)
    : m_buffer(new unsigned char[static_cast<size_t>(width) * height * 4]), m_width(width), m_height(height) {
    const int attribs[] = {OSMESA_FORMAT,
                           OSMESA_RGBA,
                           OSMESA_DEPTH_BITS,
                           24,
                           OSMESA_STENCIL_BITS,
                           8,
                           OSMESA_ACCUM_BITS,
                           16,
                           OSMESA_PROFILE,
                           OSMESA_COMPAT_PROFILE,
                           0};
    OSMesaContext ctx = OSMesaCreateContextAttribs(attribs, nullptr);
    if (ctx)
        m_context = new Context{ctx};
    if (m_context)
        MakeCurrent();
}

OsMesaSurface::~OsMesaSurface() {
    if (m_context) {
        OSMesaDestroyContext(m_context->handle);
        delete m_context;
    }
}

bool OsMesaSurface::MakeCurrent() {
    if (!m_context)
        return false;
    if (!OSMesaMakeCurrent(m_context->handle, m_buffer.get(), GL_UNSIGNED_BYTE, m_width, m_height))
        return false;
    OSMesaPixelStore(OSMESA_Y_UP, 1);
    return true;
}

void OsMesaSurface::SwapBuffers() {
    glFinish();
}

Image OsMesaSurface::ReadPixels() const {
    glFinish();
    Image image;
    image.width = m_width;
    image.height = m_height;
    image.rgb.resize(static_cast<size_t>(m_width) * m_height * 3);
    // The buffer holds the bottom row first; pictures are top row first.
    for (int y = 0; y < m_height; ++y) {
        const unsigned char* src = &m_buffer[static_cast<size_t>(m_height - 1 - y) * m_width * 4];
        unsigned char* dst = &image.rgb[static_cast<size_t>(y) * m_width * 3];
        for (int x = 0; x < m_width; ++x) {
            dst[x * 3 + 0] = src[x * 4 + 0];
            dst[x * 3 + 1] = src[x * 4 + 1];
            dst[x * 3 + 2] = src[x * 4 + 2];
        }
    }
    return image;
}

} // namespace qf::test
