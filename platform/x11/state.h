// The layer's own records behind the core's, and its one state struct.
// Internal to platform/x11: FLTK and Xlib types may appear here, never in windows.h.
#ifndef ROBOT_OXEL_X11_STATE_H
#define ROBOT_OXEL_X11_STATE_H

#include <windows.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <GL/glx.h>

#include <string>
#include <vector>

#include "host_platform.h"
#include "keys.h"

class Fl_Window;
class Fl_Widget;

struct PlatformPalette {
    std::vector<PALETTEENTRY> entries;
    Colormap colormap; // made on first realisation on a colour-mapped visual
};

struct NativeWindow {
    Fl_Window* frame; // the top-level FLTK window (menu bar + client area)
    int menuHeight;   // pixels above the client area
    Fl_Widget* bar;   // the menu bar, or null
    Fl_Window* popup; // made when first opened, shown while the menu's state says so
    Window glWindow;  // X window of the client area, made with the pixel format
    Colormap glColormap;
    unsigned long swapSerial;         // X request serial just before the last buffer swap
    std::vector<Fl_Widget*> controls; // dialogs, in the template's order
};

struct PlatformState {
    Display* display;
    double scale;                     // desktop pixels per 96-dpi pixel, 1 on a 96-dpi desktop
    std::vector<XVisualInfo> formats; // pixel formats: GL-capable visuals, index + 1
    std::vector<KeyPosition> keys;    // by X keycode, read from XKB on the first key
};

extern PlatformState g_platform;

// Desktop pixels for PIXELS at 96 dpi, rounded.
int ScaledPixels(int pixels);

// Brackets X requests that can fail (sync, requests, sync, check): their errors
// fail the call, and Untrap reports the first as WHAT's cause (none when null).
// Any other X error is printed on stderr when it comes.
void TrapXErrors();
bool UntrapXErrors(const char* what);

// A top-level X window to be handed to FLTK, made unmapped with what window
// managers read when it is mapped. The window manager's frame goes at (x, y).
// STYLE's size is the outer size for a main window, the client's for a dialog.
// The window, with its client size; 0 with the cause reported.
Window CreateTopLevel(const FrameStyle& style, bool dialog, int* clientWidth, int* clientHeight);
// FRAME takes WINDOW as its own, as if FLTK had made it.
void AdoptTopLevel(Fl_Window* frame, Window window);
void ShowTopLevel(Fl_Window* frame);

// Menu bar (menu.cpp): its height, the bar widget, and the press, move or
// release of the mouse at root coordinates, handed to the core. The popup is
// a window of its own, made when first opened (NativeWindow::popup).
int MenuBarHeight();
Fl_Widget* CreateMenuBar(CoreMenu* menu, int width, int height);
bool TrackMenuMouse(CoreWindow* window, MenuMouseEvent event, int rootX, int rootY);

// The virtual-key code of the X key event being handled, by its physical key; 0 if none.
UINT VirtualKeyOfEvent();

// The dialog's frame (dialog.cpp), which HostMakeFrame makes for a dialog.
bool MakeDialogFrame(CoreWindow* dialog, const FrameStyle& style);
// A key event of FLTK's, handed to the core; false if nothing took it (window.cpp).
bool KeyToCore(int event);
// A frame's callback: the close box of the window DATA.
void OnCloseBox(Fl_Widget*, void* data);

// The pixel format's visual of a device context (null before one is set).
const XVisualInfo* VisualOf(HDC dc);

#endif
