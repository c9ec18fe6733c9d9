// The off-screen GL used by drawing tests must route GLU through OSMesa too.
#include "support/gl_fixture.h"

#include <GL/gl.h>
#include <GL/glu.h>

using GlFixtureGlTest = qf::test::GlFixture;

TEST_F(GlFixtureGlTest, ClearsAndDrawsThroughGlu) {
    MakeSurface(32, 24);
    glClearColor(0, 0, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluOrtho2D(0, 32, 0, 24);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glColor3f(1, 0, 0);
    glBegin(GL_QUADS);
    glVertex2f(0, 0);
    glVertex2f(8, 0);
    glVertex2f(8, 8);
    glVertex2f(0, 8);
    glEnd();
    qf::test::Image image = Pixels();
    EXPECT_EQ(image.At(2, 21), 0xFF0000u) << "bottom-left corner is red (picture rows run top first)";
    EXPECT_EQ(image.At(20, 5), 0x0000FFu);
    EXPECT_EQ(qf::test::CountPixelsNot(image, 0x0000FF), 64);
    GLint depth = 0;
    glGetIntegerv(GL_DEPTH_BITS, &depth);
    EXPECT_GE(depth, 24);
}
