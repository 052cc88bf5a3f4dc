// The browser host's records behind the Win32 handles, and its one state
// struct. Internal to platform/web: emscripten::val may appear here, never
// in windows.h.
#ifndef ROBOT_OXEL_WEB_STATE_H
#define ROBOT_OXEL_WEB_STATE_H

#include <windows.h>

#include <emscripten/val.h>

#include <deque>
#include <string>
#include <vector>

#include "menu_model.h"
#include "resource_script.h"

using emscripten::val;

struct WebWindow;

struct WebDC {
    WebWindow* window;
};

struct WebMenu {
    const MenuTemplate* bar;   // the popups, as the resource script has them
    std::vector<UINT> checked; // ids that carry a check mark, as the program set them
    WebWindow* owner;
    val barElement = val::undefined();
    val popupElement = val::null(); // the open popup
    MenuState state;                // what is highlighted and open
};

enum WindowKind { KIND_MAIN, KIND_DIALOG };

struct WebControl {
    int id;
    val element = val::undefined();
};

struct WebWindow {
    WindowKind kind;
    WNDPROC proc;        // main windows
    DLGPROC dialogProc;  // dialogs
    val frame = val::undefined();  // the outer box: caption, menu bar, client area
    val canvas = val::undefined(); // main windows: the client area
    val webgl = val::null();       // the canvas's WebGL context, made on first need
    WebMenu* menu;
    WebDC dc;
    bool pixelFormatSet;
    int clientWidth;
    int clientHeight;
    bool shown;   // ShowWindow made it visible
    bool invalid; // needs WM_PAINT
    bool destroying;
    std::vector<WebControl> controls; // dialogs
    int defaultButton;                // dialogs: the DEFPUSHBUTTON's id
    bool ended;                       // dialogs: EndDialog was called
    INT_PTR result;
};

// A drag of a window's sizing border.
struct Sizing {
    WebWindow* window; // null when no drag is under way
    bool left, top, right, bottom; // the edges that follow the mouse
    long startX, startY;
    int startLeft, startTop, startWidth, startHeight;
};

struct WebState {
    bool classRegistered;
    WNDCLASS windowClass;
    std::string className;
    std::vector<WebWindow*> windows; // live windows; handles are checked against it
    std::deque<MSG> queue;           // posted messages, in order
    bool quitPosted;
    int quitCode;
    val wake = val::undefined(); // resolves the promise GetMessage waits on
    bool resourcesParsed;
    ResourceScript resources;
    std::string lastError;
    bool inputHooked;
    bool altAlone; // Alt is down and no other key came since
    Sizing sizing;
};

extern WebState g_web;

// Records why a call failed ("WebGL: no context"); the caller returns FALSE
// or NULL as Win32 does. CreateWindowEx clears it.
void ReportError(const char* area, const char* format, ...);

// The live record behind a handle, or null for a stale or foreign one.
WebWindow* WindowFromHandle(HWND window);
HWND HandleOf(WebWindow* window);
// The topmost dialog, which has the keyboard and the mouse, or null.
WebWindow* ModalDialog();

// Calls the window's procedure directly, as Win32's SendMessage does.
LRESULT SendToWindow(WebWindow* window, UINT message, WPARAM wParam, LPARAM lParam);
// Queues a message and wakes GetMessage.
void PostToQueue(WebWindow* window, UINT message, WPARAM wParam, LPARAM lParam);
// Wakes GetMessage, waiting for a message or a paint, if it is.
void WakeMessageLoop();
// Fetches the next message to dispatch, waiting for the browser; false on WM_QUIT.
bool NextMessage(MSG* msg);

const ResourceScript& Resources();

// Keyboard and mouse from the document, translated once for every window.
void HookInput();

// Menu bar (menu.cpp).
WebMenu* CreateMenuBar(WebWindow* owner, const MenuTemplate& bar, val parent);
void DestroyMenuBar(WebMenu* menu);
// A key while the window has the keyboard (VK_MENU: Alt pressed and
// released alone); true if the menu took it.
bool MenuKey(WebMenu* menu, UINT vk, bool alt);
// A mouse event, with what lies under it on the window ("title:1", "item:2")
// or "" elsewhere; true if the menu took it.
bool MenuMouse(WebMenu* menu, int eventType, const std::string& hit);

// Dialogs (dialog.cpp).
bool DialogKey(WebWindow* dialog, UINT vk);
void DialogClick(WebWindow* dialog, const std::string& hit);

// Windows (window.cpp): a frame with its caption and close box, its sizing border.
val NewWindowFrame(WebWindow* window, const char* title);
void StartSizing(WebWindow* window, long clientX, long clientY);
void TrackSizing(long clientX, long clientY);
void CloseBox(WebWindow* window);

#endif
