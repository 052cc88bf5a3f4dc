#include "solids.h"

#include <GL/gl.h>
#include <math.h>

#include "angles.h"

// Rim point at angle a: angle 0 is on +Y, growing angles turn towards +X.
// The running angles are doubles stepped by addition, never step * index.
void DrawCylinder(double height, double radius)
{
    glBegin(GL_TRIANGLE_FAN);
    glVertex3d(0.0, 0.0, 0.0);
    for (double a = 0.0; a <= kFullTurn; a += kAngleStep)
        glVertex2d(radius * sin(a), radius * cos(a));
    glEnd();

    // The top rim runs the other way round, so both caps face outwards.
    glBegin(GL_TRIANGLE_FAN);
    glVertex3d(0.0, 0.0, height);
    for (double a = 0.0; a >= -kFullTurn; a -= kAngleStep)
        glVertex3d(radius * sin(a), radius * cos(a), height);
    glEnd();

    glBegin(GL_QUAD_STRIP);
    for (double a = 0.0; a >= -kFullTurn; a -= kAngleStep) {
        double x = radius * sin(a);
        double y = radius * cos(a);
        glVertex3d(x, y, height);
        glVertex3d(x, y, 0.0);
    }
    glEnd();
}
