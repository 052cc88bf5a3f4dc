// The message queue: posted messages in order, WM_PAINT when nothing else is
// waiting, WM_QUIT last. Messages from the toolkit are posted by its
// callbacks while GetMessage waits in Fl::wait.
#include "state.h"

#include <FL/Fl.H>

void PostToQueue(PlatformWindow* window, UINT message, WPARAM wParam, LPARAM lParam)
{
    MSG msg = {};
    msg.hwnd = HandleOf(window);
    msg.message = message;
    msg.wParam = wParam;
    msg.lParam = lParam;
    g_platform.queue.push_back(msg);
}

LRESULT SendToWindow(PlatformWindow* window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (window->kind == KIND_DIALOG)
        return window->dialogProc(HandleOf(window), message, wParam, lParam);
    return window->proc(HandleOf(window), message, wParam, lParam);
}

namespace {

PlatformWindow* WindowToPaint()
{
    for (PlatformWindow* window : g_platform.windows) {
        if (window->kind == KIND_MAIN && window->invalid && window->visible &&
            !window->minimised && !window->destroying)
            return window;
    }
    return nullptr;
}

} // namespace

bool NextMessage(MSG* msg)
{
    for (;;) {
        // Let the toolkit turn what X has already delivered into messages, without waiting.
        Fl::check();
        if (!g_platform.queue.empty()) {
            *msg = g_platform.queue.front();
            g_platform.queue.pop_front();
            return true;
        }
        if (g_platform.quitPosted) {
            *msg = MSG();
            msg->message = WM_QUIT;
            msg->wParam = static_cast<WPARAM>(g_platform.quitCode);
            return false;
        }
        // NOTE: WM_PAINT is never queued; like Win32 it is made up when nothing else waits.
        if (PlatformWindow* window = WindowToPaint()) {
            *msg = MSG();
            msg->hwnd = HandleOf(window);
            msg->message = WM_PAINT;
            return true;
        }
        Fl::wait(1e20);
    }
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
    PlatformWindow* window = WindowFromHandle(msg->hwnd);
    if (!window)
        return 0;
    return SendToWindow(window, msg->message, msg->wParam, msg->lParam);
}

void WINAPI PostQuitMessage(int exitCode)
{
    g_platform.quitPosted = true;
    g_platform.quitCode = exitCode;
}
