// Matching a requested pixel format against one visual's traits; kept apart
// from the GLX queries so it can be checked without a display.
#include "pixel_format_distance.h"

namespace {

long Mismatch(int wanted, int got)
{
    return got < wanted ? 16L * (wanted - got) : got - wanted;
}

} // namespace

long PixelFormatDistance(const PIXELFORMATDESCRIPTOR& request, const VisualTraits& visual)
{
    bool wantRgba = request.iPixelType == PFD_TYPE_RGBA;
    bool wantDouble = (request.dwFlags & PFD_DOUBLEBUFFER) != 0;
    if (visual.level != 0 || visual.rgba != wantRgba || visual.doubleBuffer != wantDouble)
        return -1;
    return Mismatch(request.cColorBits, visual.colorBits) * 4 +
           Mismatch(request.cDepthBits, visual.depthBits) * 2 +
           Mismatch(request.cAlphaBits, visual.alphaBits) * 2 +
           Mismatch(request.cStencilBits, visual.stencilBits) +
           Mismatch(request.cAccumBits, visual.accumBits);
}
