// The solids every model is built from, emitted as immediate-mode GL
// primitives in their own local frames. None of them touches a matrix or
// other GL state; each must be called outside glBegin/glEnd.
#ifndef ROBOT_OXEL_GEOMETRY_SOLIDS_H
#define ROBOT_OXEL_GEOMETRY_SOLIDS_H

// Closed cylinder, axis on +Z from z = 0 to z = height, radius about the Z axis.
void DrawCylinder(double height, double radius);

// First arm link: pivot at the origin, link 60 units along -X, 10 thick in +Z.
void DrawUpperArm();

// Second arm link: pivot at the origin, link 50 units along -X, 10 thick in +Z.
void DrawForearm();

#endif
