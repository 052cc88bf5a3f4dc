// GDI pixel formats over GLX visuals: format n is the n-th GL-capable
// visual of the screen. The core's ChoosePixelFormat picks the closest, as
// Win32 does, where glXChooseVisual would insist on minimums and prefer the largest.
#include "state.h"

#include <algorithm>

namespace {

// A colour mask's width and the place of its lowest bit, as a descriptor gives them.
BYTE Bits(unsigned long mask)
{
    return static_cast<BYTE>(__builtin_popcountl(mask));
}

BYTE Shift(unsigned long mask)
{
    return static_cast<BYTE>(mask ? __builtin_ctzl(mask) : 0);
}

int Config(const XVisualInfo& visual, int attribute)
{
    int value = 0;
    glXGetConfig(g_platform.display, const_cast<XVisualInfo*>(&visual), attribute, &value);
    return value;
}

// The screen's GL-capable visuals of the main plane, listed once.
const std::vector<XVisualInfo>& Formats()
{
    if (g_platform.formats.empty() && g_platform.display) {
        int errorBase, eventBase;
        if (!glXQueryExtension(g_platform.display, &errorBase, &eventBase)) {
            ReportError("GLX", "the X server offers no GLX extension");
            return g_platform.formats;
        }
        XVisualInfo pattern = {};
        pattern.screen = DefaultScreen(g_platform.display);
        int count = 0;
        XVisualInfo* visuals =
            XGetVisualInfo(g_platform.display, VisualScreenMask, &pattern, &count);
        for (int i = 0; i < count; i++) {
            if (Config(visuals[i], GLX_USE_GL) && Config(visuals[i], GLX_LEVEL) == 0)
                g_platform.formats.push_back(visuals[i]);
        }
        if (visuals)
            XFree(visuals);
    }
    return g_platform.formats;
}

} // namespace

int HostPixelFormats(CoreWindow*)
{
    return static_cast<int>(Formats().size());
}

void HostDescribePixelFormat(CoreWindow*, int format, PIXELFORMATDESCRIPTOR* pfd)
{
    const XVisualInfo& visual = g_platform.formats[format - 1];
    bool rgba = Config(visual, GLX_RGBA) != 0;
    PIXELFORMATDESCRIPTOR d = {};
    d.nSize = sizeof(PIXELFORMATDESCRIPTOR);
    d.nVersion = 1;
    d.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL;
    if (Config(visual, GLX_DOUBLEBUFFER))
        d.dwFlags |= PFD_DOUBLEBUFFER;
    // Colour-mapped visuals show the right colours only through a realised palette.
    if (visual.c_class == PseudoColor || visual.c_class == GrayScale ||
        visual.c_class == DirectColor)
        d.dwFlags |= PFD_NEED_PALETTE;
    d.iPixelType = rgba ? PFD_TYPE_RGBA : PFD_TYPE_COLORINDEX;
    d.cRedBits = Bits(visual.red_mask);
    d.cRedShift = Shift(visual.red_mask);
    d.cGreenBits = Bits(visual.green_mask);
    d.cGreenShift = Shift(visual.green_mask);
    d.cBlueBits = Bits(visual.blue_mask);
    d.cBlueShift = Shift(visual.blue_mask);
    // An RGBA format counts the red, green and blue bits, as Win32 does; an indexed one its depth.
    d.cColorBits =
        static_cast<BYTE>(rgba ? Config(visual, GLX_RED_SIZE) + Config(visual, GLX_GREEN_SIZE) +
                                     Config(visual, GLX_BLUE_SIZE)
                               : visual.depth);
    d.cAlphaBits = static_cast<BYTE>(Config(visual, GLX_ALPHA_SIZE));
    d.cAccumRedBits = static_cast<BYTE>(Config(visual, GLX_ACCUM_RED_SIZE));
    d.cAccumGreenBits = static_cast<BYTE>(Config(visual, GLX_ACCUM_GREEN_SIZE));
    d.cAccumBlueBits = static_cast<BYTE>(Config(visual, GLX_ACCUM_BLUE_SIZE));
    d.cAccumAlphaBits = static_cast<BYTE>(Config(visual, GLX_ACCUM_ALPHA_SIZE));
    d.cAccumBits = static_cast<BYTE>(d.cAccumRedBits + d.cAccumGreenBits + d.cAccumBlueBits +
                                     d.cAccumAlphaBits);
    d.cDepthBits = static_cast<BYTE>(Config(visual, GLX_DEPTH_SIZE));
    d.cStencilBits = static_cast<BYTE>(Config(visual, GLX_STENCIL_SIZE));
    d.cAuxBuffers = static_cast<BYTE>(Config(visual, GLX_AUX_BUFFERS));
    d.iLayerType = PFD_MAIN_PLANE;
    *pfd = d;
}

// The pixel format's visual of a device context, for WGL; null before SetPixelFormat.
const XVisualInfo* VisualOf(HDC dc)
{
    CoreDC* record = LiveDC(dc);
    return record && record->pixelFormat ? &g_platform.formats[record->pixelFormat - 1] : nullptr;
}
