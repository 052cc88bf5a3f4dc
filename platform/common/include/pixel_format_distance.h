// Scoring of GLX visuals against a requested pixel format.
#ifndef ROBOT_OXEL_COMMON_PIXEL_FORMAT_DISTANCE_H
#define ROBOT_OXEL_COMMON_PIXEL_FORMAT_DISTANCE_H

#include <windows.h>

// What matters of one GL-capable visual for matching.
struct VisualTraits {
    bool rgba;
    bool doubleBuffer;
    int level;
    int colorBits; // red + green + blue
    int alphaBits;
    int depthBits;
    int stencilBits;
    int accumBits;
};

// How far a visual is from the request: -1 if it cannot serve at all,
// otherwise smaller is closer (shortfalls weigh more than surpluses).
long PixelFormatDistance(const PIXELFORMATDESCRIPTOR& request, const VisualTraits& visual);

#endif
