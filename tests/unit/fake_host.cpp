#include "fake_host.h"

#include "embedded.h"

static FakeHost g_fake;

// A main window's menu bar takes 20 pixels of the outer size; base units are
// 6 x 13, as 8 point MS Sans Serif has them. One line a primitive:
// clang-format off
bool HostOpen() { return true; }
bool HostMakeFrame(CoreWindow* window, const FrameStyle& style)
{
    window->clientWidth = style.width;
    window->clientHeight = style.height - (window->kind == KIND_MAIN ? 20 : 0);
    if (window->kind == KIND_DIALOG)
        Trace("dialog " + std::to_string(style.width) + "x" + std::to_string(style.height) + " at " + std::to_string(style.x) + "," + std::to_string(style.y));
    return true;
}
void HostShowFrame(CoreWindow*, int, bool) {}
bool HostOnScreen(CoreWindow*) { return true; }
void HostDestroyFrame(CoreWindow*) {}
void HostActivate(CoreWindow*) { Trace("activate"); }
void HostClientOrigin(CoreWindow*, int* x, int* y) { *x = kFakeOriginX, *y = kFakeOriginY; }
int HostPixelFormats(CoreWindow*) { return 0; }
void HostDescribePixelFormat(CoreWindow*, int, PIXELFORMATDESCRIPTOR*) {}
bool HostMakeSurface(CoreWindow*, int) { return false; }
void HostDrawMenu(CoreMenu*) {}
void HostMeasureText(const DialogTemplate&, const char*, int* width, int* height) { *width = 312, *height = 13; }
void HostMakeControl(CoreWindow*, const ControlTemplate&, int, int, int, int) {}
void HostSetControlText(CoreWindow*, int index, const char* text) { Trace("text " + std::to_string(index) + "=" + text); }
void HostFocusControl(CoreWindow*, int index) { g_fake.focused = index; }
int HostFocusedControl(CoreWindow*) { return g_fake.focused; }
void HostPoll() {}
void HostWait() { g_fake.next < g_fake.events.size() ? g_fake.events[g_fake.next++]() : PostQuitMessage(0); }
void HostWake() {}
const bool kHostCallbacksSend = true;
// The host's GDI and WGL: no palette, one context.
HPALETTE WINAPI CreatePalette(const LOGPALETTE*) { return NULL; }
UINT WINAPI RealizePalette(HDC) { return 0; }
BOOL WINAPI DeleteObject(HGDIOBJ) { return TRUE; }
HGLRC WINAPI wglCreateContext(HDC) { return g_fake.noContext ? NULL : reinterpret_cast<HGLRC>(&g_fake); }
BOOL WINAPI wglMakeCurrent(HDC, HGLRC) { return TRUE; }
BOOL WINAPI wglDeleteContext(HGLRC) { return TRUE; }
BOOL WINAPI SwapBuffers(HDC) { Trace("swap"); return TRUE; }
// clang-format on

FakeHost& Fake()
{
    return g_fake;
}

void StartFakeCore(std::vector<std::function<void()>> events, bool noContext)
{
    g_fake = FakeHost{std::move(events), 0, "", -1, noContext};
    StartCore(g_resourceScript, g_resourceHeader);
}

void Trace(const std::string& word)
{
    g_fake.trace += (g_fake.trace.empty() ? "" : " ") + word;
}
