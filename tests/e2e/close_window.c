/* Asks a window to close as a window manager's close box does: a
 * WM_DELETE_WINDOW message of the WM_PROTOCOLS kind. Tests run without a
 * window manager, and `xdotool windowclose` destroys the window instead.
 * Usage: close_window WINDOW_ID (decimal or 0x hex). */
#include <X11/Xlib.h>
#include <stdio.h>
#include <stdlib.h>

int main(int argc, char** argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: close_window WINDOW_ID\n");
        return 2;
    }
    char* end;
    Window window = strtoul(argv[1], &end, 0);
    if (*end || !window) {
        fprintf(stderr, "close_window: bad window id '%s'\n", argv[1]);
        return 2;
    }
    Display* display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "close_window: cannot open display\n");
        return 1;
    }
    XEvent event = {0};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = (long)XInternAtom(display, "WM_DELETE_WINDOW", False);
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XSync(display, False);
    XCloseDisplay(display);
    return 0;
}
