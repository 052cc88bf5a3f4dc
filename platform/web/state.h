// The browser host's records behind the Win32 handles, and its one state
// struct. Internal to platform/web: emscripten::val may appear here, never
// in windows.h.
#ifndef ROBOT_OXEL_WEB_STATE_H
#define ROBOT_OXEL_WEB_STATE_H

#include <windows.h>

#include <emscripten/val.h>

#include <string>
#include <vector>

#include "host.h"

using emscripten::val;

struct WebWindow;

struct WebDC {
    WebWindow* window;
};

struct WebMenu : HostMenu {
    val barElement = val::undefined();
    val popupElement = val::null(); // the open popup
};

struct WebControl {
    int id;
    val element = val::undefined();
};

struct WebWindow : HostWindow {
    val frame = val::undefined();  // the outer box: caption, menu bar, client area
    val canvas = val::undefined(); // main windows: the client area
    val webgl = val::null();       // the canvas's WebGL context, made on first need
    WebDC dc;
    bool pixelFormatSet;
    int clientWidth;
    int clientHeight;
    bool shown;                       // ShowWindow made it visible
    std::vector<WebControl> controls; // dialogs
    int defaultButton;                // dialogs: the DEFPUSHBUTTON's id
};

// A drag of a window's sizing border.
struct Sizing {
    WebWindow* window;             // null when no drag is under way
    bool left, top, right, bottom; // the edges that follow the mouse
    long startX, startY;
    int startLeft, startTop, startWidth, startHeight;
};

struct WebState {
    val wake = val::undefined(); // resolves the promise GetMessage waits on
    bool inputHooked;
    bool altAlone; // Alt is down and no other key came since
    Sizing sizing;
};

extern WebState g_web;

// The live window behind a handle, or null for a stale or foreign one.
inline WebWindow* WindowFromHandle(HWND window)
{
    return static_cast<WebWindow*>(LiveWindow(window));
}
// The topmost dialog, which has the keyboard and the mouse, or null.
WebWindow* ModalDialog();

// Keyboard and mouse from the document, translated once for every window.
void HookInput();

// Menu bar (menu.cpp).
WebMenu* CreateMenuBar(WebWindow* owner, const MenuTemplate& bar, val parent);
void DestroyMenuBar(HostMenu* menu);
// A key while the window has the keyboard (VK_MENU: Alt pressed and
// released alone); true if the menu took it.
bool MenuKey(HostMenu* menu, UINT vk, bool alt);
// A mouse event, with what lies under it on the window ("title:1", "item:2")
// or "" elsewhere; true if the menu took it.
bool MenuMouse(HostMenu* menu, int eventType, const std::string& hit);

// Dialogs (dialog.cpp).
bool DialogKey(WebWindow* dialog, UINT vk);
void DialogClick(WebWindow* dialog, const std::string& hit);

// Windows (window.cpp): a frame with its caption and close box, its sizing border.
val NewWindowFrame(WebWindow* window, const char* title);
void StartSizing(WebWindow* window, long clientX, long clientY);
void TrackSizing(long clientX, long clientY);
// The canvas's device-pixel size may have changed (a resize, a new device pixel ratio): WM_SIZE if
// it did.
void ClientSizeChanged(WebWindow* window);
void CloseBox(WebWindow* window);

#endif
