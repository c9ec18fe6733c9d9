#pragma once
// Off-screen OpenGL for `gl` tests: an OSMesa context of a given size with
// 24 depth and 8 stencil bits, whose pixels can be read back.
#include "platform/base/gl_surface.h"
#include "support/image.h"

#include <memory>

namespace qf::test {

class OsMesaSurface : public CGlSurface {
public:
    OsMesaSurface(int width, int height);
    ~OsMesaSurface() override;
    OsMesaSurface(const OsMesaSurface&) = delete;
    OsMesaSurface& operator=(const OsMesaSurface&) = delete;

    bool IsValid() const { return m_context != nullptr; }
    bool MakeCurrent() override;
    void SwapBuffers() override;
    int GetWidth() const override { return m_width; }
    int GetHeight() const override { return m_height; }

    // The colour buffer as a picture, top row first.
    Image ReadPixels() const;

private:
    struct Context;
    Context* m_context = nullptr;
    std::unique_ptr<unsigned char[]> m_buffer;
    int m_width;
    int m_height;
};

} // namespace qf::test
