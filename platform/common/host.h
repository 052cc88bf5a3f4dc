// What every host of the Win32 subset keeps the same way behind the handles:
// its windows and their registry, the message queue (WM_PAINT made up when
// nothing else waits, WM_QUIT last), menus' check marks, dialogs' ends, the
// first failure's cause and the program's parsed resources. A host derives
// its window and menu records from these and gives the hooks at the end the
// meaning of its toolkit.
//
// Implemented here: RegisterClass (one class), DefWindowProc (WM_CLOSE), GetMessage,
// TranslateMessage (does nothing), DispatchMessage, PostQuitMessage, InvalidateRect and
// ValidateRect (whole client only), LoadCursor (the arrow), GetMenu, CheckMenuItem, EndDialog.
#ifndef ROBOT_OXEL_COMMON_HOST_H
#define ROBOT_OXEL_COMMON_HOST_H

#include <windows.h>

#include <deque>
#include <string>
#include <vector>

#include "menu_model.h"
#include "resource_script.h"

enum WindowKind { KIND_MAIN, KIND_DIALOG };

struct HostWindow;

struct HostMenu {
    const MenuTemplate* menuTemplate; // the popups, as the resource script has them
    std::vector<UINT> checked;        // ids that carry a check mark, as the program set them
    MenuState state;                  // what is highlighted and open
    HostWindow* owner;
};

struct HostWindow {
    WindowKind kind;
    WNDPROC proc;       // main windows
    DLGPROC dialogProc; // dialogs
    HostMenu* menu;
    bool invalid; // needs WM_PAINT
    bool destroying;
    bool ended;     // dialogs: EndDialog was called
    INT_PTR result; // dialogs: given to EndDialog
};

struct HostState {
    bool classRegistered;
    WNDCLASS windowClass;
    std::string className;
    std::vector<HostWindow*> windows; // live windows; handles are checked against it
    std::deque<MSG> queue;            // posted messages, in order
    bool quitPosted;
    int quitCode;
    std::string lastError;
};

extern HostState g_host;

// Records why a call failed ("GLX: no double-buffered RGBA visual"); the
// caller returns FALSE or NULL as Win32 does. CreateWindowEx clears it.
void ReportError(const char* area, const char* format, ...);

// The live record behind a handle, or null for a stale or foreign one.
HostWindow* LiveWindow(HWND window);
HWND HandleOf(HostWindow* window);
void ForgetWindow(HostWindow* window);

// The registered class of that name and its menu template (null for none),
// or false with the cause reported.
bool FindClass(LPCSTR className, const WNDCLASS** windowClass, const MenuTemplate** menu);
// Sends WM_CREATE to a window just made; if it refuses, destroys the window
// keeping the cause, and returns false.
bool SendCreate(HostWindow* window);

// Calls the window's procedure directly, as Win32's SendMessage does.
LRESULT SendToWindow(HostWindow* window, UINT message, WPARAM wParam, LPARAM lParam);
void PostToQueue(HostWindow* window, UINT message, WPARAM wParam, LPARAM lParam);
// Fetches the next message to dispatch, waiting in the host; false on WM_QUIT.
bool NextMessage(MSG* msg);

// Dispatches every window's messages until the dialog ends (or WM_QUIT
// comes); its EndDialog result, or 0.
INT_PTR RunDialog(HostWindow* dialog);

// The program's resource script, parsed on first use.
const ResourceScript& Resources();
bool IsChecked(const HostMenu* menu, UINT id);

// Each host's: take in what the toolkit has received, without waiting.
void HostPoll();
// Wait until the toolkit has something: an event, a posted message.
void HostWait();
// A message was posted or a window invalidated: end HostWait if it waits.
void HostWake();
// Whether a main window is on the screen to be painted.
bool HostCanPaint(HostWindow* window);
// The check marks of a menu changed.
void HostMenuChanged(HostMenu* menu);

#endif
