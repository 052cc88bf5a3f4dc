// The browser host's records behind the core's, and its one state struct.
// Internal to platform/web: val (js_value.h) may appear here, never in windows.h.
#ifndef ROBOT_OXEL_WEB_STATE_H
#define ROBOT_OXEL_WEB_STATE_H

#include <windows.h>

#include <string>
#include <vector>

#include "host_platform.h"
#include "js_value.h"

struct NativeWindow {
    val frame = val::undefined();  // the outer box: caption, menu bar, client area
    val canvas = val::undefined(); // main windows: the client area
    val webgl = val::null();       // the canvas's WebGL context, made on first need
    val bar = val::undefined();    // the menu bar
    val popup = val::null();       // the open popup
    val client = val::undefined(); // dialogs: the client area
    std::vector<val> controls;     // dialogs, in the template's order
};

// A drag of a window's sizing border.
struct Sizing {
    CoreWindow* window;            // null when no drag is under way
    bool left, top, right, bottom; // the edges that follow the mouse
    long startX, startY;
    int startLeft, startTop, startWidth, startHeight;
};

struct WebState {
    bool inputHooked;
    Sizing sizing;
    double scale = 1; // the desktop's, fitted to the screen (fit.cpp)
};

extern WebState g_web;

// Menu bar (menu.cpp).
val CreateMenuBar(const MenuTemplate& bar, val parent);

// Dialogs (dialog.cpp): the frame HostMakeFrame makes for one, a click on it.
bool MakeDialogFrame(CoreWindow* dialog, const FrameStyle& style);
void DialogClick(CoreWindow* dialog, const std::string& hit);

// Windows (window.cpp): a frame with its caption and close box, its sizing border.
val NewWindowFrame(CoreWindow* window, const char* title);
void StartSizing(CoreWindow* window, long clientX, long clientY);
void TrackSizing(long clientX, long clientY);
// The canvas's device-pixel size may have changed (a resize, a new device pixel ratio).
void ClientSizeChanged(CoreWindow* window);
// Scales the desktop so that the main window fits the screen, then tells it its client size;
// or the same from a callback once the program waits, for a frame shown or gone.
void FitDesktop();
extern "C" void RefitSoon();

// A key pressed, from the keyboard or the key pad, handed to the core; the picture's name
// (picture_name.cpp) counts those the window gets, and hears the menu drawn, and is renewed
// with each frame.
bool SendKey(UINT vk, bool alt, bool repeat);
void NoteMenuDrawn(const CoreMenu* menu);
void NamePicture(CoreWindow* window);
// The key pad (keypad.cpp): its buttons and the page's toggle made to work.
void HookKeypad();

#endif
