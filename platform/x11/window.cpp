// USER32 windows over FLTK: one top-level FLTK window holding the menu bar
// and, below it, the client area, an X window of the pixel format's visual
// that FLTK never draws on.
#include "state.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>
#include <FL/x.H>
#include <string.h>

#include <algorithm>

namespace {

void SendSize(PlatformWindow* window, WPARAM kind)
{
    int width = kind == SIZE_MINIMIZED ? 0 : window->clientWidth;
    int height = kind == SIZE_MINIMIZED ? 0 : window->clientHeight;
    SendToWindow(window, WM_SIZE, kind, MAKELPARAM(width, height));
}

class MainFrame : public Fl_Window {
  public:
    MainFrame(PlatformWindow* owner, int x, int y, int width, int height, const char* title)
        : Fl_Window(x, y, width, height, title), owner_(owner)
    {
    }

    int handle(int event) override
    {
        switch (event) {
        case FL_KEYBOARD: {
            UINT vk = VirtualKeyOfEvent();
            if (owner_->menu && MenuHandlesKey(owner_->menu, vk, Fl::event_state()))
                return 1;
            // Arrows included: they never reach FLTK's focus navigation.
            if (vk)
                PostToQueue(owner_, WM_KEYDOWN, vk, 1);
            return 1;
        }
        case FL_KEYUP:
            if (owner_->menu)
                MenuKeyUp(owner_->menu, VirtualKeyOfEvent());
            return 1;
        case FL_PUSH:
            if (owner_->menu)
                CloseMenus(owner_->menu);
            take_focus();
            break;
        case FL_FOCUS:
            if (owner_->dc.palette)
                SendToWindow(owner_, WM_QUERYNEWPALETTE, 0, 0);
            return 1;
        case FL_HIDE:
            // NOTE: FLTK reports an iconified window as hidden; Win32 reports a 0 x 0 client.
            if (owner_->visible && !owner_->destroying && !owner_->minimised) {
                owner_->minimised = true;
                SendSize(owner_, SIZE_MINIMIZED);
            }
            break;
        case FL_SHOW:
            if (owner_->minimised) {
                owner_->minimised = false;
                owner_->invalid = true;
                SendSize(owner_, SIZE_RESTORED);
            }
            break;
        }
        return Fl_Window::handle(event);
    }

    void resize(int x, int y, int width, int height) override
    {
        bool sized = width != w() || height != h();
        Fl_Window::resize(x, y, width, height);
        if (!sized || owner_->destroying)
            return;
        int menuHeight = owner_->menuHeight;
        owner_->clientWidth = width;
        owner_->clientHeight = std::max(0, height - menuHeight);
        if (owner_->glWindow)
            XMoveResizeWindow(g_platform.display, owner_->glWindow, 0, menuHeight,
                              std::max(1, owner_->clientWidth), std::max(1, owner_->clientHeight));
        // CS_HREDRAW | CS_VREDRAW: every size change repaints the whole client area.
        owner_->invalid = true;
        // NOTE: a minimised window keeps its 0 x 0 client; the restore reports the new size.
        if (!owner_->minimised)
            SendSize(owner_, SIZE_RESTORED);
    }

  private:
    PlatformWindow* owner_;
};

// The close box; FLTK also calls this for Escape, which is a key here instead.
void OnFrameCallback(Fl_Widget*, void* data)
{
    if (Fl::event() == FL_CLOSE)
        PostToQueue(static_cast<PlatformWindow*>(data), WM_CLOSE, 0, 0);
}

// Events on the client area's X window, which FLTK does not know.
int OnForeignEvent(int)
{
    const XEvent* event = fl_xevent;
    if (!event)
        return 0;
    for (HostWindow* host : g_host.windows) {
        auto* window = static_cast<PlatformWindow*>(host);
        if (!window->glWindow || event->xany.window != window->glWindow)
            continue;
        if (event->type == Expose) {
            // NOTE: Win32 paints once for all that is invalid: an Expose the server sent
            // before it took the last swap shows what that swap has already painted.
            if (event->xexpose.serial < window->swapSerial)
                return 1;
            window->invalid = true;
            return 1;
        }
        if (event->type == ColormapNotify && event->xcolormap.state == ColormapUninstalled &&
            window->dc.palette) {
            SendToWindow(window, WM_PALETTECHANGED, 0, 0);
            return 1;
        }
    }
    return 0;
}

bool IsOnScreen(PlatformWindow* window)
{
    XWindowAttributes attributes;
    return window->glWindow &&
           XGetWindowAttributes(g_platform.display, window->glWindow, &attributes) &&
           attributes.map_state == IsViewable;
}

} // namespace

bool CreateGlWindow(PlatformWindow* window, const XVisualInfo& visual)
{
    Display* display = g_platform.display;
    XSetWindowAttributes attributes = {};
    TrapXErrors();
    Colormap colormap =
        XCreateColormap(display, RootWindow(display, visual.screen), visual.visual, AllocNone);
    attributes.colormap = colormap;
    attributes.border_pixel = 0;
    attributes.background_pixmap = None; // no class background: nothing is erased before a paint
    attributes.event_mask = ExposureMask | ColormapChangeMask;
    // Below the menu bar, shown with the frame.
    Window glWindow = XCreateWindow(
        display, fl_xid(window->frame), 0, window->menuHeight, std::max(1, window->clientWidth),
        std::max(1, window->clientHeight), 0, visual.depth, InputOutput, visual.visual,
        CWColormap | CWBorderPixel | CWBackPixmap | CWEventMask, &attributes);
    XMapWindow(display, glWindow);
    char what[64];
    snprintf(what, sizeof what, "cannot create the client area for visual 0x%lx", visual.visualid);
    if (!UntrapXErrors(what)) {
        XDestroyWindow(display, glWindow);
        XFreeColormap(display, colormap);
        return false;
    }
    window->glColormap = colormap;
    window->glWindow = glWindow;
    static bool handlerAdded = false;
    if (!handlerAdded) {
        Fl::add_handler(OnForeignEvent);
        handlerAdded = true;
    }
    return true;
}

HWND WINAPI CreateWindowEx(DWORD, LPCSTR className, LPCSTR windowName, DWORD, int x, int y,
                           int width, int height, HWND, HMENU, HINSTANCE, LPVOID)
{
    g_host.lastError.clear();
    if (!OpenDisplay())
        return NULL;
    const WNDCLASS* windowClass;
    const MenuTemplate* menuTemplate;
    if (!FindClass(className, &windowClass, &menuTemplate))
        return NULL;

    // NOTE: sizes are in 96-dpi pixels, as for a program Windows scales to the desktop.
    TopLevel style = {};
    style.title = windowName;
    style.x = ScaledPixels(x);
    style.y = ScaledPixels(y);
    style.width = ScaledPixels(width);
    style.height = ScaledPixels(height);
    int frameWidth, frameHeight;
    Window xid = CreateTopLevel(style, &frameWidth, &frameHeight);
    if (!xid)
        return NULL;

    auto* window = new PlatformWindow();
    window->kind = KIND_MAIN;
    window->proc = windowClass->lpfnWndProc;
    window->dc.window = window;
    auto* frame = new MainFrame(window, style.x, style.y, frameWidth, frameHeight, windowName);
    window->frame = frame;
    frame->callback(OnFrameCallback, window);
    frame->begin();
    int menuHeight = menuTemplate ? MenuBarHeight() : 0;
    window->menuHeight = menuHeight;
    if (menuTemplate)
        window->menu = CreateMenuBar(window, *menuTemplate, frameWidth, menuHeight);
    auto* client = new Fl_Box(0, menuHeight, frameWidth, frameHeight - menuHeight);
    frame->resizable(client);
    frame->end();
    AdoptTopLevel(frame, xid);
    window->clientWidth = frameWidth;
    window->clientHeight = std::max(0, frameHeight - menuHeight);
    window->invalid = true;
    g_host.windows.push_back(window);

    // NOTE: Win32 sends WM_SIZE after WM_CREATE, before CreateWindowEx returns.
    if (!SendCreate(window))
        return NULL;
    SendSize(window, SIZE_RESTORED);
    return HandleOf(window);
}

BOOL WINAPI ShowWindow(HWND handle, int cmdShow)
{
    PlatformWindow* window = WindowFromHandle(handle);
    if (!window || !window->frame)
        return FALSE;
    BOOL wasVisible = window->visible ? TRUE : FALSE;
    window->visible = cmdShow != SW_HIDE;
    if (!window->visible) {
        XWithdrawWindow(g_platform.display, fl_xid(window->frame), fl_screen);
        return wasVisible;
    }
    ShowTopLevel(window->frame);
    if (!wasVisible) {
        // Keys go to the focus widget; without one FLTK only tries them as shortcuts.
        window->frame->take_focus();
        // NOTE: Win32's ShowWindow activates the window. A window manager does that when it
        // maps it; without one the window is mapped already and nobody else would.
        TrapXErrors();
        XSetInputFocus(g_platform.display, fl_xid(window->frame), RevertToParent, CurrentTime);
        UntrapXErrors(nullptr);
    }
    if (cmdShow == SW_MINIMIZE || cmdShow == SW_SHOWMINIMIZED)
        window->frame->iconize();
    return wasVisible;
}

BOOL WINAPI UpdateWindow(HWND handle)
{
    PlatformWindow* window = WindowFromHandle(handle);
    if (!window)
        return FALSE;
    // NOTE: a window manager maps a window in its own time; until then the Expose
    // that comes with the mapping is the one to paint for.
    if (window->invalid && window->visible && !window->minimised && IsOnScreen(window))
        SendToWindow(window, WM_PAINT, 0, 0);
    return TRUE;
}

BOOL WINAPI DestroyWindow(HWND handle)
{
    PlatformWindow* window = WindowFromHandle(handle);
    if (!window || window->destroying || window->kind != KIND_MAIN)
        return FALSE;
    window->destroying = true;
    SendToWindow(window, WM_DESTROY, 0, 0);
    // Before the frame: hiding it destroys its X window and every child of it.
    if (window->glWindow) {
        XDestroyWindow(g_platform.display, window->glWindow);
        window->glWindow = 0;
    }
    window->frame->hide();
    if (window->glColormap) {
        XFreeColormap(g_platform.display, window->glColormap);
        window->glColormap = 0;
    }
    if (window->menu) {
        DestroyMenuBar(window->menu);
        window->menu = nullptr;
    }
    ForgetWindow(window);
    Fl::delete_widget(window->frame);
    delete window;
    return TRUE;
}

HDC WINAPI GetDC(HWND handle)
{
    PlatformWindow* window = WindowFromHandle(handle);
    return window ? reinterpret_cast<HDC>(&window->dc) : NULL;
}
