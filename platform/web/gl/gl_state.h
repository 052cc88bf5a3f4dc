// The state of one GL context, shared by the files of the GL subset.
#ifndef ROBOT_OXEL_WEB_GL_STATE_H
#define ROBOT_OXEL_WEB_GL_STATE_H

#include "gl_context.h"

#include <array>
#include <string>
#include <vector>

typedef std::array<double, 16> GlMatrix; // column-major, as GL keeps it

struct GlMatrixStack {
    std::vector<GlMatrix> matrices; // bottom first; never empty
    size_t maxDepth;
};

struct GlVertex {
    double clip[4]; // projection x model-view x vertex, at the glVertex call
};

struct GlContext {
    GlBackend* backend;
    GlMatrixStack stacks[3]; // model-view, projection, texture
    int matrixMode;          // index into stacks
    float clearColor[4];     // clamped to 0..1
    float color[4];          // current colour
    bool depthTest;
    GLenum frontFace;               // GL_CCW or GL_CW
    GLenum polygonMode[2];          // front, back
    bool inBegin;                   // between glBegin and glEnd
    GLenum primitive;               // mode of the open glBegin
    std::vector<GlVertex> vertices; // of the open glBegin
    std::vector<double> lines;      // segments not yet drawn, 8 doubles each
    std::vector<GLenum> errors;     // pending codes, each at most once, oldest first
    std::string strings[4];         // glGetString answers, kept for their pointers
};

// The current context, or null.
GlContext* Current();
// Records code unless it is already pending.
void RecordError(GlContext* gl, GLenum code);
// The current context if the call may be made now; records
// GL_INVALID_OPERATION between glBegin and glEnd, as GL does.
GlContext* OutsideBegin();
GlMatrix& TopMatrix(GlContext* gl, int stack);
// Hands the pending segments to the backend; before any change to how they are drawn.
void FlushLines(GlContext* gl);

#endif
