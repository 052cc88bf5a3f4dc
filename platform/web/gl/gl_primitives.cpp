// Immediate mode: vertices between glBegin and glEnd are taken to clip space
// by the matrices current at each glVertex; glEnd splits the primitive into
// its polygons, and each polygon whose face is in GL_LINE mode adds its
// edges to the segments drawn at the next flush.
#include "gl_state.h"

namespace {

// Counter-clockwise in window coordinates (the viewport keeps the sense of NDC) is positive.
double SignedArea(const GlContext* gl, const int* corners, int count)
{
    double area = 0.0;
    for (int i = 0; i < count; i++) {
        const double* a = gl->vertices[corners[i]].clip;
        const double* b = gl->vertices[corners[(i + 1) % count]].clip;
        area += (a[0] / a[3]) * (b[1] / b[3]) - (b[0] / b[3]) * (a[1] / a[3]);
    }
    return area;
}

// NOTE: every edge of every polygon is drawn, shared ones twice, as GL's line mode does.
void AddPolygon(GlContext* gl, const int* corners, int count)
{
    double area = SignedArea(gl, corners, count);
    bool front = gl->frontFace == GL_CCW ? area > 0.0 : area < 0.0;
    if (gl->polygonMode[front ? 0 : 1] != GL_LINE)
        return;
    for (int i = 0; i < count; i++) {
        const double* a = gl->vertices[corners[i]].clip;
        const double* b = gl->vertices[corners[(i + 1) % count]].clip;
        gl->lines.insert(gl->lines.end(), a, a + 4);
        gl->lines.insert(gl->lines.end(), b, b + 4);
    }
}

// Polygons in GL's vertex order; an incomplete last one is dropped.
void AddPolygons(GlContext* gl)
{
    int n = static_cast<int>(gl->vertices.size());
    switch (gl->primitive) {
    case GL_TRIANGLE_FAN:
        for (int i = 1; i + 1 < n; i++) {
            const int triangle[3] = {0, i, i + 1};
            AddPolygon(gl, triangle, 3);
        }
        break;
    case GL_QUAD_STRIP:
        for (int i = 0; i + 3 < n; i += 2) {
            const int quad[4] = {i, i + 1, i + 3, i + 2};
            AddPolygon(gl, quad, 4);
        }
        break;
    case GL_QUADS:
        for (int i = 0; i + 3 < n; i += 4) {
            const int quad[4] = {i, i + 1, i + 2, i + 3};
            AddPolygon(gl, quad, 4);
        }
        break;
    }
}

// out = m x v, for column vectors of four.
void Transform(const GlMatrix& m, const double* v, double* out)
{
    for (int row = 0; row < 4; row++) {
        out[row] = 0.0;
        for (int k = 0; k < 4; k++)
            out[row] += m[k * 4 + row] * v[k];
    }
}

} // namespace

void FlushLines(GlContext* gl)
{
    if (gl->lines.empty())
        return;
    gl->backend->DrawLines(gl->lines.data(), gl->lines.size() / 4, gl->color, gl->depthTest);
    gl->lines.clear();
}

void GLAPIENTRY glBegin(GLenum mode)
{
    GlContext* gl = OutsideBegin();
    if (!gl)
        return;
    if (mode != GL_TRIANGLE_FAN && mode != GL_QUAD_STRIP && mode != GL_QUADS) {
        RecordError(gl, GL_INVALID_ENUM);
        return;
    }
    gl->inBegin = true;
    gl->primitive = mode;
    gl->vertices.clear();
}

void GLAPIENTRY glEnd()
{
    GlContext* gl = Current();
    if (!gl)
        return;
    if (!gl->inBegin) {
        RecordError(gl, GL_INVALID_OPERATION);
        return;
    }
    gl->inBegin = false;
    AddPolygons(gl);
}

// Outside glBegin/glEnd a vertex means nothing to GL; it is ignored.
void GLAPIENTRY glVertex3d(GLdouble x, GLdouble y, GLdouble z)
{
    GlContext* gl = Current();
    if (!gl || !gl->inBegin)
        return;
    const double local[4] = {x, y, z, 1.0};
    double eye[4];
    GlVertex vertex;
    Transform(TopMatrix(gl, 0), local, eye);
    Transform(TopMatrix(gl, 1), eye, vertex.clip);
    gl->vertices.push_back(vertex);
}

void GLAPIENTRY glVertex2d(GLdouble x, GLdouble y)
{
    glVertex3d(x, y, 0.0);
}
