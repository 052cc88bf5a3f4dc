#include "scene.h"

#include <GL/gl.h>

#include "solids.h"
#include "view_state.h"

void DrawScene()
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glPushMatrix();
    // The model turns about Y in its own frame first, then about X.
    glRotatef(g_viewState.rotX, 1.0f, 0.0f, 0.0f);
    glRotatef(g_viewState.rotY, 0.0f, 1.0f, 0.0f);
    switch (g_viewState.model) {
    case MODEL_CYLINDER:
        DrawCylinder(20.0, 20.0);
        break;
    case MODEL_ARM1:
        DrawUpperArm();
        break;
    case MODEL_ARM2:
        DrawForearm();
        break;
    case MODEL_ROBOT:
        DrawRobot(g_viewState.waist, g_viewState.shoulder, g_viewState.elbow);
        break;
    }
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glFlush();
}
