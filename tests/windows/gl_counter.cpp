#include "gl_counter.h"

#include <GL/gl.h>

namespace {

const int kMaxPrimitives = 16; // a robot link draws seven

PrimitiveCount g_primitives[kMaxPrimitives];
int g_begun = 0;

// Vertices outside glBegin/glEnd, or past the table, count nowhere.
void CountVertex()
{
    if (g_begun > 0 && g_begun <= kMaxPrimitives)
        g_primitives[g_begun - 1].vertices++;
}

} // namespace

void ResetGlCounter()
{
    g_begun = 0;
}

int CountedPrimitives()
{
    return g_begun;
}

PrimitiveCount CountedPrimitive(int index)
{
    if (index < 0 || index >= g_begun || index >= kMaxPrimitives)
        return PrimitiveCount{0, 0};
    return g_primitives[index];
}

void APIENTRY glBegin(GLenum mode)
{
    if (g_begun < kMaxPrimitives)
        g_primitives[g_begun] = PrimitiveCount{mode, 0};
    g_begun++;
}

void APIENTRY glEnd() {}

void APIENTRY glVertex2d(GLdouble, GLdouble)
{
    CountVertex();
}

void APIENTRY glVertex3d(GLdouble, GLdouble, GLdouble)
{
    CountVertex();
}
