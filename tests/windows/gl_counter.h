// Counting stand-in for opengl32.dll: the primitives begun since the last
// reset, each with its mode and number of vertices. Built as a DLL, because
// the program's objects import their GL functions from one.
#ifndef ROBOT_OXEL_TESTS_WINDOWS_GL_COUNTER_H
#define ROBOT_OXEL_TESTS_WINDOWS_GL_COUNTER_H

struct PrimitiveCount {
    unsigned int mode; // GL_TRIANGLE_FAN, GL_QUAD_STRIP, ...
    int vertices;
};

void ResetGlCounter();
int CountedPrimitives();                     // glBegin calls so far
PrimitiveCount CountedPrimitive(int index);  // mode 0 and no vertices past the end

#endif
