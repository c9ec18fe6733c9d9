#pragma once
// A place OpenGL draws into: a pane's window in the program, an off-screen
// buffer in tests. Drawing code needs only a current context; this is how the
// code that owns the surface makes it current and shows the result.
class CGlSurface {
public:
    virtual ~CGlSurface() = default;
    virtual bool MakeCurrent() = 0;
    virtual void SwapBuffers() = 0;
    virtual int GetWidth() const = 0;
    virtual int GetHeight() const = 0;
};
