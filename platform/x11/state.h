// The layer's own records behind the Win32 handles, and its one state struct.
// Internal to platform/x11: FLTK and Xlib types may appear here, never in windows.h.
#ifndef ROBOT_OXEL_X11_STATE_H
#define ROBOT_OXEL_X11_STATE_H

#include <windows.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <GL/glx.h>

#include <string>
#include <vector>

#include "host.h"
#include "keys.h"

class Fl_Window;
class Fl_Widget;

struct PlatformPalette {
    std::vector<PALETTEENTRY> entries;
    Colormap colormap; // made on first realisation on a colour-mapped visual
};

struct PlatformWindow;

struct PlatformDC {
    PlatformWindow* window;
    PlatformPalette* palette; // selected palette, or null
};

struct PlatformMenu : HostMenu {
    Fl_Widget* bar;
    Fl_Window* popup; // made when first opened, shown while state says so
    bool altAlone;    // Alt is down and no other key came since
};

struct PlatformControl {
    int id;
    Fl_Widget* widget;
};

struct PlatformWindow : HostWindow {
    Fl_Window* frame; // the top-level FLTK window (menu bar + client area)
    int menuHeight;   // pixels above the client area
    PlatformDC dc;
    Window glWindow; // X window of the client area, made with the pixel format
    int pixelFormat; // 1-based index into PlatformState::formats, 0 before SetPixelFormat
    Colormap glColormap;
    int clientWidth;
    int clientHeight;
    bool visible;             // shown by ShowWindow (Win32's WS_VISIBLE)
    unsigned long swapSerial; // X request serial just before the last buffer swap
    bool minimised;
    std::vector<PlatformControl> controls; // dialogs
};

struct PlatformState {
    Display* display;
    double scale;                     // desktop pixels per 96-dpi pixel, 1 on a 96-dpi desktop
    std::vector<XVisualInfo> formats; // pixel formats: GL-capable visuals, index + 1
    std::vector<KeyPosition> keys;    // by X keycode, read from XKB on the first key
};

extern PlatformState g_platform;

// Opens the X display for FLTK and GLX on first use; false if there is none.
// Sets the desktop's scale.
bool OpenDisplay();

// Desktop pixels for PIXELS at 96 dpi, rounded.
int ScaledPixels(int pixels);

// Brackets X requests that can fail (sync, requests, sync, check): their errors
// fail the call, and Untrap reports the first as WHAT's cause (none when null).
// Any other X error is printed on stderr when it comes.
void TrapXErrors();
bool UntrapXErrors(const char* what);

// A top-level X window to be handed to FLTK, made unmapped with what window
// managers read when it is mapped. The window manager's frame goes at (x, y).
struct TopLevel {
    bool dialog; // a modal dialog of OWNER: no minimise, maximise or resize
    Window owner;
    const char* title;
    int x;
    int y;
    int width;  // main window: the outer size, frame included;
    int height; // dialog: the client size
};
// The window, with its client size; 0 with the cause reported.
Window CreateTopLevel(const TopLevel& style, int* clientWidth, int* clientHeight);
// FRAME takes WINDOW as its own, as if FLTK had made it.
void AdoptTopLevel(Fl_Window* frame, Window window);
void ShowTopLevel(Fl_Window* frame);

// The live window behind a handle, or null for a stale or foreign one.
inline PlatformWindow* WindowFromHandle(HWND window)
{
    return static_cast<PlatformWindow*>(LiveWindow(window));
}

// The virtual-key code of the X key event being handled, by its physical key; 0 if none.
UINT VirtualKeyOfEvent();

int MenuBarHeight();
PlatformMenu* CreateMenuBar(PlatformWindow* owner, const MenuTemplate& menu, int width, int height);
void DestroyMenuBar(HostMenu* menu);
// Takes a key the menus own (system keys, and every key while they are active); false if not
// theirs.
bool MenuHandlesKey(HostMenu* menu, UINT vk, int flState);
void MenuKeyUp(HostMenu* menu, UINT vk);
void CloseMenus(HostMenu* menu);

// The live device context behind a handle, and its pixel format's visual (null before one is set).
PlatformDC* DeviceContextOf(HDC dc);
const XVisualInfo* VisualOf(HDC dc);

// The client area's X window, made by SetPixelFormat with the chosen visual.
bool CreateGlWindow(PlatformWindow* window, const XVisualInfo& visual);

#endif
