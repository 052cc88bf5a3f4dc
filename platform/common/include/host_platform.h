// The Win32 core and the hosts under it. The core (core.cpp) is USER32 as
// the program sees it, once for every host: the window and dialog lifecycle
// and their message order, the queue and its paint rules, dialog units and
// the layout of a dialog's controls, the menu bar's whole state machine
// (menu_model.h), modality and the focus given back to the owner. A host is
// the native primitives Host… below, and turns its toolkit's events into
// the Core… calls at the end.
//
// Implemented by the core: RegisterClass (one class), CreateWindowEx, ShowWindow,
// UpdateWindow, DestroyWindow, DefWindowProc (WM_CLOSE), GetMessage, TranslateMessage
// (does nothing), DispatchMessage, PostQuitMessage, InvalidateRect and ValidateRect (whole
// client only), LoadCursor (the arrow), GetDC, GetMenu, CheckMenuItem, DialogBoxParam,
// EndDialog, SetDlgItemText, ChoosePixelFormat, SetPixelFormat, GetPixelFormat,
// DescribePixelFormat, SelectPalette, UpdateColors. Each host's own: the rest of GDI
// and WGL (palettes, contexts, SwapBuffers), which are native through and through.
#ifndef ROBOT_OXEL_COMMON_HOST_PLATFORM_H
#define ROBOT_OXEL_COMMON_HOST_PLATFORM_H

#include <windows.h>

#include <string>
#include <vector>

#include "menu_model.h"
#include "resource_script.h"

enum WindowKind { KIND_MAIN, KIND_DIALOG };

struct CoreWindow;
struct NativeWindow; // each host's own: its frame, client surface, menu and controls

struct CoreMenu {
    const MenuTemplate* menuTemplate; // the popups, as the resource script has them
    std::vector<UINT> checked;        // ids that carry a check mark, as the program set them
    MenuState state;                  // what is highlighted and open
    CoreWindow* owner;
};

struct CoreDC {
    CoreWindow* window;
    HPALETTE palette; // selected palette, or null
    int pixelFormat;  // 1-based, 0 before SetPixelFormat
};

struct CoreWindow {
    WindowKind kind;
    WNDPROC proc; // the window procedure, or a dialog's (DLGPROC, of the same type here)
    const DialogTemplate* dialogTemplate;
    CoreMenu* menu;
    CoreDC dc;
    NativeWindow* native;
    int clientWidth; // pixels
    int clientHeight;
    bool visible;   // shown by ShowWindow (Win32's WS_VISIBLE)
    bool minimised; // the host says it is iconified
    bool invalid;   // needs WM_PAINT
    bool destroying;
    bool ended;     // dialogs: EndDialog was called
    INT_PTR result; // dialogs: given to EndDialog
};

// A frame to make: its caption and where it goes, in the host's pixels
// counted from the top-left corner of its desktop.
struct FrameStyle {
    const char* title;
    int x, y, width, height; // main windows: the outer size; dialogs: the client's
    CoreWindow* owner;       // dialogs: the window they are modal for, or null
    const char* className;   // the registered window class
};

// What a host provides, each defined once by platform/x11, platform/web or
// the tests' stand-in and bound when linking, as GLFW 3.3's _glfwPlatform…
// functions are. One that can fail reports why (ReportError) and returns false.
bool HostOpen(); // the display and the input hooks, on first use
// Frames: the top-level window with its caption and, for main windows, the
// menu bar and the client surface; sets the client size, not shown yet.
bool HostMakeFrame(CoreWindow* window, const FrameStyle& style);
void HostShowFrame(CoreWindow* window, int cmdShow, bool wasVisible);
bool HostOnScreen(CoreWindow* window); // mapped and viewable, so a paint can show
void HostDestroyFrame(CoreWindow* window);
void HostActivate(CoreWindow* window); // gives it the keyboard
void HostClientOrigin(CoreWindow* window, int* x, int* y);
// GL surfaces: how many pixel formats a window may have (1-based, main plane
// only), one's description, and the client surface made with one.
int HostPixelFormats(CoreWindow* window);
void HostDescribePixelFormat(CoreWindow* window, int format, PIXELFORMATDESCRIPTOR* pfd);
bool HostMakeSurface(CoreWindow* window, int format);
// Menus: shows what menu->state says (the lit title, the open popup, the marks).
void HostDrawMenu(CoreMenu* menu);
// Dialogs: the width of TEXT and the font's height in the dialog's font; controls by index.
void HostMeasureText(const DialogTemplate& dialog, const char* text, int* width, int* height);
void HostMakeControl(CoreWindow* dialog, const ControlTemplate& control, int x, int y, int width,
                     int height);
void HostSetControlText(CoreWindow* dialog, int index, const char* text);
void HostFocusControl(CoreWindow* dialog, int index);
int HostFocusedControl(CoreWindow* dialog); // or -1
// Waiting: take in what the toolkit has without waiting; wait for more; end
// a wait because something was posted or invalidated.
void HostPoll();
void HostWait();
void HostWake();
// Whether the toolkit's callbacks may call a window procedure; if not, what
// they cause is posted (it still comes before the WM_PAINT it needs).
extern const bool kHostCallbacksSend;

// Starts the core afresh with the program's resource script (its text and
// its header's), for every call after; the executable's entry hands them over.
void StartCore(const char* script, const char* header);

// Records why a call failed ("GDI32: no double-buffered RGBA pixel format"); the
// caller returns FALSE or NULL as Win32 does. CreateWindowEx clears it.
void ReportError(const char* area, const char* format, ...);
const std::string& LastError();

// The live record behind a handle, or null for a stale or foreign one.
CoreWindow* LiveWindow(HWND window);
HWND HandleOf(CoreWindow* window);
CoreDC* LiveDC(HDC dc);
const std::vector<CoreWindow*>& Windows();
CoreWindow* MainWindow();  // the first main window not being destroyed, or null
CoreWindow* ModalDialog(); // the topmost dialog, which has the keyboard and the mouse, or null
bool IsChecked(const CoreMenu* menu, UINT id);

// What the toolkit tells, from its event callbacks.
void PostToQueue(CoreWindow* window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT SendToWindow(CoreWindow* window, UINT message, WPARAM wParam, LPARAM lParam);
// A key by virtual-key code (VK_MENU for Alt) with Alt held or not; false if
// nothing took it, so the toolkit may (Tab between a dialog's buttons).
bool CoreKeyDown(UINT vk, bool alt, bool repeat);
void CoreKeyUp(UINT vk);
// The mouse over the menus: what lies under it (-1 for neither); false if the menus leave it.
bool CoreMenuMouse(CoreWindow* window, MenuMouseEvent event, int title, int item);
void CoreClientSized(CoreWindow* window, int width, int height);
void CoreMinimised(CoreWindow* window, bool minimised);
void CoreButton(CoreWindow* dialog, int id); // a push button clicked
void CoreClose(CoreWindow* window);          // the close box

#endif
