// Drawing of one frame, and the robot assembly it may call.
#ifndef ROBOT_OXEL_RENDER_SCENE_H
#define ROBOT_OXEL_RENDER_SCENE_H

// Draws the model of g_viewState turned by its view rotations. Needs a
// current GL context with the projection set; does not swap buffers.
void DrawScene();

// Draws the robot posed by its joint angles in degrees; leaves the
// model-view matrix as it found it.
void DrawRobot(double waist, double shoulder, double elbow);

#endif
