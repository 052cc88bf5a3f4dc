// Top-level windows as window managers see them. FLTK maps its windows in the
// same breath as it makes them, with static gravity and hints of its own, so
// the X window is made here instead, unmapped, and handed to FLTK: what a
// window manager reads at map time is set first, and the frame it will add
// is asked for (_NET_REQUEST_FRAME_EXTENTS) while there is time to fit the
// window inside the outer size Win32 gives. Not done: icons, drag and drop.
// NOTE: FLTK private API: Fl_X::set_xid, to hand FLTK a window made here. FLTK 1.3 has no
// public way to adopt a window, nor to make one without mapping it at once.
#define FL_INTERNALS
#include "state.h"

#include <FL/Fl_Window.H>
#include <FL/x.H>
#include <X11/Xatom.h>
#include <errno.h>
#include <poll.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>

namespace {

// What FLTK selects on its own top-level windows.
const long kTopLevelEvents = ExposureMask | StructureNotifyMask | KeyPressMask | KeyReleaseMask |
                             KeymapStateMask | FocusChangeMask | ButtonPressMask |
                             ButtonReleaseMask | EnterWindowMask | LeaveWindowMask |
                             PropertyChangeMask | PointerMotionMask;

// A window manager answers a frame request at once; after this, there is taken to be no frame.
const int kFrameRequestTimeoutMs = 500;

// The fields of _MOTIF_WM_HINTS, as Motif's MwmUtil.h names them: flags, functions,
// decorations, input mode, status.
enum {
    MWM_HINTS_FUNCTIONS = 1,
    MWM_HINTS_DECORATIONS = 2,
    MWM_FUNC_MOVE = 4,
    MWM_FUNC_CLOSE = 32,
    MWM_DECOR_BORDER = 2,
    MWM_DECOR_TITLE = 8,
    MWM_DECOR_MENU = 16,
};

Atom AtomOf(const char* name)
{
    return XInternAtom(g_platform.display, name, False);
}

void SetAtom(Window window, const char* property, const char* value)
{
    Atom atom = AtomOf(value);
    XChangeProperty(g_platform.display, window, AtomOf(property), XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(&atom), 1);
}

// Up to COUNT longs of a window's property; fewer when it is shorter or missing.
std::vector<long> LongsOf(Window window, Atom property, Atom type, long count)
{
    Atom actualType;
    int format;
    unsigned long items, after;
    unsigned char* data = nullptr;
    std::vector<long> values;
    if (XGetWindowProperty(g_platform.display, window, property, 0, count, False, type, &actualType,
                           &format, &items, &after, &data) == Success &&
        actualType == type && format == 32)
        values.assign(reinterpret_cast<long*>(data), reinterpret_cast<long*>(data) + items);
    if (data)
        XFree(data);
    return values;
}

// A running EWMH window manager that answers frame requests; its check window
// outlives it on the root only as a stale id, which names no window.
bool AnswersFrameRequests()
{
    Display* display = g_platform.display;
    Window root = DefaultRootWindow(display);
    Atom check = AtomOf("_NET_SUPPORTING_WM_CHECK");
    std::vector<long> manager = LongsOf(root, check, XA_WINDOW, 1);
    if (manager.empty())
        return false;
    TrapXErrors();
    std::vector<long> self = LongsOf(static_cast<Window>(manager[0]), check, XA_WINDOW, 1);
    if (!UntrapXErrors(nullptr) || self != manager)
        return false;
    std::vector<long> supported = LongsOf(root, AtomOf("_NET_SUPPORTED"), XA_ATOM, 4096);
    long request = static_cast<long>(AtomOf("_NET_REQUEST_FRAME_EXTENTS"));
    return std::find(supported.begin(), supported.end(), request) != supported.end();
}

struct FrameChange {
    Window window;
    Atom property;
};

Bool IsFrameChange(Display*, XEvent* event, XPointer data)
{
    const auto* change = reinterpret_cast<const FrameChange*>(data);
    return event->type == PropertyNotify && event->xproperty.window == change->window &&
           event->xproperty.atom == change->property;
}

double NowMs()
{
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// Left, right, top and bottom widths of the frame the window manager will put
// around the unmapped WINDOW; zeros without a window manager that says.
std::vector<long> FrameExtentsOf(Window window)
{
    Display* display = g_platform.display;
    std::vector<long> none(4, 0);
    if (!AnswersFrameRequests())
        return none;
    FrameChange change = {window, AtomOf("_NET_FRAME_EXTENTS")};
    XEvent request = {};
    request.xclient.type = ClientMessage;
    request.xclient.window = window;
    request.xclient.message_type = AtomOf("_NET_REQUEST_FRAME_EXTENTS");
    request.xclient.format = 32;
    XSendEvent(display, DefaultRootWindow(display), False,
               SubstructureNotifyMask | SubstructureRedirectMask, &request);
    double deadline = NowMs() + kFrameRequestTimeoutMs;
    XEvent event;
    while (!XCheckIfEvent(display, &event, IsFrameChange, reinterpret_cast<XPointer>(&change))) {
        int left = static_cast<int>(deadline - NowMs());
        pollfd connection = {ConnectionNumber(display), POLLIN, 0};
        if (left <= 0 || (poll(&connection, 1, left) < 0 && errno != EINTR))
            return none;
    }
    std::vector<long> extents = LongsOf(window, change.property, XA_CARDINAL, 4);
    return extents.size() == 4 ? extents : none;
}

// Win32's dialog frame: a caption with a close box, moved but never resized,
// minimised or maximised.
void MarkAsDialog(Window window, Window owner)
{
    Display* display = g_platform.display;
    SetAtom(window, "_NET_WM_WINDOW_TYPE", "_NET_WM_WINDOW_TYPE_DIALOG");
    SetAtom(window, "_NET_WM_STATE", "_NET_WM_STATE_MODAL");
    if (owner)
        XSetTransientForHint(display, window, owner);
    long motif[5] = {MWM_HINTS_FUNCTIONS | MWM_HINTS_DECORATIONS, MWM_FUNC_MOVE | MWM_FUNC_CLOSE,
                     MWM_DECOR_BORDER | MWM_DECOR_TITLE | MWM_DECOR_MENU, 0, 0};
    Atom motifAtom = AtomOf("_MOTIF_WM_HINTS");
    XChangeProperty(display, window, motifAtom, motifAtom, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(motif), 5);
}

} // namespace

Window CreateTopLevel(const FrameStyle& style, bool dialog, int* clientWidth, int* clientHeight)
{
    Display* display = g_platform.display;
    XSetWindowAttributes attributes = {};
    attributes.event_mask = kTopLevelEvents;
    attributes.colormap = fl_colormap;
    attributes.border_pixel = 0;
    attributes.background_pixel = fl_xpixel(FL_BACKGROUND_COLOR);
    TrapXErrors();
    Window window = XCreateWindow(
        display, RootWindow(display, fl_screen), style.x, style.y, std::max(1, style.width),
        std::max(1, style.height), 0, fl_visual->depth, InputOutput, fl_visual->visual,
        CWEventMask | CWColormap | CWBorderPixel | CWBackPixel, &attributes);
    if (!UntrapXErrors("cannot create a top-level window"))
        return 0;

    // NOTE: north-west gravity puts the frame's corner, not the client's, at (x, y), as Win32 does.
    XSizeHints size = {};
    size.flags = USPosition | PPosition | PWinGravity;
    size.x = style.x;
    size.y = style.y;
    size.win_gravity = NorthWestGravity;
    if (dialog) {
        size.flags |= PMinSize | PMaxSize;
        size.min_width = size.max_width = style.width;
        size.min_height = size.max_height = style.height;
    }
    XWMHints hints = {};
    hints.flags = InputHint | StateHint;
    hints.input = True;
    hints.initial_state = NormalState;
    // The X convention: the program's name as the instance, the window class as the class.
    std::string instance = program_invocation_short_name;
    std::string windowClass = style.className;
    XClassHint classHint = {&instance[0], &windowClass[0]};
    std::string title = style.title ? style.title : "";
    Xutf8SetWMProperties(display, window, title.c_str(), title.c_str(), nullptr, 0, &size, &hints,
                         &classHint);
    Atom deleteWindow = AtomOf("WM_DELETE_WINDOW");
    XSetWMProtocols(display, window, &deleteWindow, 1);
    long pid = getpid();
    XChangeProperty(display, window, AtomOf("_NET_WM_PID"), XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(&pid), 1);
    if (dialog)
        MarkAsDialog(window, style.owner ? fl_xid(style.owner->native->frame) : 0);
    else
        SetAtom(window, "_NET_WM_WINDOW_TYPE", "_NET_WM_WINDOW_TYPE_NORMAL");

    *clientWidth = style.width;
    *clientHeight = style.height;
    if (!dialog) {
        // The outer size is the frame's: the client gets what the frame leaves.
        std::vector<long> frame = FrameExtentsOf(window);
        *clientWidth = std::max(1, style.width - static_cast<int>(frame[0] + frame[1]));
        *clientHeight = std::max(1, style.height - static_cast<int>(frame[2] + frame[3]));
        XResizeWindow(display, window, *clientWidth, *clientHeight);
    }
    return window;
}

void AdoptTopLevel(Fl_Window* frame, Window window)
{
    Fl_X::set_xid(frame, window);
}

void ShowTopLevel(Fl_Window* frame)
{
    frame->show();            // maps the window FLTK was handed
    frame->Fl_Widget::show(); // and marks it shown now, as FLTK does for one it made itself
}
