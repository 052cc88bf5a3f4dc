// The layer's own records behind the Win32 handles, and its one state struct.
// Internal to platform/x11: FLTK and Xlib types may appear here, never in windows.h.
#ifndef ROBOT_OXEL_X11_STATE_H
#define ROBOT_OXEL_X11_STATE_H

#include <windows.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <GL/glx.h>

#include <deque>
#include <string>
#include <vector>

#include "menu_model.h"
#include "resource_script.h"

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

struct PlatformMenu {
    const MenuTemplate* menuTemplate;
    std::vector<UINT> checked; // ids that carry a check mark, as the program set them
    MenuState state;           // what is highlighted and open
    Fl_Widget* bar;
    Fl_Window* popup;          // made when first opened, shown while state says so
    PlatformWindow* owner;
    bool altAlone;             // Alt is down and no other key came since
};

struct PlatformControl {
    int id;
    Fl_Widget* widget;
};

enum WindowKind { KIND_MAIN, KIND_DIALOG };

struct PlatformWindow {
    WindowKind kind;
    WNDPROC proc;      // main windows
    DLGPROC dialogProc; // dialogs
    Fl_Window* frame;  // the top-level FLTK window (menu bar + client area)
    PlatformMenu* menu;
    int menuHeight;    // pixels above the client area
    PlatformDC dc;
    Window glWindow;   // X window of the client area, made with the pixel format
    int pixelFormat;   // 1-based index into PlatformState::formats, 0 before SetPixelFormat
    Colormap glColormap;
    int clientWidth;
    int clientHeight;
    bool visible;      // shown by ShowWindow (Win32's WS_VISIBLE)
    bool invalid;      // needs WM_PAINT
    unsigned long swapSerial; // X request serial just before the last buffer swap
    bool minimised;
    bool destroying;
    std::vector<PlatformControl> controls; // dialogs
    bool ended;        // dialogs: EndDialog was called
    INT_PTR result;
};

struct PlatformState {
    Display* display;
    double scale;                         // desktop pixels per 96-dpi pixel, 1 on a 96-dpi desktop
    bool classRegistered;
    WNDCLASS windowClass;
    std::string className;
    std::vector<PlatformWindow*> windows; // live windows; handles are checked against it
    std::deque<MSG> queue;                // posted messages, in order
    bool quitPosted;
    int quitCode;
    std::vector<XVisualInfo> formats;     // pixel formats: GL-capable visuals, index + 1
    bool resourcesParsed;
    ResourceScript resources;
    std::string lastError;
};

extern PlatformState g_platform;

// Records why a call failed ("GLX: no double-buffered RGBA visual"); the
// caller returns FALSE or NULL as Win32 does. CreateWindowEx clears it.
void ReportError(const char* area, const char* format, ...);

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
    bool dialog;       // a modal dialog of OWNER: no minimise, maximise or resize
    Window owner;
    const char* title;
    int x;
    int y;
    int width;         // main window: the outer size, frame included;
    int height;        // dialog: the client size
};
// The window, with its client size; 0 with the cause reported.
Window CreateTopLevel(const TopLevel& style, int* clientWidth, int* clientHeight);
// FRAME takes WINDOW as its own, as if FLTK had made it.
void AdoptTopLevel(Fl_Window* frame, Window window);
void ShowTopLevel(Fl_Window* frame);

// The live record behind a handle, or null for a stale or foreign one.
PlatformWindow* WindowFromHandle(HWND window);
HWND HandleOf(PlatformWindow* window);

// Calls the window's procedure directly, as Win32's SendMessage does.
LRESULT SendToWindow(PlatformWindow* window, UINT message, WPARAM wParam, LPARAM lParam);
void PostToQueue(PlatformWindow* window, UINT message, WPARAM wParam, LPARAM lParam);

// Fetches the next message to dispatch, waiting in the toolkit; false on WM_QUIT.
bool NextMessage(MSG* msg);

const ResourceScript& Resources();

int MenuBarHeight();
PlatformMenu* CreateMenuBar(PlatformWindow* owner, const MenuTemplate& menu, int width, int height);
void DestroyMenuBar(PlatformMenu* menu);
// Takes a key the menus own (system keys, and every key while they are active); false if not theirs.
bool MenuHandlesKey(PlatformMenu* menu, int flKey, int flState);
void MenuKeyUp(PlatformMenu* menu, int flKey);
void CloseMenus(PlatformMenu* menu);

// The live device context behind a handle, and its pixel format's visual (null before one is set).
PlatformDC* DeviceContextOf(HDC dc);
const XVisualInfo* VisualOf(HDC dc);

// The client area's X window, made by SetPixelFormat with the chosen visual.
bool CreateGlWindow(PlatformWindow* window, const XVisualInfo& visual);

#endif
