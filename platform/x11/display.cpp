// The X connection shared by FLTK and GLX, and what happens when X reports trouble.
#include "state.h"

#include <FL/Fl.H>
#include <FL/x.H>
#include <stdio.h>
#include <unistd.h>

namespace {

// Xlib ends the process if this returns, so it must not.
int OnConnectionLost(Display*)
{
    fprintf(stderr, "robot-oxel: lost the connection to the X server\n");
    fflush(stderr);
    _exit(1);
}

// Protocol errors are recorded for the failing call rather than ending the program.
int OnXError(Display* display, XErrorEvent* event)
{
    char text[256];
    XGetErrorText(display, event->error_code, text, sizeof text);
    ReportError("X11", "%s (request %d)", text, event->request_code);
    return 0;
}

// FLTK's default is to print and exit(1) deep inside the toolkit.
void OnToolkitFatal(const char* format, ...)
{
    fprintf(stderr, "robot-oxel: FLTK: %s\n", format);
    fflush(stderr);
    _exit(1);
}

} // namespace

bool OpenDisplay()
{
    if (g_platform.display)
        return true;
    Display* display = XOpenDisplay(NULL);
    if (!display) {
        const char* name = XDisplayName(NULL);
        ReportError("X11", "cannot open display '%s'", name && *name ? name : "(DISPLAY not set)");
        return false;
    }
    Fl::fatal = OnToolkitFatal;
    fl_open_display(display);
    // After fl_open_display, which would not install its own handlers on a display it is given.
    XSetIOErrorHandler(OnConnectionLost);
    XSetErrorHandler(OnXError);
    g_platform.display = display;
    g_platform.scale = 1.0;
    return true;
}
