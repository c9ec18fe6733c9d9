#pragma once
// An off-screen pane of the benchmarks: an OSMesa context (24 depth and 8
// stencil bits, as the tests have) drawing into memory of its own.
#include "platform/base/gl_surface.h"

#include <GL/gl.h>
#include <GL/osmesa.h>
#include <vector>

class BenchPaneSurface : public CGlSurface {
public:
    static constexpr int kWidth = 512;
    static constexpr int kHeight = 384;

    BenchPaneSurface() : m_pixels(static_cast<size_t>(kWidth) * kHeight * 4) {
        m_context = OSMesaCreateContextExt(OSMESA_RGBA, 24, 8, 0, nullptr);
    }
    ~BenchPaneSurface() override { OSMesaDestroyContext(m_context); }
    BenchPaneSurface(const BenchPaneSurface&) = delete;
    BenchPaneSurface& operator=(const BenchPaneSurface&) = delete;

    bool MakeCurrent() override {
        return m_context && OSMesaMakeCurrent(m_context, m_pixels.data(), GL_UNSIGNED_BYTE, kWidth, kHeight);
    }
    void SwapBuffers() override { glFinish(); }
    int GetWidth() const override { return kWidth; }
    int GetHeight() const override { return kHeight; }

private:
    OSMesaContext m_context = nullptr;
    std::vector<unsigned char> m_pixels;
};
