#include "host.h"

#include <stdarg.h>
#include <stdio.h>

#include <algorithm>

#include "embedded.h"

HostState g_host;

namespace {

MSG Message(HostWindow* window, UINT message, WPARAM wParam, LPARAM lParam)
{
    MSG msg = {};
    msg.hwnd = window ? HandleOf(window) : NULL;
    msg.message = message;
    msg.wParam = wParam;
    msg.lParam = lParam;
    return msg;
}

HostWindow* WindowToPaint()
{
    for (HostWindow* window : g_host.windows) {
        if (window->kind == KIND_MAIN && window->invalid && !window->destroying &&
            HostCanPaint(window))
            return window;
    }
    return nullptr;
}

} // namespace

// The first failure names the cause; what fails after it is only a consequence.
void ReportError(const char* area, const char* format, ...)
{
    if (!g_host.lastError.empty())
        return;
    char text[512];
    va_list args;
    va_start(args, format);
    vsnprintf(text, sizeof text, format, args);
    va_end(args);
    g_host.lastError = std::string(area) + ": " + text;
}

HostWindow* LiveWindow(HWND window)
{
    auto* record = reinterpret_cast<HostWindow*>(window);
    const auto& live = g_host.windows;
    return std::find(live.begin(), live.end(), record) != live.end() ? record : nullptr;
}

HWND HandleOf(HostWindow* window)
{
    return reinterpret_cast<HWND>(window);
}

void ForgetWindow(HostWindow* window)
{
    auto& live = g_host.windows;
    live.erase(std::remove(live.begin(), live.end(), window), live.end());
}

bool FindClass(LPCSTR className, const WNDCLASS** windowClass, const MenuTemplate** menu)
{
    if (!g_host.classRegistered || !className || g_host.className != className) {
        ReportError("USER32", "window class '%s' is not registered", className ? className : "");
        return false;
    }
    *windowClass = &g_host.windowClass;
    *menu = nullptr;
    LPCSTR name = g_host.windowClass.lpszMenuName;
    if (name && (!IS_INTRESOURCE(name) || !(*menu = FindMenuTemplate(Resources(), LOWORD(name))))) {
        ReportError("USER32", "no menu resource %s in robot_oxel.rc",
                    IS_INTRESOURCE(name) ? std::to_string(LOWORD(name)).c_str() : name);
        return false;
    }
    return true;
}

// NOTE: Win32 sends WM_CREATE before CreateWindowEx returns; a -1 destroys the window.
bool SendCreate(HostWindow* window)
{
    if (SendToWindow(window, WM_CREATE, 0, 0) != -1)
        return true;
    if (g_host.lastError.empty())
        ReportError("USER32", "the window refused to be created");
    std::string cause = g_host.lastError;
    DestroyWindow(HandleOf(window));
    g_host.lastError = cause;
    return false;
}

LRESULT SendToWindow(HostWindow* window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (window->kind == KIND_DIALOG)
        return window->dialogProc(HandleOf(window), message, wParam, lParam);
    return window->proc(HandleOf(window), message, wParam, lParam);
}

void PostToQueue(HostWindow* window, UINT message, WPARAM wParam, LPARAM lParam)
{
    g_host.queue.push_back(Message(window, message, wParam, lParam));
    HostWake();
}

bool NextMessage(MSG* msg)
{
    for (;;) {
        HostPoll();
        if (!g_host.queue.empty()) {
            *msg = g_host.queue.front();
            g_host.queue.pop_front();
            return true;
        }
        if (g_host.quitPosted) {
            *msg = Message(nullptr, WM_QUIT, static_cast<WPARAM>(g_host.quitCode), 0);
            return false;
        }
        // NOTE: WM_PAINT is never queued; like Win32 it is made up when nothing else waits,
        // once for every invalidation before it.
        if (HostWindow* window = WindowToPaint()) {
            *msg = Message(window, WM_PAINT, 0, 0);
            return true;
        }
        HostWait();
    }
}

// Messages for every window are dispatched meanwhile, so the owner still repaints.
INT_PTR RunDialog(HostWindow* dialog)
{
    MSG msg;
    while (!dialog->ended && NextMessage(&msg))
        DispatchMessage(&msg);
    return dialog->ended ? dialog->result : 0;
}

// Parsed once; a broken script is a build mistake, reported like any failure.
const ResourceScript& Resources()
{
    static ResourceScript resources;
    static bool parsed = false;
    if (!parsed) {
        std::string error;
        if (!ParseResourceScript(g_resourceScript, g_resourceHeader, &resources, &error))
            ReportError("resources", "robot_oxel.rc %s", error.c_str());
        parsed = true;
    }
    return resources;
}

bool IsChecked(const HostMenu* menu, UINT id)
{
    return std::find(menu->checked.begin(), menu->checked.end(), id) != menu->checked.end();
}

ATOM WINAPI RegisterClass(const WNDCLASS* windowClass)
{
    if (g_host.classRegistered || !windowClass->lpszClassName || !windowClass->lpfnWndProc) {
        ReportError("USER32", "only one window class can be registered");
        return 0;
    }
    g_host.windowClass = *windowClass;
    g_host.className = windowClass->lpszClassName;
    g_host.windowClass.lpszClassName = g_host.className.c_str();
    g_host.classRegistered = true;
    return 1;
}

LRESULT WINAPI DefWindowProc(HWND window, UINT message, WPARAM, LPARAM)
{
    if (message == WM_CLOSE)
        DestroyWindow(window);
    return 0;
}

BOOL WINAPI GetMessage(LPMSG msg, HWND, UINT, UINT)
{
    return NextMessage(msg) ? TRUE : FALSE;
}

BOOL WINAPI TranslateMessage(const MSG*)
{
    return FALSE;
}

LRESULT WINAPI DispatchMessage(const MSG* msg)
{
    HostWindow* window = LiveWindow(msg->hwnd);
    return window ? SendToWindow(window, msg->message, msg->wParam, msg->lParam) : 0;
}

void WINAPI PostQuitMessage(int exitCode)
{
    g_host.quitPosted = true;
    g_host.quitCode = exitCode;
    HostWake();
}

BOOL WINAPI InvalidateRect(HWND handle, const RECT*, BOOL)
{
    HostWindow* window = LiveWindow(handle);
    if (!window)
        return FALSE;
    window->invalid = true;
    HostWake();
    return TRUE;
}

// Only the whole client area is tracked: a partial rectangle leaves it invalid.
BOOL WINAPI ValidateRect(HWND handle, const RECT* rect)
{
    HostWindow* window = LiveWindow(handle);
    if (!window)
        return FALSE;
    if (!rect)
        window->invalid = false;
    return TRUE;
}

// Every host's default cursor is the arrow; the handle only has to be non-null.
HCURSOR WINAPI LoadCursor(HINSTANCE, LPCSTR)
{
    static int arrow;
    return reinterpret_cast<HCURSOR>(&arrow);
}

HMENU WINAPI GetMenu(HWND handle)
{
    HostWindow* window = LiveWindow(handle);
    return window ? reinterpret_cast<HMENU>(window->menu) : NULL;
}

DWORD WINAPI CheckMenuItem(HMENU handle, UINT id, UINT check)
{
    auto* menu = reinterpret_cast<HostMenu*>(handle);
    bool known = false;
    for (size_t i = 0; menu && i < menu->menuTemplate->items.size(); i++) {
        for (const MenuItemTemplate& item : menu->menuTemplate->items[i].items)
            known = known || item.id == id;
    }
    if (!known)
        return static_cast<DWORD>(-1);
    DWORD previous = IsChecked(menu, id) ? MF_CHECKED : MF_UNCHECKED;
    menu->checked.erase(std::remove(menu->checked.begin(), menu->checked.end(), id),
                        menu->checked.end());
    if (check & MF_CHECKED)
        menu->checked.push_back(id);
    HostMenuChanged(menu);
    return previous;
}

BOOL WINAPI EndDialog(HWND handle, INT_PTR result)
{
    HostWindow* dialog = LiveWindow(handle);
    if (!dialog || dialog->kind != KIND_DIALOG)
        return FALSE;
    dialog->ended = true;
    dialog->result = result;
    HostWake();
    return TRUE;
}
