// Angular constants shared by the solids. They are single-precision values
// widened to double: eight steps add up to exactly one half turn and sixteen
// to one full turn, so every rim loop lands on its far bound and includes it.
#ifndef ROBOT_OXEL_GEOMETRY_ANGLES_H
#define ROBOT_OXEL_GEOMETRY_ANGLES_H

const double kAngleStep = static_cast<double>(0.3926875f); // pi/8 with pi = 3.1415, radians
const double kHalfTurn = static_cast<double>(3.1415f);     // radians
const double kFullTurn = static_cast<double>(6.283f);      // radians

#endif
