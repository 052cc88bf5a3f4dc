#include "solids.h"

#include <GL/gl.h>
#include <math.h>

#include "angles.h"

namespace {

const double kThickness = 10.0; // both links span z = 0 to 10

// Half-round end of a link about (cx, 0), radius r, from angle a0 to a1 = a0 + half turn.
void DrawRoundedEnd(double cx, double r, double a0, double a1)
{
    glBegin(GL_TRIANGLE_FAN);
    glVertex3d(cx, 0.0, 0.0);
    for (double a = a0; a <= a1; a += kAngleStep)
        glVertex2d(cx + r * sin(a), r * cos(a));
    glEnd();

    glBegin(GL_TRIANGLE_FAN);
    glVertex3d(cx, 0.0, kThickness);
    for (double a = a1; a >= a0; a -= kAngleStep)
        glVertex3d(cx + r * sin(a), r * cos(a), kThickness);
    glEnd();

    glBegin(GL_QUAD_STRIP);
    for (double a = a1; a >= a0; a -= kAngleStep) {
        double x = cx + r * sin(a);
        double y = r * cos(a);
        glVertex3d(x, y, kThickness);
        glVertex3d(x, y, 0.0);
    }
    glEnd();
}

} // namespace

void DrawUpperArm()
{
    DrawRoundedEnd(0.0, 15.0, 0.0, kHalfTurn);

    // Body tapering from width 30 at the pivot to 20 at x = -60, one planar face per quad.
    glBegin(GL_QUADS);
    glVertex3d(0.0, -15.0, 0.0);
    glVertex3d(-60.0, -10.0, 0.0);
    glVertex3d(-60.0, 10.0, 0.0);
    glVertex3d(0.0, 15.0, 0.0);

    glVertex3d(0.0, -15.0, 10.0);
    glVertex3d(0.0, 15.0, 10.0);
    glVertex3d(-60.0, 10.0, 10.0);
    glVertex3d(-60.0, -10.0, 10.0);

    glVertex3d(0.0, 15.0, 10.0);
    glVertex3d(0.0, 15.0, 0.0);
    glVertex3d(-60.0, 10.0, 0.0);
    glVertex3d(-60.0, 10.0, 10.0);

    glVertex3d(0.0, -15.0, 10.0);
    glVertex3d(-60.0, -10.0, 10.0);
    glVertex3d(-60.0, -10.0, 0.0);
    glVertex3d(0.0, -15.0, 0.0);
    glEnd();

    DrawRoundedEnd(-60.0, 10.0, kHalfTurn, kFullTurn);
}

void DrawForearm()
{
    DrawRoundedEnd(0.0, 10.0, 0.0, kHalfTurn);

    // Body tapering from width 20 at the pivot to 10 at x = -50, closed by a flat end face.
    glBegin(GL_QUADS);
    glVertex3d(0.0, -10.0, 0.0);
    glVertex3d(-50.0, -5.0, 0.0);
    glVertex3d(-50.0, 5.0, 0.0);
    glVertex3d(0.0, 10.0, 0.0);

    glVertex3d(0.0, -10.0, 10.0);
    glVertex3d(0.0, 10.0, 10.0);
    glVertex3d(-50.0, 5.0, 10.0);
    glVertex3d(-50.0, -5.0, 10.0);

    glVertex3d(0.0, 10.0, 10.0);
    glVertex3d(0.0, 10.0, 0.0);
    glVertex3d(-50.0, 5.0, 0.0);
    glVertex3d(-50.0, 5.0, 10.0);

    glVertex3d(0.0, -10.0, 10.0);
    glVertex3d(-50.0, -5.0, 10.0);
    glVertex3d(-50.0, -5.0, 0.0);
    glVertex3d(0.0, -10.0, 0.0);

    glVertex3d(-50.0, 5.0, 10.0);
    glVertex3d(-50.0, 5.0, 0.0);
    glVertex3d(-50.0, -5.0, 0.0);
    glVertex3d(-50.0, -5.0, 10.0);
    glEnd();
}
