#include "projection.h"

#include <GL/gl.h>

void InitRenderState()
{
    glEnable(GL_DEPTH_TEST);
    glFrontFace(GL_CCW);
    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
    glColor3f(0.5f, 0.5f, 0.5f); // the only colour ever drawn with
}

// Runs on every resize: the visible extents depend on the client's aspect.
void ResizeView(int width, int height)
{
    // A minimised window reports 0 x 0; either zero would divide by zero below.
    if (height == 0)
        height = 1;
    if (width == 0)
        width = 1;
    glViewport(0, 0, width, height);

    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    if (height < width) {
        double extent = 100.0 * width / height;
        glOrtho(-extent, extent, -100.0, 100.0, -100.0, 100.0);
    } else {
        double extent = 100.0 * height / width;
        glOrtho(-100.0, 100.0, -extent, extent, -100.0, 100.0);
    }
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}
