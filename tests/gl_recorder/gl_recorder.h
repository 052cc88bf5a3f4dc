// Stand-in for the GL and GLU entry points the program calls, linked into
// unit tests instead of libGL. It keeps the primitives drawn, each vertex
// placed by the model-view matrix of the moment, both matrix stacks, the last
// arguments of every other call, and the errors GL would raise for misuse (a
// pop at depth 1, a push past 32, calls inside glBegin/glEnd).
#ifndef ROBOT_OXEL_TESTS_GL_RECORDER_H
#define ROBOT_OXEL_TESTS_GL_RECORDER_H

#include <GL/gl.h>

#include <array>
#include <deque>
#include <map>
#include <string>
#include <vector>

typedef std::array<double, 3> GlPoint;
typedef std::array<double, 16> GlMatrix; // column-major, as GL keeps it

struct GlPrimitive {
    GLenum mode;
    std::vector<GlPoint> vertices; // each times the model-view matrix of its moment
};

struct GlRecorder {
    std::vector<GlPrimitive> primitives;                          // one per glBegin/glEnd pair
    std::vector<GlMatrix> stack[2];                               // model-view, projection
    std::map<std::string, std::vector<double>> last;              // "glOrtho": its last arguments
    std::map<std::string, int> count;                             // calls of each entry point
    std::deque<GLenum> errors;                                    // pending, oldest first
    std::map<GLenum, std::string> strings, gluStrings, gluErrors; // answers; NULL if absent
    GLenum matrixMode;
    bool inPrimitive;
};

// The one recorder; ResetGl leaves identity matrices at depth 1 and nothing else.
GlRecorder& Gl();
void ResetGl();

#endif
