// USER32 windows over the DOM: a frame with a caption and close box, the
// menu bar from the class's MENU resource and the client area as a WebGL
// canvas, inside a sizing border. Coordinates are CSS pixels of the page's
// #desktop.
// Not implemented: minimising and maximising (shown normally), moving the
// frame by its caption, more than one class.
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

val Desktop()
{
    val desktop = Document().call<val>("getElementById", std::string("desktop"));
    return desktop.isNull() ? Document()["body"] : desktop;
}

// The canvas follows the size the frame's layout gives it, in device pixels.
// NOTE: as for a DPI-aware Win32 program, the client area is in device pixels, so the picture is
// as sharp as the text beside it; the frame, menus and dialogs keep their CSS size.
bool FollowClientSize(WebWindow* window)
{
    double ratio = val::global("devicePixelRatio").as<double>();
    val box = window->canvas.call<val>("getBoundingClientRect");
    int width = static_cast<int>(std::lround(box["width"].as<double>() * ratio));
    int height = static_cast<int>(std::lround(box["height"].as<double>() * ratio));
    if (width == window->clientWidth && height == window->clientHeight)
        return false;
    window->canvas.set("width", width);
    window->canvas.set("height", height);
    window->clientWidth = width;
    window->clientHeight = height;
    return true;
}

} // namespace

val NewWindowFrame(WebWindow* window, const char* title)
{
    bool sizable = window->kind == KIND_MAIN; // WS_OVERLAPPEDWINDOW; dialogs have a fixed frame
    val frame = NewElement("div", sizable ? "frame sizable" : "frame", Desktop());
    frame["dataset"].set("hit", std::string(sizable ? "border" : "frame"));
    val caption = NewElement("div", "caption", frame);
    caption["dataset"].set("hit", std::string("caption"));
    NewElement("span", "caption-text", caption).set("textContent", std::string(title));
    val close = NewElement("span", "close", caption);
    close.set("textContent", std::string("\u2715"));
    close["dataset"].set("hit", std::string("close"));
    return frame;
}

HWND WINAPI CreateWindowEx(DWORD, LPCSTR className, LPCSTR windowName, DWORD, int x, int y,
                           int width, int height, HWND, HMENU, HINSTANCE, LPVOID)
{
    g_host.lastError.clear();
    const WNDCLASS* windowClass;
    const MenuTemplate* menuTemplate;
    if (!FindClass(className, &windowClass, &menuTemplate))
        return NULL;
    HookInput();

    auto* window = new WebWindow();
    window->kind = KIND_MAIN;
    window->proc = windowClass->lpfnWndProc;
    window->dc.window = window;
    // Laid out but not visible until ShowWindow, so WM_SIZE can report the client area.
    window->frame = NewWindowFrame(window, windowName ? windowName : "");
    window->frame["style"].set("visibility", std::string("hidden"));
    SetPixels(window->frame, "left", x);
    SetPixels(window->frame, "top", y);
    SetPixels(window->frame, "width", width);
    SetPixels(window->frame, "height", height);
    if (menuTemplate)
        window->menu = CreateMenuBar(window, *menuTemplate, window->frame);
    window->canvas = NewElement("canvas", "client", window->frame);
    window->canvas["dataset"].set("hit", std::string("client"));
    FollowClientSize(window);
    WatchDevicePixels();
    window->invalid = true;
    g_host.windows.push_back(window);

    // NOTE: Win32 sends WM_SIZE after WM_CREATE, before CreateWindowEx returns.
    if (!SendCreate(window))
        return NULL;
    SendToWindow(window, WM_SIZE, SIZE_RESTORED,
                 MAKELPARAM(window->clientWidth, window->clientHeight));
    return HandleOf(window);
}

// NOTE: a page has no minimised state: every show request shows the frame as it is.
BOOL WINAPI ShowWindow(HWND handle, int cmdShow)
{
    WebWindow* window = WindowFromHandle(handle);
    if (!window)
        return FALSE;
    BOOL wasVisible = window->shown ? TRUE : FALSE;
    window->shown = cmdShow != SW_HIDE;
    window->frame["style"].set("visibility", std::string(window->shown ? "visible" : "hidden"));
    return wasVisible;
}

BOOL WINAPI UpdateWindow(HWND handle)
{
    WebWindow* window = WindowFromHandle(handle);
    if (!window)
        return FALSE;
    if (window->invalid && window->shown)
        SendToWindow(window, WM_PAINT, 0, 0);
    return TRUE;
}

BOOL WINAPI DestroyWindow(HWND handle)
{
    WebWindow* window = WindowFromHandle(handle);
    if (!window || window->destroying || window->kind != KIND_MAIN)
        return FALSE;
    window->destroying = true;
    SendToWindow(window, WM_DESTROY, 0, 0);
    if (window->menu) {
        DestroyMenuBar(window->menu);
        window->menu = nullptr;
    }
    if (g_web.sizing.window == window)
        g_web.sizing.window = nullptr;
    window->frame.call<void>("remove");
    ForgetWindow(window);
    delete window;
    return TRUE;
}

HDC WINAPI GetDC(HWND handle)
{
    WebWindow* window = WindowFromHandle(handle);
    return window ? reinterpret_cast<HDC>(&window->dc) : NULL;
}

// The edges within reach of the press follow the mouse, as on a WS_THICKFRAME window.
void StartSizing(WebWindow* window, long clientX, long clientY)
{
    val box = window->frame.call<val>("getBoundingClientRect");
    Sizing& sizing = g_web.sizing;
    sizing.window = window;
    sizing.left = clientX < box["left"].as<double>() + kEdgeGrab;
    sizing.right = clientX > box["right"].as<double>() - kEdgeGrab;
    sizing.top = clientY < box["top"].as<double>() + kEdgeGrab;
    sizing.bottom = clientY > box["bottom"].as<double>() - kEdgeGrab;
    sizing.startX = clientX;
    sizing.startY = clientY;
    sizing.startLeft = PixelMeasure(window->frame, "offsetLeft");
    sizing.startTop = PixelMeasure(window->frame, "offsetTop");
    sizing.startWidth = PixelMeasure(window->frame, "offsetWidth");
    sizing.startHeight = PixelMeasure(window->frame, "offsetHeight");
}

// NOTE: WM_SIZE is posted, not sent: the browser calls back while the program
// waits in GetMessage. It still comes before the WM_PAINT the new size needs.
void TrackSizing(long clientX, long clientY)
{
    const Sizing& sizing = g_web.sizing;
    WebWindow* window = sizing.window;
    if (!window)
        return;
    int dx = static_cast<int>(clientX - sizing.startX);
    int dy = static_cast<int>(clientY - sizing.startY);
    int width = sizing.startWidth + (sizing.right ? dx : sizing.left ? -dx : 0);
    int height = sizing.startHeight + (sizing.bottom ? dy : sizing.top ? -dy : 0);
    width = std::max(kMinFrameWidth, width);
    height = std::max(kMinFrameHeight, height);
    if (sizing.left)
        SetPixels(window->frame, "left", sizing.startLeft + sizing.startWidth - width);
    if (sizing.top)
        SetPixels(window->frame, "top", sizing.startTop + sizing.startHeight - height);
    SetPixels(window->frame, "width", width);
    SetPixels(window->frame, "height", height);
    ClientSizeChanged(window);
}

void ClientSizeChanged(WebWindow* window)
{
    if (!FollowClientSize(window))
        return;
    // CS_HREDRAW | CS_VREDRAW: every size change repaints the whole client area.
    window->invalid = true;
    PostToQueue(window, WM_SIZE, SIZE_RESTORED,
                MAKELPARAM(window->clientWidth, window->clientHeight));
}

void CloseBox(WebWindow* window)
{
    PostToQueue(window, WM_CLOSE, 0, 0);
}
