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

// Saves the vertex array state and restores it at the end of the scope, also
// when drawing ends by an exception: arrays left enabled would be read from
// freed memory at the next draw.
class GlClientArrayScope {
public:
    GlClientArrayScope() { glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT); }
    ~GlClientArrayScope() { glPopClientAttrib(); }
    GlClientArrayScope(const GlClientArrayScope&) = delete;
    GlClientArrayScope& operator=(const GlClientArrayScope&) = delete;
};

// Saves the attribute groups given and restores them at the end of the scope.
class GlAttribScope {
public:
    explicit GlAttribScope(GLbitfield groups) { glPushAttrib(groups); }
    ~GlAttribScope() { glPopAttrib(); }
    GlAttribScope(const GlAttribScope&) = delete;
    GlAttribScope& operator=(const GlAttribScope&) = delete;
};
