// Scoring of a host's pixel formats against a requested one.
#ifndef ROBOT_OXEL_COMMON_PIXEL_FORMAT_DISTANCE_H
#define ROBOT_OXEL_COMMON_PIXEL_FORMAT_DISTANCE_H

#include <windows.h>

// How far a main-plane format is from the request: -1 if it cannot serve at all (another
// pixel type or buffering), otherwise smaller is closer (shortfalls weigh more than surpluses).
long PixelFormatDistance(const PIXELFORMATDESCRIPTOR& request, const PIXELFORMATDESCRIPTOR& format);

#endif
