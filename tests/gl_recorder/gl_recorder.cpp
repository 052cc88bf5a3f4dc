#include "gl_recorder.h"

#include <GL/glu.h>
#include <math.h>

#include <deque>
#include <map>

namespace {

const GlMatrix kIdentity = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
const size_t kMaxStackDepth = 32; // Mesa's depth for both stacks

struct Recorder {
    std::vector<GlCall> calls;
    std::vector<GlPrimitive> primitives;
    bool inPrimitive = false; // between glBegin and glEnd
    std::vector<GlMatrix> modelView{kIdentity};
    std::vector<GlMatrix> projection{kIdentity};
    GLenum matrixMode = GL_MODELVIEW;
    std::map<GLenum, std::string> glStrings, gluStrings, gluErrorStrings;
    std::deque<GLenum> errors;
};

Recorder g_recorder;

// Keeps the call; false if GL would reject it for being inside glBegin/glEnd.
bool Record(const char* name, std::vector<double> args, bool allowedInPrimitive = false)
{
    g_recorder.calls.push_back({name, args});
    if (g_recorder.inPrimitive && !allowedInPrimitive) {
        g_recorder.errors.push_back(GL_INVALID_OPERATION);
        return false;
    }
    return true;
}

std::vector<GlMatrix>& CurrentStack()
{
    return g_recorder.matrixMode == GL_PROJECTION ? g_recorder.projection : g_recorder.modelView;
}

// Right-multiplies the current matrix, as every GL transformation does.
void MultiplyCurrent(const GlMatrix& m)
{
    GlMatrix& top = CurrentStack().back();
    GlMatrix product{};
    for (int col = 0; col < 4; col++)
        for (int row = 0; row < 4; row++)
            for (int k = 0; k < 4; k++)
                product[col * 4 + row] += top[k * 4 + row] * m[col * 4 + k];
    top = product;
}

void Rotate(double degrees, double x, double y, double z)
{
    double length = sqrt(x * x + y * y + z * z);
    x /= length;
    y /= length;
    z /= length;
    double c = cos(degrees * M_PI / 180.0);
    double s = sin(degrees * M_PI / 180.0);
    double t = 1.0 - c;
    MultiplyCurrent({x * x * t + c, y * x * t + z * s, x * z * t - y * s, 0,
                     x * y * t - z * s, y * y * t + c, y * z * t + x * s, 0,
                     x * z * t + y * s, y * z * t - x * s, z * z * t + c, 0,
                     0, 0, 0, 1});
}

void AddVertex(bool is2d, double x, double y, double z)
{
    if (!g_recorder.inPrimitive)
        return;
    const GlMatrix& m = g_recorder.modelView.back();
    GlPoint scene = {m[0] * x + m[4] * y + m[8] * z + m[12],
                     m[1] * x + m[5] * y + m[9] * z + m[13],
                     m[2] * x + m[6] * y + m[10] * z + m[14]};
    g_recorder.primitives.back().vertices.push_back({is2d, {x, y, z}, scene});
}

const GLubyte* Answer(const std::map<GLenum, std::string>& answers, GLenum key)
{
    auto found = answers.find(key);
    return found == answers.end() ? NULL : reinterpret_cast<const GLubyte*>(found->second.c_str());
}

} // namespace

void ResetGlRecorder()
{
    g_recorder = Recorder();
}

const std::vector<GlCall>& GlCalls()
{
    return g_recorder.calls;
}

const std::vector<GlPrimitive>& GlPrimitives()
{
    return g_recorder.primitives;
}

int GlStackDepth(GLenum mode)
{
    return static_cast<int>(mode == GL_PROJECTION ? g_recorder.projection.size() : g_recorder.modelView.size());
}

const GlMatrix& GlTopMatrix(GLenum mode)
{
    return mode == GL_PROJECTION ? g_recorder.projection.back() : g_recorder.modelView.back();
}

void SetGlString(GLenum name, const char* text)
{
    g_recorder.glStrings[name] = text;
}

void SetGluString(GLenum name, const char* text)
{
    g_recorder.gluStrings[name] = text;
}

void SetGluErrorString(GLenum code, const char* text)
{
    g_recorder.gluErrorStrings[code] = text;
}

void QueueGlError(GLenum code)
{
    g_recorder.errors.push_back(code);
}

extern "C" {

GLAPI void GLAPIENTRY glBegin(GLenum mode)
{
    if (Record("glBegin", {double(mode)})) {
        g_recorder.inPrimitive = true;
        g_recorder.primitives.push_back({mode, {}});
    }
}

GLAPI void GLAPIENTRY glEnd(void)
{
    Record("glEnd", {}, true);
    if (!g_recorder.inPrimitive)
        g_recorder.errors.push_back(GL_INVALID_OPERATION);
    g_recorder.inPrimitive = false;
}

GLAPI void GLAPIENTRY glVertex2d(GLdouble x, GLdouble y)
{
    Record("glVertex2d", {x, y}, true);
    AddVertex(true, x, y, 0.0);
}

GLAPI void GLAPIENTRY glVertex3d(GLdouble x, GLdouble y, GLdouble z)
{
    Record("glVertex3d", {x, y, z}, true);
    AddVertex(false, x, y, z);
}

GLAPI void GLAPIENTRY glColor3f(GLfloat red, GLfloat green, GLfloat blue)
{
    Record("glColor3f", {red, green, blue}, true);
}

GLAPI void GLAPIENTRY glMatrixMode(GLenum mode)
{
    if (!Record("glMatrixMode", {double(mode)}))
        return;
    if (mode == GL_MODELVIEW || mode == GL_PROJECTION)
        g_recorder.matrixMode = mode;
    else
        g_recorder.errors.push_back(GL_INVALID_ENUM); // no other stack is followed
}

GLAPI void GLAPIENTRY glPushMatrix(void)
{
    if (!Record("glPushMatrix", {}))
        return;
    std::vector<GlMatrix>& stack = CurrentStack();
    if (stack.size() == kMaxStackDepth)
        g_recorder.errors.push_back(GL_STACK_OVERFLOW);
    else
        stack.push_back(stack.back());
}

GLAPI void GLAPIENTRY glPopMatrix(void)
{
    if (!Record("glPopMatrix", {}))
        return;
    std::vector<GlMatrix>& stack = CurrentStack();
    if (stack.size() == 1)
        g_recorder.errors.push_back(GL_STACK_UNDERFLOW);
    else
        stack.pop_back();
}

GLAPI void GLAPIENTRY glLoadIdentity(void)
{
    if (Record("glLoadIdentity", {}))
        CurrentStack().back() = kIdentity;
}

GLAPI void GLAPIENTRY glRotatef(GLfloat angle, GLfloat x, GLfloat y, GLfloat z)
{
    if (Record("glRotatef", {angle, x, y, z}))
        Rotate(angle, x, y, z);
}

GLAPI void GLAPIENTRY glRotated(GLdouble angle, GLdouble x, GLdouble y, GLdouble z)
{
    if (Record("glRotated", {angle, x, y, z}))
        Rotate(angle, x, y, z);
}

GLAPI void GLAPIENTRY glTranslated(GLdouble x, GLdouble y, GLdouble z)
{
    if (Record("glTranslated", {x, y, z}))
        MultiplyCurrent({1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, x, y, z, 1});
}

GLAPI void GLAPIENTRY glOrtho(GLdouble left, GLdouble right, GLdouble bottom, GLdouble top,
                              GLdouble nearVal, GLdouble farVal)
{
    if (!Record("glOrtho", {left, right, bottom, top, nearVal, farVal}))
        return;
    if (left == right || bottom == top || nearVal == farVal) {
        g_recorder.errors.push_back(GL_INVALID_VALUE);
        return;
    }
    double w = right - left, h = top - bottom, d = farVal - nearVal;
    MultiplyCurrent({2 / w, 0, 0, 0, 0, 2 / h, 0, 0, 0, 0, -2 / d, 0,
                     -(right + left) / w, -(top + bottom) / h, -(farVal + nearVal) / d, 1});
}

GLAPI void GLAPIENTRY glViewport(GLint x, GLint y, GLsizei width, GLsizei height)
{
    Record("glViewport", {double(x), double(y), double(width), double(height)});
}

GLAPI void GLAPIENTRY glClear(GLbitfield mask)
{
    Record("glClear", {double(mask)});
}

GLAPI void GLAPIENTRY glClearColor(GLclampf red, GLclampf green, GLclampf blue, GLclampf alpha)
{
    Record("glClearColor", {red, green, blue, alpha});
}

GLAPI void GLAPIENTRY glEnable(GLenum cap)
{
    Record("glEnable", {double(cap)});
}

GLAPI void GLAPIENTRY glFrontFace(GLenum mode)
{
    Record("glFrontFace", {double(mode)});
}

GLAPI void GLAPIENTRY glPolygonMode(GLenum face, GLenum mode)
{
    Record("glPolygonMode", {double(face), double(mode)});
}

GLAPI void GLAPIENTRY glFlush(void)
{
    Record("glFlush", {});
}

GLAPI const GLubyte* GLAPIENTRY glGetString(GLenum name)
{
    if (!Record("glGetString", {double(name)}))
        return NULL;
    return Answer(g_recorder.glStrings, name);
}

GLAPI GLenum GLAPIENTRY glGetError(void)
{
    if (!Record("glGetError", {}))
        return GL_NO_ERROR;
    if (g_recorder.errors.empty())
        return GL_NO_ERROR;
    GLenum code = g_recorder.errors.front();
    g_recorder.errors.pop_front();
    return code;
}

// GLU answers from the client side, so these two are fine anywhere.
GLAPI const GLubyte* GLAPIENTRY gluGetString(GLenum name)
{
    Record("gluGetString", {double(name)}, true);
    return Answer(g_recorder.gluStrings, name);
}

GLAPI const GLubyte* GLAPIENTRY gluErrorString(GLenum error)
{
    Record("gluErrorString", {double(error)}, true);
    return Answer(g_recorder.gluErrorStrings, error);
}

} // extern "C"
