// The X connection shared by FLTK and GLX, the desktop's scale, the waits of
// the core's message loop, and what happens when X reports trouble: errors of
// requests that can fail are trapped around them and fail the call; any other
// is printed as it comes.
// NOTE: FLTK private API: Fl_X::ewmh_supported, asked once under an error trap. FLTK has no
// public call for it, and asks it itself unguarded when the focus first moves.
#define FL_INTERNALS
#include "state.h"

#include <FL/Fl.H>
#include <FL/x.H>
#include <X11/Xresource.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <math.h>
#include <unistd.h>

#include <string>

PlatformState g_platform;

namespace {

struct ErrorTrap {
    bool active;
    bool caught;
    std::string cause; // the first error caught
};

ErrorTrap g_trap;

// Xlib ends the process if this returns, so it must not.
int OnConnectionLost(Display* display)
{
    fprintf(stderr, "robot-oxel: X11: lost the connection to the X server %s\n",
            DisplayString(display));
    _exit(1);
}

// "BadWindow (invalid Window parameter) from X_ConfigureWindow on 0x1a00005".
std::string DescribeXError(Display* display, const XErrorEvent& event)
{
    char error[128], number[16], unnamed[32], request[64], text[256];
    XGetErrorText(display, event.error_code, error, sizeof error);
    snprintf(number, sizeof number, "%d", event.request_code);
    snprintf(unnamed, sizeof unnamed, "request %d.%d", event.request_code, event.minor_code);
    XGetErrorDatabaseText(display, "XRequest", number, unnamed, request, sizeof request);
    snprintf(text, sizeof text, "%s from %s on 0x%lx", error, request, event.resourceid);
    return text;
}

int OnXError(Display* display, XErrorEvent* event)
{
    if (g_trap.active) {
        if (!g_trap.caught)
            g_trap.cause = DescribeXError(display, *event);
        g_trap.caught = true;
        return 0;
    }
    fprintf(stderr, "robot-oxel: X11: %s\n", DescribeXError(display, *event).c_str());
    return 0;
}

// FLTK's default is to print the bare format and exit(1) deep inside the toolkit.
void OnToolkitFatal(const char* format, ...)
{
    char text[512];
    va_list args;
    va_start(args, format);
    vsnprintf(text, sizeof text, format, args);
    va_end(args);
    fprintf(stderr, "robot-oxel: FLTK: %s\n", text);
    _exit(1);
}

// Desktops publish their scale as the Xft.dpi resource; 96 dpi is Win32's 100 %.
double DesktopScale(Display* display)
{
    const char* resources = XResourceManagerString(display);
    if (!resources)
        return 1.0;
    XrmInitialize();
    XrmDatabase database = XrmGetStringDatabase(resources);
    char* type = nullptr;
    XrmValue value = {};
    double dpi = 0;
    if (XrmGetResource(database, "Xft.dpi", "Xft.Dpi", &type, &value) && value.addr)
        dpi = atof(value.addr);
    XrmDestroyDatabase(database);
    return dpi > 0 ? dpi / 96.0 : 1.0;
}

} // namespace

bool HostOpen()
{
    if (g_platform.display)
        return true;
    Display* display = XOpenDisplay(NULL);
    if (!display) {
        const char* name = getenv("DISPLAY");
        if (name && *name)
            ReportError("X11", "cannot open display %s", name);
        else
            ReportError("X11", "cannot open display: DISPLAY is not set");
        return false;
    }
    Fl::fatal = OnToolkitFatal;
    fl_open_display(display);
    // After fl_open_display, which would not install its own handlers on a display it is given.
    XSetIOErrorHandler(OnConnectionLost);
    XSetErrorHandler(OnXError);
    g_platform.display = display;
    g_platform.scale = DesktopScale(display);
    // FLTK asks once, unguarded, whether a window manager runs, when the focus first
    // moves; asked here, a check window left behind by one that ended is no error.
    TrapXErrors();
    Fl_X::ewmh_supported();
    UntrapXErrors(nullptr);
    return true;
}

void HostPoll()
{
    // What X has already delivered becomes messages, without waiting.
    Fl::check();
}

void HostWait()
{
    Fl::wait(1e20);
}

// FLTK's callbacks post while GetMessage waits in Fl::wait, on this thread, so nothing wakes it.
void HostWake() {}

const bool kHostCallbacksSend = true;

int ScaledPixels(int pixels)
{
    return static_cast<int>(lround(pixels * g_platform.scale));
}

void TrapXErrors()
{
    XSync(g_platform.display, False); // earlier requests' errors are not this call's
    g_trap = ErrorTrap();
    g_trap.active = true;
}

bool UntrapXErrors(const char* what)
{
    XSync(g_platform.display, False);
    g_trap.active = false;
    if (!g_trap.caught)
        return true;
    if (what)
        ReportError("X11", "%s: %s", what, g_trap.cause.c_str());
    return false;
}
