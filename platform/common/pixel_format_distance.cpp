// Matching a requested pixel format against one the host offers, as
// ChoosePixelFormat does.
#include "pixel_format_distance.h"

namespace {

long Mismatch(int wanted, int got)
{
    return got < wanted ? 16L * (wanted - got) : got - wanted;
}

} // namespace

long PixelFormatDistance(const PIXELFORMATDESCRIPTOR& request, const PIXELFORMATDESCRIPTOR& format)
{
    if (format.iPixelType != request.iPixelType ||
        ((format.dwFlags ^ request.dwFlags) & PFD_DOUBLEBUFFER))
        return -1;
    return Mismatch(request.cColorBits, format.cColorBits) * 4 +
           Mismatch(request.cDepthBits, format.cDepthBits) * 2 +
           Mismatch(request.cAlphaBits, format.cAlphaBits) * 2 +
           Mismatch(request.cStencilBits, format.cStencilBits) +
           Mismatch(request.cAccumBits, format.cAccumBits);
}
