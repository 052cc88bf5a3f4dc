#include "gl_recorder.h"

#include <GL/glu.h>
#include <math.h>

namespace {

const GlMatrix kIdentity = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

GlRecorder g_gl;

// Keeps the call; false, with GL's error, when it is not allowed inside glBegin/glEnd.
bool Call(const char* name, std::vector<double> args = {}, bool inPrimitive = false)
{
    g_gl.count[name]++;
    g_gl.last[name] = args;
    if (g_gl.inPrimitive && !inPrimitive) {
        g_gl.errors.push_back(GL_INVALID_OPERATION);
        return false;
    }
    return true;
}

std::vector<GlMatrix>& Stack()
{
    return g_gl.stack[g_gl.matrixMode == GL_PROJECTION];
}

// Right-multiplies the current matrix, as every GL transformation does.
void Multiply(const char* name, std::vector<double> args, const GlMatrix& m)
{
    if (!Call(name, args))
        return;
    GlMatrix& top = Stack().back();
    GlMatrix product{};
    for (int col = 0; col < 4; col++)
        for (int row = 0; row < 4; row++)
            for (int k = 0; k < 4; k++)
                product[col * 4 + row] += top[k * 4 + row] * m[col * 4 + k];
    top = product;
}

void Rotate(const char* name, double degrees, double x, double y, double z)
{
    double n = sqrt(x * x + y * y + z * z), a = degrees * M_PI / 180, c = cos(a), s = sin(a);
    double t = 1 - c, u = x / n, v = y / n, w = z / n;
    Multiply(name, {degrees, x, y, z},
             {u * u * t + c, v * u * t + w * s, u * w * t - v * s, 0, u * v * t - w * s,
              v * v * t + c, v * w * t + u * s, 0, u * w * t + v * s, v * w * t - u * s,
              w * w * t + c, 0, 0, 0, 0, 1});
}

void Vertex(const char* name, double x, double y, double z)
{
    const GlMatrix& m = g_gl.stack[0].back();
    if (Call(name, {x, y, z}, true) && g_gl.inPrimitive)
        g_gl.primitives.back().vertices.push_back({m[0] * x + m[4] * y + m[8] * z + m[12],
                                                   m[1] * x + m[5] * y + m[9] * z + m[13],
                                                   m[2] * x + m[6] * y + m[10] * z + m[14]});
}

void Stacked(const char* name, bool push)
{
    if (!Call(name))
        return;
    if (push ? Stack().size() >= 32 : Stack().size() <= 1)
        g_gl.errors.push_back(push ? GL_STACK_OVERFLOW : GL_STACK_UNDERFLOW);
    else if (push)
        Stack().push_back(Stack().back());
    else
        Stack().pop_back();
}

const GLubyte* Answer(const std::map<GLenum, std::string>& answers, GLenum name)
{
    auto found = answers.find(name);
    return found == answers.end() ? nullptr
                                  : reinterpret_cast<const GLubyte*>(found->second.c_str());
}

} // namespace

GlRecorder& Gl()
{
    return g_gl;
}

void ResetGl()
{
    g_gl = GlRecorder();
    g_gl.stack[0].assign(1, kIdentity);
    g_gl.stack[1].assign(1, kIdentity);
    g_gl.matrixMode = GL_MODELVIEW;
}

// One line an entry point:
// clang-format off
extern "C" {
void APIENTRY glBegin(GLenum mode) { if (Call("glBegin", {double(mode)})) g_gl.primitives.push_back({mode, {}}); g_gl.inPrimitive = true; }
void APIENTRY glEnd() { if (!g_gl.inPrimitive) g_gl.errors.push_back(GL_INVALID_OPERATION); g_gl.inPrimitive = false; Call("glEnd"); }
void APIENTRY glVertex2d(GLdouble x, GLdouble y) { Vertex("glVertex2d", x, y, 0); }
void APIENTRY glVertex3d(GLdouble x, GLdouble y, GLdouble z) { Vertex("glVertex3d", x, y, z); }
void APIENTRY glTranslated(GLdouble x, GLdouble y, GLdouble z) { Multiply("glTranslated", {x, y, z}, {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, x, y, z, 1}); }
void APIENTRY glRotated(GLdouble a, GLdouble x, GLdouble y, GLdouble z) { Rotate("glRotated", a, x, y, z); }
void APIENTRY glRotatef(GLfloat a, GLfloat x, GLfloat y, GLfloat z) { Rotate("glRotatef", a, x, y, z); }
void APIENTRY glOrtho(GLdouble l, GLdouble r, GLdouble b, GLdouble t, GLdouble n, GLdouble f) { Multiply("glOrtho", {l, r, b, t, n, f}, {2 / (r - l), 0, 0, 0, 0, 2 / (t - b), 0, 0, 0, 0, -2 / (f - n), 0, -(r + l) / (r - l), -(t + b) / (t - b), -(f + n) / (f - n), 1}); }
void APIENTRY glPushMatrix() { Stacked("glPushMatrix", true); }
void APIENTRY glPopMatrix() { Stacked("glPopMatrix", false); }
void APIENTRY glMatrixMode(GLenum mode) { if (Call("glMatrixMode", {double(mode)})) g_gl.matrixMode = mode; }
void APIENTRY glLoadIdentity() { if (Call("glLoadIdentity")) Stack().back() = kIdentity; }
void APIENTRY glViewport(GLint x, GLint y, GLsizei w, GLsizei h) { Call("glViewport", {double(x), double(y), double(w), double(h)}); }
void APIENTRY glClear(GLbitfield mask) { Call("glClear", {double(mask)}); }
void APIENTRY glFlush() { Call("glFlush"); }
void APIENTRY glEnable(GLenum cap) { Call("glEnable", {double(cap)}); }
void APIENTRY glFrontFace(GLenum mode) { Call("glFrontFace", {double(mode)}); }
void APIENTRY glPolygonMode(GLenum face, GLenum mode) { Call("glPolygonMode", {double(face), double(mode)}); }
void APIENTRY glClearColor(GLfloat r, GLfloat g, GLfloat b, GLfloat a) { Call("glClearColor", {r, g, b, a}); }
void APIENTRY glColor3f(GLfloat r, GLfloat g, GLfloat b) { Call("glColor3f", {r, g, b}, true); }
const GLubyte* APIENTRY glGetString(GLenum name) { return Call("glGetString") ? Answer(g_gl.strings, name) : nullptr; }
GLenum APIENTRY glGetError() { GLenum e = g_gl.errors.empty() ? GL_NO_ERROR : g_gl.errors.front(); if (Call("glGetError") && e) g_gl.errors.pop_front(); return e; }
const GLubyte* APIENTRY gluGetString(GLenum name) { return Answer(g_gl.gluStrings, name); }
const GLubyte* APIENTRY gluErrorString(GLenum code) { return Answer(g_gl.gluErrors, code); }
}
// clang-format on
