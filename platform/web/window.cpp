// Frames over the DOM: a caption and close box, the menu bar and the client
// area as a WebGL canvas, inside a sizing border. Coordinates are CSS pixels
// of the page's #desktop, which may be scaled to fit the screen (fit.cpp).
// Not implemented: minimising and maximising (shown normally), moving the
// frame by its caption.
#include "state.h"

#include <algorithm>
#include <cmath>

#include <emscripten/emscripten.h>

#include "dom.h"

// A new device pixel ratio (zoom, a screen of another density) may leave the page's size alone;
// the canvas's size in device pixels then changes all the same, and is told as a resize.
// clang-format off
EM_JS(void, WatchDevicePixels, (), {
    new ResizeObserver(() => dispatchEvent(new Event('resize')))
        .observe(document.querySelector('canvas.client'), { box: 'device-pixel-content-box' });
});
// clang-format on

namespace {

const int kMinFrameWidth = 160; // Win32's minimum tracking size, about
const int kMinFrameHeight = 100;
const int kEdgeGrab = 8; // pixels from an edge of the frame that move that edge

// The canvas's size in device pixels as seen, after the desktop's scale.
// NOTE: as for a DPI-aware Win32 program, the client area is in device pixels, so the picture is
// as sharp as the text beside it; the frame, menus and dialogs keep their CSS size. A desktop
// scaled to fit the screen gives a smaller client area, drawn one pixel a device pixel, rather
// than a larger picture the browser shrinks.
void MeasureClient(CoreWindow* window, int* width, int* height)
{
    double ratio = val::global("devicePixelRatio").as<double>();
    val box = window->native->canvas.call<val>("getBoundingClientRect");
    *width = static_cast<int>(std::lround(box["width"].as<double>() * ratio));
    *height = static_cast<int>(std::lround(box["height"].as<double>() * ratio));
    window->native->canvas.set("width", *width);
    window->native->canvas.set("height", *height);
}

} // namespace

val NewWindowFrame(CoreWindow* window, const char* title)
{
    bool sizable = window->kind == KIND_MAIN; // WS_OVERLAPPEDWINDOW; dialogs have a fixed frame
    val desktop = ElementById("desktop");
    val frame =
        NewElement("div", sizable ? "frame sizable" : "frame",
                   desktop.isNull() ? Document()["body"] : desktop, sizable ? "border" : "frame");
    // Named by its caption: a region for a main window, a dialog for a dialog box.
    SetAttribute(frame, "role", sizable ? "region" : "dialog");
    val caption = NewElement("div", "caption", frame, "caption");
    val text = NewElement("span", "caption-text", caption);
    text.set("textContent", std::string(title));
    SetAttribute(frame, "aria-labelledby", GiveId(text, "caption-"));
    val close = NewElement("span", "close", caption, "close");
    close.set("textContent", std::string("\u2715"));
    SetAttribute(close, "role", "button");
    SetAttribute(close, "aria-label", "Close");
    // Laid out but not visible until shown, so WM_SIZE can report the client area.
    frame["style"].set("visibility", std::string("hidden"));
    return frame;
}

bool HostMakeFrame(CoreWindow* window, const FrameStyle& style)
{
    if (window->kind == KIND_DIALOG)
        return MakeDialogFrame(window, style);
    // The page's stand-in frame, shown while the program loaded, gives way to the real one.
    val loading = ElementById("loading");
    if (!loading.isNull())
        loading.call<void>("remove");
    auto* native = new NativeWindow();
    window->native = native;
    native->frame = NewWindowFrame(window, style.title);
    SetBox(native->frame, style.x, style.y, style.width, style.height);
    if (window->menu)
        native->bar = CreateMenuBar(*window->menu->menuTemplate, native->frame);
    native->canvas = NewElement("canvas", "client", native->frame, "client");
    SetAttribute(native->canvas, "role", "img");
    MeasureClient(window, &window->clientWidth, &window->clientHeight);
    WatchDevicePixels();
    return true;
}

// NOTE: a page has no minimised state: every show request shows the frame as it is.
void HostShowFrame(CoreWindow* window, int cmdShow, bool)
{
    window->native->frame["style"].set("visibility",
                                       std::string(cmdShow != SW_HIDE ? "visible" : "hidden"));
    RefitSoon();
}

void HostDestroyFrame(CoreWindow* window)
{
    if (g_web.sizing.window == window)
        g_web.sizing.window = nullptr;
    window->native->frame.call<void>("remove");
    delete window->native;
    window->native = nullptr;
    RefitSoon();
}

void HostClientOrigin(CoreWindow* window, int* x, int* y)
{
    NativeWindow* native = window->native;
    val frame = native->frame;
    *x = PixelMeasure(frame, "offsetLeft") + PixelMeasure(frame, "clientLeft") +
         PixelMeasure(native->canvas, "offsetLeft");
    *y = PixelMeasure(frame, "offsetTop") + PixelMeasure(frame, "clientTop") +
         PixelMeasure(native->canvas, "offsetTop");
}

// The edges within reach of the press follow the mouse, as on a WS_THICKFRAME window.
void StartSizing(CoreWindow* window, long clientX, long clientY)
{
    val frame = window->native->frame;
    val box = frame.call<val>("getBoundingClientRect");
    Sizing& sizing = g_web.sizing;
    sizing.window = window;
    sizing.left = clientX < box["left"].as<double>() + kEdgeGrab;
    sizing.right = clientX > box["right"].as<double>() - kEdgeGrab;
    sizing.top = clientY < box["top"].as<double>() + kEdgeGrab;
    sizing.bottom = clientY > box["bottom"].as<double>() - kEdgeGrab;
    sizing.startX = clientX;
    sizing.startY = clientY;
    sizing.startLeft = PixelMeasure(frame, "offsetLeft");
    sizing.startTop = PixelMeasure(frame, "offsetTop");
    sizing.startWidth = PixelMeasure(frame, "offsetWidth");
    sizing.startHeight = PixelMeasure(frame, "offsetHeight");
}

void TrackSizing(long clientX, long clientY)
{
    const Sizing& sizing = g_web.sizing;
    CoreWindow* window = sizing.window;
    if (!window)
        return;
    val frame = window->native->frame;
    // The mouse moves in the page's pixels, the frame in the scaled desktop's.
    int dx = static_cast<int>((clientX - sizing.startX) / g_web.scale);
    int dy = static_cast<int>((clientY - sizing.startY) / g_web.scale);
    int width = sizing.startWidth + (sizing.right ? dx : sizing.left ? -dx : 0);
    int height = sizing.startHeight + (sizing.bottom ? dy : sizing.top ? -dy : 0);
    width = std::max(kMinFrameWidth, width);
    height = std::max(kMinFrameHeight, height);
    SetBox(frame, sizing.startLeft + (sizing.left ? sizing.startWidth - width : 0),
           sizing.startTop + (sizing.top ? sizing.startHeight - height : 0), width, height);
    ClientSizeChanged(window);
}

void ClientSizeChanged(CoreWindow* window)
{
    int width, height;
    MeasureClient(window, &width, &height);
    CoreClientSized(window, width, height);
}
