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

// Link bodies, one planar face per run of four vertices: bottom (z = 0), top
// (z = 10), +Y side, -Y side, and for the forearm its flat end face at x = -50.
const double kUpperArmBody[16][3] = {
    {0, -15, 0},   {-60, -10, 0},  {-60, 10, 0},  {0, 15, 0},  {0, -15, 10}, {0, 15, 10},
    {-60, 10, 10}, {-60, -10, 10}, {0, 15, 10},   {0, 15, 0},  {-60, 10, 0}, {-60, 10, 10},
    {0, -15, 10},  {-60, -10, 10}, {-60, -10, 0}, {0, -15, 0},
};

const double kForearmBody[20][3] = {
    {0, -10, 0}, {-50, -5, 0}, {-50, 5, 0},   {0, 10, 0},    {0, -10, 10},
    {0, 10, 10}, {-50, 5, 10}, {-50, -5, 10}, {0, 10, 10},   {0, 10, 0},
    {-50, 5, 0}, {-50, 5, 10}, {0, -10, 10},  {-50, -5, 10}, {-50, -5, 0},
    {0, -10, 0}, {-50, 5, 10}, {-50, 5, 0},   {-50, -5, 0},  {-50, -5, 10},
};

void DrawBody(const double (*vertices)[3], int count)
{
    glBegin(GL_QUADS);
    for (int i = 0; i < count; i++)
        glVertex3d(vertices[i][0], vertices[i][1], vertices[i][2]);
    glEnd();
}

} // namespace

// Pivot end of radius 15, body tapering from width 30 to 20, far end of radius 10.
void DrawUpperArm()
{
    DrawRoundedEnd(0.0, 15.0, 0.0, kHalfTurn);
    DrawBody(kUpperArmBody, 16);
    DrawRoundedEnd(-60.0, 10.0, kHalfTurn, kFullTurn);
}

// Pivot end of radius 10, body tapering from width 20 to 10, no far rounded end.
void DrawForearm()
{
    DrawRoundedEnd(0.0, 10.0, 0.0, kHalfTurn);
    DrawBody(kForearmBody, 20);
}
