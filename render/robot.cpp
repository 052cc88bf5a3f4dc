#include "scene.h"

#include <GL/gl.h>

#include "solids.h"

// One chain of transformations: each one moves everything drawn after it.
// At rest the base stands on y = -50, the upper arm points at the viewer
// and the forearm hangs down beside it.
void DrawRobot(double waist, double shoulder, double elbow)
{
    glPushMatrix();
    glTranslated(0.0, -50.0, 0.0);
    glRotated(-90.0, 1.0, 0.0, 0.0); // local +Z points up the screen
    DrawCylinder(5.0, 30.0);         // base plate
    glTranslated(0.0, 0.0, 5.0);
    DrawCylinder(40.0, 10.0); // column
    glTranslated(0.0, 0.0, 40.0);

    glRotated(waist, 0.0, 0.0, 1.0);
    DrawCylinder(20.0, 10.0); // turret
    glTranslated(0.0, 0.0, 20.0);
    glRotated(90.0, 0.0, 1.0, 0.0); // local +Z: the horizontal joint axis
    glTranslated(0.0, 0.0, -20.0);
    DrawCylinder(40.0, 10.0); // shoulder axle, 20 units either side of the column's axis
    glTranslated(0.0, 0.0, 40.0);

    // A joint angle of 0 already turns its link by a right angle.
    glRotated(shoulder + 90.0, 0.0, 0.0, 1.0);
    DrawUpperArm();
    // One link thickness back along the axis, so the forearm lies beside the upper arm.
    glTranslated(-60.0, 0.0, -10.0);
    glRotated(elbow + 90.0, 0.0, 0.0, 1.0);
    DrawForearm();
    glPopMatrix();
}
