// The fixed-function GL subset the program calls, kept on the CPU in double
// precision and handed to a backend as line segments in clip space. Host-free:
// the browser host draws the segments with WebGL, the unit tests record them.
//
// Implemented: the model-view, projection and texture matrix stacks
// (glMatrixMode, glLoadIdentity, glPushMatrix, glPopMatrix, glOrtho,
// glRotated/f, glTranslated); glBegin/glEnd with glVertex2d/3d for
// GL_TRIANGLE_FAN, GL_QUAD_STRIP and GL_QUADS; glPolygonMode and glFrontFace
// (outlines of the polygons whose face is in GL_LINE mode); glColor3f;
// glClearColor, glClear, glViewport, glEnable/glDisable(GL_DEPTH_TEST),
// glFlush; glGetString (the backend's strings), glGetError with GL's error
// rules, gluGetString and gluErrorString.
// Not implemented: other primitive kinds and capabilities (GL_INVALID_ENUM),
// filled and point polygon modes (such polygons draw nothing), lighting,
// textures, display lists, vertex arrays, queries beyond glGetString.
#ifndef ROBOT_OXEL_WEB_GL_CONTEXT_H
#define ROBOT_OXEL_WEB_GL_CONTEXT_H

#include <GL/gl.h>

#include <stddef.h>

// What a context draws with. Coordinates are clip-space (x, y, z, w).
struct GlBackend {
    virtual ~GlBackend() = default;
    virtual void Clear(GLbitfield mask, const float rgba[4]) = 0;
    virtual void Viewport(int x, int y, int width, int height) = 0;
    // count / 2 segments, 4 doubles per end point, drawn in one colour.
    virtual void DrawLines(const double* xyzw, size_t count, const float rgba[4],
                           bool depthTest) = 0;
    // GL_VENDOR, GL_RENDERER, GL_VERSION or GL_EXTENSIONS of what draws.
    virtual const char* String(GLenum name) = 0;
};

struct GlContext;

GlContext* GlCreateContext(GlBackend* backend);
void GlDeleteContext(GlContext* context);
// Null leaves no context current: GL calls then do nothing.
void GlMakeCurrent(GlContext* context);
// Hands what is drawn so far to the backend, as SwapBuffers needs.
void GlFlushLines();

#endif
