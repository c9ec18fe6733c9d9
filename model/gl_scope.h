#pragma once
// Scope objects for OpenGL state, so no push/pop pair spans an early return.
// They need a current context.
#include <GL/gl.h>

class GlMatrixScope {
public:
    GlMatrixScope() { glPushMatrix(); }
    ~GlMatrixScope() { glPopMatrix(); }
    GlMatrixScope(const GlMatrixScope&) = delete;
    GlMatrixScope& operator=(const GlMatrixScope&) = delete;
};

// Saves the attribute groups given and restores them at the end of the scope.
class GlAttribScope {
public:
    explicit GlAttribScope(GLbitfield groups) { glPushAttrib(groups); }
    ~GlAttribScope() { glPopAttrib(); }
    GlAttribScope(const GlAttribScope&) = delete;
    GlAttribScope& operator=(const GlAttribScope&) = delete;
};
