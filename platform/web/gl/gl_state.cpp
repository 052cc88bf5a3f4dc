// Contexts, errors, matrix stacks, fixed state and the string queries of the
// GL subset; GLU's two queries answer for this implementation.
#include "gl_state.h"

#include <GL/glu.h>
#include <math.h>

#include <algorithm>

namespace {

GlContext* g_current; // the context GL calls act on, or null

const GlMatrix kIdentity = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
// GL's minimum stack depths: model-view, projection, texture.
const size_t kStackDepths[3] = {32, 2, 2};

// m = m x by, as every GL matrix call multiplies the current matrix on the right.
void MultiplyRight(GlMatrix& m, const GlMatrix& by)
{
    GlMatrix product;
    for (int column = 0; column < 4; column++) {
        for (int row = 0; row < 4; row++) {
            double sum = 0.0;
            for (int k = 0; k < 4; k++)
                sum += m[k * 4 + row] * by[column * 4 + k];
            product[column * 4 + row] = sum;
        }
    }
    m = product;
}

// The current matrix times m, outside glBegin/glEnd.
void MultiplyCurrent(const GlMatrix& m)
{
    if (GlContext* gl = OutsideBegin())
        MultiplyRight(TopMatrix(gl, gl->matrixMode), m);
}

} // namespace

GlContext* GlCreateContext(GlBackend* backend)
{
    auto* gl = new GlContext();
    gl->backend = backend;
    for (int i = 0; i < 3; i++)
        gl->stacks[i] = {{kIdentity}, kStackDepths[i]};
    gl->color[0] = gl->color[1] = gl->color[2] = gl->color[3] = 1.0f;
    gl->frontFace = GL_CCW;
    gl->polygonMode[0] = gl->polygonMode[1] = GL_FILL;
    return gl;
}

void GlDeleteContext(GlContext* context)
{
    if (g_current == context)
        g_current = nullptr;
    delete context;
}

// NOTE: as with any GL, switching contexts draws what the old one has pending.
void GlMakeCurrent(GlContext* context)
{
    if (g_current && g_current != context)
        FlushLines(g_current);
    g_current = context;
}

void GlFlushLines()
{
    if (g_current)
        FlushLines(g_current);
}

GlContext* Current()
{
    return g_current;
}

void RecordError(GlContext* gl, GLenum code)
{
    if (std::find(gl->errors.begin(), gl->errors.end(), code) == gl->errors.end())
        gl->errors.push_back(code);
}

GlContext* OutsideBegin()
{
    GlContext* gl = g_current;
    if (gl && gl->inBegin) {
        RecordError(gl, GL_INVALID_OPERATION);
        return nullptr;
    }
    return gl;
}

GlMatrix& TopMatrix(GlContext* gl, int stack)
{
    return gl->stacks[stack].matrices.back();
}

void GLAPIENTRY glMatrixMode(GLenum mode)
{
    const GLenum kModes[3] = {GL_MODELVIEW, GL_PROJECTION, GL_TEXTURE}; // the stacks' order
    GlContext* gl = OutsideBegin();
    if (!gl)
        return;
    const GLenum* found = std::find(kModes, kModes + 3, mode);
    if (found == kModes + 3)
        RecordError(gl, GL_INVALID_ENUM);
    else
        gl->matrixMode = static_cast<int>(found - kModes);
}

void GLAPIENTRY glLoadIdentity()
{
    if (GlContext* gl = OutsideBegin())
        TopMatrix(gl, gl->matrixMode) = kIdentity;
}

void GLAPIENTRY glPushMatrix()
{
    GlContext* gl = OutsideBegin();
    if (!gl)
        return;
    GlMatrixStack& stack = gl->stacks[gl->matrixMode];
    if (stack.matrices.size() == stack.maxDepth)
        RecordError(gl, GL_STACK_OVERFLOW);
    else
        stack.matrices.push_back(stack.matrices.back());
}

void GLAPIENTRY glPopMatrix()
{
    GlContext* gl = OutsideBegin();
    if (!gl)
        return;
    GlMatrixStack& stack = gl->stacks[gl->matrixMode];
    if (stack.matrices.size() == 1)
        RecordError(gl, GL_STACK_UNDERFLOW);
    else
        stack.matrices.pop_back();
}

void GLAPIENTRY glOrtho(GLdouble left, GLdouble right, GLdouble bottom, GLdouble top,
                        GLdouble zNear, GLdouble zFar)
{
    if (left == right || bottom == top || zNear == zFar) {
        if (GlContext* gl = OutsideBegin())
            RecordError(gl, GL_INVALID_VALUE);
        return;
    }
    GlMatrix m = kIdentity;
    m[0] = 2.0 / (right - left);
    m[5] = 2.0 / (top - bottom);
    m[10] = -2.0 / (zFar - zNear);
    m[12] = -(right + left) / (right - left);
    m[13] = -(top + bottom) / (top - bottom);
    m[14] = -(zFar + zNear) / (zFar - zNear);
    MultiplyCurrent(m);
}

// A zero axis leaves the matrix as it is, as Mesa does.
void GLAPIENTRY glRotated(GLdouble angle, GLdouble x, GLdouble y, GLdouble z)
{
    double length = sqrt(x * x + y * y + z * z);
    if (length == 0.0) {
        OutsideBegin();
        return;
    }
    x /= length;
    y /= length;
    z /= length;
    double radians = angle * M_PI / 180.0;
    double c = cos(radians);
    double s = sin(radians);
    double t = 1.0 - c;
    GlMatrix m = kIdentity;
    m[0] = x * x * t + c;
    m[1] = y * x * t + z * s;
    m[2] = x * z * t - y * s;
    m[4] = x * y * t - z * s;
    m[5] = y * y * t + c;
    m[6] = y * z * t + x * s;
    m[8] = x * z * t + y * s;
    m[9] = y * z * t - x * s;
    m[10] = z * z * t + c;
    MultiplyCurrent(m);
}

void GLAPIENTRY glRotatef(GLfloat angle, GLfloat x, GLfloat y, GLfloat z)
{
    glRotated(angle, x, y, z);
}

void GLAPIENTRY glTranslated(GLdouble x, GLdouble y, GLdouble z)
{
    GlMatrix m = kIdentity;
    m[12] = x;
    m[13] = y;
    m[14] = z;
    MultiplyCurrent(m);
}

void GLAPIENTRY glClearColor(GLclampf red, GLclampf green, GLclampf blue, GLclampf alpha)
{
    if (GlContext* gl = OutsideBegin()) {
        const float rgba[4] = {red, green, blue, alpha};
        for (int i = 0; i < 4; i++)
            gl->clearColor[i] = std::clamp(rgba[i], 0.0f, 1.0f);
    }
}

void GLAPIENTRY glClear(GLbitfield mask)
{
    const GLbitfield known =
        GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT | GL_ACCUM_BUFFER_BIT;
    GlContext* gl = OutsideBegin();
    if (!gl)
        return;
    if (mask & ~known) {
        RecordError(gl, GL_INVALID_VALUE);
        return;
    }
    FlushLines(gl);
    gl->backend->Clear(mask, gl->clearColor);
}

// Allowed between glBegin and glEnd. A primitive is drawn in the colour current at its glEnd.
void GLAPIENTRY glColor3f(GLfloat red, GLfloat green, GLfloat blue)
{
    GlContext* gl = Current();
    if (!gl)
        return;
    if (!gl->inBegin)
        FlushLines(gl);
    gl->color[0] = std::clamp(red, 0.0f, 1.0f);
    gl->color[1] = std::clamp(green, 0.0f, 1.0f);
    gl->color[2] = std::clamp(blue, 0.0f, 1.0f);
    gl->color[3] = 1.0f;
}

void GLAPIENTRY glViewport(GLint x, GLint y, GLsizei width, GLsizei height)
{
    GlContext* gl = OutsideBegin();
    if (!gl)
        return;
    if (width < 0 || height < 0) {
        RecordError(gl, GL_INVALID_VALUE);
        return;
    }
    FlushLines(gl);
    gl->backend->Viewport(x, y, width, height);
}

namespace {

void SetCapability(GLenum cap, bool on)
{
    GlContext* gl = OutsideBegin();
    if (!gl)
        return;
    if (cap != GL_DEPTH_TEST) {
        RecordError(gl, GL_INVALID_ENUM);
        return;
    }
    FlushLines(gl);
    gl->depthTest = on;
}

} // namespace

void GLAPIENTRY glEnable(GLenum cap)
{
    SetCapability(cap, true);
}

void GLAPIENTRY glDisable(GLenum cap)
{
    SetCapability(cap, false);
}

void GLAPIENTRY glFrontFace(GLenum mode)
{
    GlContext* gl = OutsideBegin();
    if (!gl)
        return;
    if (mode == GL_CW || mode == GL_CCW)
        gl->frontFace = mode;
    else
        RecordError(gl, GL_INVALID_ENUM);
}

void GLAPIENTRY glPolygonMode(GLenum face, GLenum mode)
{
    GlContext* gl = OutsideBegin();
    if (!gl)
        return;
    bool faceKnown = face == GL_FRONT || face == GL_BACK || face == GL_FRONT_AND_BACK;
    if (!faceKnown || (mode != GL_POINT && mode != GL_LINE && mode != GL_FILL)) {
        RecordError(gl, GL_INVALID_ENUM);
        return;
    }
    if (face != GL_BACK)
        gl->polygonMode[0] = mode;
    if (face != GL_FRONT)
        gl->polygonMode[1] = mode;
}

void GLAPIENTRY glFlush()
{
    if (GlContext* gl = OutsideBegin())
        FlushLines(gl);
}

GLenum GLAPIENTRY glGetError()
{
    GlContext* gl = OutsideBegin();
    if (!gl || gl->errors.empty())
        return GL_NO_ERROR;
    GLenum code = gl->errors.front();
    gl->errors.erase(gl->errors.begin());
    return code;
}

const GLubyte* GLAPIENTRY glGetString(GLenum name)
{
    GlContext* gl = OutsideBegin();
    if (!gl)
        return nullptr;
    if (name < GL_VENDOR || name > GL_EXTENSIONS) {
        RecordError(gl, GL_INVALID_ENUM);
        return nullptr;
    }
    // A backend that cannot answer (a lost context) gives null, as GL does on an error.
    const char* answer = gl->backend->String(name);
    if (!answer)
        return nullptr;
    std::string& kept = gl->strings[name - GL_VENDOR];
    kept = answer;
    return reinterpret_cast<const GLubyte*>(kept.c_str());
}

// This GLU is the two queries above: it claims GLU 1.3 and no extensions.
const GLubyte* GLAPIENTRY gluGetString(GLenum name)
{
    const char* text = name == GLU_VERSION      ? "1.3 Robot Oxel"
                       : name == GLU_EXTENSIONS ? ""
                                                : nullptr;
    return reinterpret_cast<const GLubyte*>(text);
}

// The texts of SGI's GLU, which Mesa's and Microsoft's share.
const GLubyte* GLAPIENTRY gluErrorString(GLenum code)
{
    static const std::pair<GLenum, const char*> kTexts[] = {
        {GL_NO_ERROR, "no error"},
        {GL_INVALID_ENUM, "invalid enumerant"},
        {GL_INVALID_VALUE, "invalid value"},
        {GL_INVALID_OPERATION, "invalid operation"},
        {GL_STACK_OVERFLOW, "stack overflow"},
        {GL_STACK_UNDERFLOW, "stack underflow"},
        {GL_OUT_OF_MEMORY, "out of memory"},
    };
    for (auto [known, text] : kTexts) {
        if (known == code)
            return reinterpret_cast<const GLubyte*>(text);
    }
    return nullptr;
}
