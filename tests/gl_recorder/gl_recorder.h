// Recording stand-in for the GL and GLU entry points the program calls,
// linked into unit tests instead of libGL. Every call is kept with its
// arguments, in order; the model-view and projection stacks are followed
// as GL would, so a test can tell where each vertex lands in the scene.
// Misuse that GL reports (a pop at depth 1, nested or unmatched
// glBegin/glEnd, other calls between them) queues the same error code.
#ifndef ROBOT_OXEL_TESTS_GL_RECORDER_H
#define ROBOT_OXEL_TESTS_GL_RECORDER_H

#include <GL/gl.h>

#include <array>
#include <string>
#include <vector>

struct GlPoint {
    double x, y, z;
};

struct GlCall {
    std::string name;         // entry point, e.g. "glVertex3d"
    std::vector<double> args; // arguments in order, widened to double
    bool operator==(const GlCall& other) const { return name == other.name && args == other.args; }
};

struct GlVertex {
    bool is2d;     // given by glVertex2d
    GlPoint local; // as given, z = 0 for glVertex2d
    GlPoint scene; // times the model-view matrix current at the call
};

struct GlPrimitive {
    GLenum mode;
    std::vector<GlVertex> vertices;
};

typedef std::array<double, 16> GlMatrix; // column-major, as GL keeps it

// Forgets all calls, answers and errors; both stacks back to one identity matrix.
void ResetGlRecorder();

const std::vector<GlCall>& GlCalls();
const std::vector<GlPrimitive>& GlPrimitives(); // one per glBegin/glEnd pair
int GlStackDepth(GLenum mode);                  // GL_MODELVIEW or GL_PROJECTION
const GlMatrix& GlTopMatrix(GLenum mode);

// Answers of the queries; NULL for any name or code not set.
void SetGlString(GLenum name, const char* text);
void SetGluString(GLenum name, const char* text);
void SetGluErrorString(GLenum code, const char* text);
// Pending error codes, returned by glGetError oldest first, then GL_NO_ERROR.
void QueueGlError(GLenum code);

#endif
