// The desktop fitted to the page's visible screen (#screen): where the main
// window does not fit, the desktop is scaled down as a whole (a CSS
// transform), never cropped. A dialog, placed by the main window's client
// area, may reach below the screen, over the key pad: fitting it too would
// rescale the window under it and leave it misplaced. Frames keep their own coordinates, so
// HostClientOrigin and the sizing border count in them; the mouse is hit-tested
// by the browser, which knows the transform; the client area is told in the
// device pixels it covers on the screen, so the picture stays one pixel a
// device pixel (window.cpp).
#include "state.h"

#include <algorithm>
#include <string>

#include <emscripten/emscripten.h>

#include "dom.h"

// A fit from a callback, once the program waits: what it tells the window then comes in Win32's
// order (WM_SIZE, then the WM_PAINT it causes), not amid ShowWindow's paint.
// clang-format off
EM_JS(void, RefitSoon, (), {
    queueMicrotask(() => dispatchEvent(new Event('resize')));
});
// clang-format on

namespace {

const int kMargin = 8; // desktop pixels kept right of and below the windows

} // namespace

void FitDesktop()
{
    val screen = ElementById("screen");
    int width = 0, height = 0;
    for (CoreWindow* window : Windows()) {
        if (!window->native || window->kind != KIND_MAIN)
            continue;
        val frame = window->native->frame;
        width = std::max(width, PixelMeasure(frame, "offsetLeft") +
                                    PixelMeasure(frame, "offsetWidth") + kMargin);
        height = std::max(height, PixelMeasure(frame, "offsetTop") +
                                      PixelMeasure(frame, "offsetHeight") + kMargin);
    }
    double screenWidth = PixelMeasure(screen, "clientWidth");
    double screenHeight = PixelMeasure(screen, "clientHeight");
    // The scale holds while the sizing border is dragged, which counts in it; the drop refits.
    double scale = g_web.sizing.window ? g_web.scale : 1;
    if (width && height && !g_web.sizing.window)
        scale = std::min({1.0, screenWidth / width, screenHeight / height});
    g_web.scale = scale;
    // The desktop spans the screen once scaled.
    val style = ElementById("desktop")["style"];
    style.set("width", std::to_string(screenWidth / scale) + "px");
    style.set("height", std::to_string(screenHeight / scale) + "px");
    style.set("transform", "scale(" + std::to_string(scale) + ")");
    style.call<void>("setProperty", std::string("--fit"), std::to_string(scale));
    if (CoreWindow* window = MainWindow())
        ClientSizeChanged(window);
}
