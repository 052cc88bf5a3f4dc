// Main windows over FLTK: one top-level FLTK window holding the menu bar
// and, below it, the client area, an X window of the pixel format's visual
// that FLTK never draws on.
#include "state.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Window.H>
#include <FL/x.H>

#include <algorithm>

#include "keys.h"

namespace {

class MainFrame : public Fl_Window {
  public:
    MainFrame(CoreWindow* owner, int x, int y, int width, int height, const char* title)
        : Fl_Window(x, y, width, height, title), owner_(owner)
    {
    }

    int handle(int event) override
    {
        switch (event) {
        case FL_KEYBOARD:
        case FL_KEYUP:
            // Arrows included: they never reach FLTK's focus navigation.
            KeyToCore(event);
            return 1;
        case FL_PUSH:
            TrackMenuMouse(owner_, MOUSE_DOWN, Fl::event_x_root(), Fl::event_y_root());
            take_focus();
            break;
        case FL_FOCUS:
            if (owner_->dc.palette)
                SendToWindow(owner_, WM_QUERYNEWPALETTE, 0, 0);
            return 1;
        case FL_HIDE:
        case FL_SHOW:
            CoreMinimised(owner_, event == FL_HIDE);
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
        NativeWindow* native = owner_->native;
        int clientHeight = std::max(0, height - native->menuHeight);
        if (native->glWindow)
            XMoveResizeWindow(g_platform.display, native->glWindow, 0, native->menuHeight,
                              std::max(1, width), std::max(1, clientHeight));
        CoreClientSized(owner_, width, clientHeight);
    }

  private:
    CoreWindow* owner_;
};

// Events on the client area's X window, which FLTK does not know; seen before FLTK, which
// would drop a DestroyNotify.
int OnClientAreaEvent(void* xevent, void*)
{
    const auto* event = static_cast<const XEvent*>(xevent);
    for (CoreWindow* window : Windows()) {
        NativeWindow* native = window->native;
        if (!native->glWindow || event->xany.window != native->glWindow)
            continue;
        if (event->type == Expose) {
            // NOTE: Win32 paints once for all that is invalid: an Expose the server sent
            // before it took the last swap shows what that swap has already painted.
            if (event->xexpose.serial >= native->swapSerial)
                window->invalid = true;
            return 1;
        }
        if (event->type == DestroyNotify) {
            // NOTE: another client destroyed it. GL must not draw into a window that is gone
            // (Mesa 25's llvmpipe crashes), so the window draws nothing from now on.
            fprintf(stderr, "robot-oxel: X11: another client destroyed the client area\n");
            if (glXGetCurrentDrawable() == native->glWindow)
                glXMakeCurrent(g_platform.display, None, NULL);
            native->glWindow = 0;
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

} // namespace

// The close box; FLTK also calls this for Escape, which is a key here instead.
void OnCloseBox(Fl_Widget*, void* data)
{
    if (Fl::event() == FL_CLOSE)
        CoreClose(static_cast<CoreWindow*>(data));
}

bool KeyToCore(int event)
{
    UINT vk = VirtualKeyOfEvent();
    if (event == FL_KEYUP) {
        CoreKeyUp(vk);
        return true;
    }
    // Keys with the Meta (Super) key held are the desktop's.
    return Fl::event_state(FL_META) || CoreKeyDown(vk, Fl::event_state(FL_ALT) != 0, false);
}

// The client area's X window, with the pixel format's visual.
bool HostMakeSurface(CoreWindow* window, int format)
{
    const XVisualInfo& visual = g_platform.formats[format - 1];
    Display* display = g_platform.display;
    NativeWindow* native = window->native;
    XSetWindowAttributes attributes = {};
    TrapXErrors();
    Colormap colormap =
        XCreateColormap(display, RootWindow(display, visual.screen), visual.visual, AllocNone);
    attributes.colormap = colormap;
    attributes.border_pixel = 0;
    attributes.background_pixmap = None; // no class background: nothing is erased before a paint
    attributes.event_mask = ExposureMask | ColormapChangeMask | StructureNotifyMask;
    // Below the menu bar, shown with the frame.
    Window glWindow = XCreateWindow(
        display, fl_xid(native->frame), 0, native->menuHeight, std::max(1, window->clientWidth),
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
    native->glColormap = colormap;
    native->glWindow = glWindow;
    static bool handlerAdded = false;
    if (!handlerAdded) {
        Fl::add_system_handler(OnClientAreaEvent, nullptr);
        handlerAdded = true;
    }
    return true;
}

bool HostMakeFrame(CoreWindow* window, const FrameStyle& given)
{
    if (window->kind == KIND_DIALOG)
        return MakeDialogFrame(window, given);
    // NOTE: sizes are in 96-dpi pixels, as for a program Windows scales to the desktop.
    FrameStyle style = given;
    for (int* pixels : {&style.x, &style.y, &style.width, &style.height})
        *pixels = ScaledPixels(*pixels);
    int width, height;
    Window xid = CreateTopLevel(style, false, &width, &height);
    if (!xid)
        return false;
    auto* native = new NativeWindow();
    window->native = native;
    auto* frame = new MainFrame(window, style.x, style.y, width, height, style.title);
    native->frame = frame;
    frame->callback(OnCloseBox, window);
    frame->begin();
    native->menuHeight = window->menu ? MenuBarHeight() : 0;
    if (window->menu)
        native->bar = CreateMenuBar(window->menu, width, native->menuHeight);
    auto* client = new Fl_Box(0, native->menuHeight, width, height - native->menuHeight);
    frame->resizable(client);
    frame->end();
    AdoptTopLevel(frame, xid);
    window->clientWidth = width;
    window->clientHeight = std::max(0, height - native->menuHeight);
    return true;
}

void HostShowFrame(CoreWindow* window, int cmdShow, bool wasVisible)
{
    Fl_Window* frame = window->native->frame;
    if (cmdShow == SW_HIDE) {
        XWithdrawWindow(g_platform.display, fl_xid(frame), fl_screen);
        return;
    }
    ShowTopLevel(frame);
    if (!wasVisible)
        HostActivate(window);
    if (cmdShow == SW_MINIMIZE || cmdShow == SW_SHOWMINIMIZED)
        frame->iconize();
}

// NOTE: a window manager maps a window in its own time; until then the Expose
// that comes with the mapping is the one to paint for.
bool HostOnScreen(CoreWindow* window)
{
    XWindowAttributes attributes;
    Window glWindow = window->native->glWindow;
    return glWindow && XGetWindowAttributes(g_platform.display, glWindow, &attributes) &&
           attributes.map_state == IsViewable;
}

void HostDestroyFrame(CoreWindow* window)
{
    NativeWindow* native = window->native;
    // Before the frame: hiding it destroys its X window and every child of it.
    if (native->glWindow) {
        XDestroyWindow(g_platform.display, native->glWindow);
        native->glWindow = 0;
    }
    native->frame->hide();
    if (native->glColormap) {
        XFreeColormap(g_platform.display, native->glColormap);
        native->glColormap = 0;
    }
    if (native->popup)
        Fl::delete_widget(native->popup);
    Fl::delete_widget(native->frame); // the bar and the controls go with it
    delete native;
    window->native = nullptr;
}

// Keys go to the focus widget; without one FLTK only tries them as shortcuts.
// NOTE: Win32 activates a window it shows and the owner of a dialog that ends. A window
// manager does the first when it maps the window; without one nobody else would.
void HostActivate(CoreWindow* window)
{
    Fl_Window* frame = window->native->frame;
    frame->take_focus();
    TrapXErrors();
    XSetInputFocus(g_platform.display, fl_xid(frame), RevertToParent, CurrentTime);
    UntrapXErrors(nullptr);
}

void HostClientOrigin(CoreWindow* window, int* x, int* y)
{
    Display* display = g_platform.display;
    Window child;
    XTranslateCoordinates(display, fl_xid(window->native->frame), DefaultRootWindow(display), 0,
                          window->native->menuHeight, x, y, &child);
}
