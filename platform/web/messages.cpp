// The message queue: posted messages in order, WM_PAINT when nothing else is
// waiting, WM_QUIT last. GetMessage waits on a promise that the browser's
// event callbacks resolve; Asyncify suspends the program meanwhile, so the
// page stays live and a modal dialog's nested loop waits the same way.
#include "state.h"

#include <emscripten/bind.h>

namespace {

// The executor of the promise GetMessage waits on: keeps its resolve function.
void KeepWake(val resolve, val)
{
    g_web.wake = resolve;
}

EMSCRIPTEN_BINDINGS(messages)
{
    emscripten::function("robotOxelKeepWake", &KeepWake);
}

void WaitForBrowser()
{
    val::global("Promise").new_(val::module_property("robotOxelKeepWake")).await();
}

WebWindow* WindowToPaint()
{
    for (WebWindow* window : g_web.windows) {
        if (window->kind == KIND_MAIN && window->invalid && window->shown && !window->destroying)
            return window;
    }
    return nullptr;
}

} // namespace

void WakeMessageLoop()
{
    if (g_web.wake.isUndefined())
        return;
    val wake = g_web.wake;
    g_web.wake = val::undefined();
    wake();
}

void PostToQueue(WebWindow* window, UINT message, WPARAM wParam, LPARAM lParam)
{
    MSG msg = {};
    msg.hwnd = HandleOf(window);
    msg.message = message;
    msg.wParam = wParam;
    msg.lParam = lParam;
    g_web.queue.push_back(msg);
    WakeMessageLoop();
}

LRESULT SendToWindow(WebWindow* window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (window->kind == KIND_DIALOG)
        return window->dialogProc(HandleOf(window), message, wParam, lParam);
    return window->proc(HandleOf(window), message, wParam, lParam);
}

bool NextMessage(MSG* msg)
{
    for (;;) {
        if (!g_web.queue.empty()) {
            *msg = g_web.queue.front();
            g_web.queue.pop_front();
            return true;
        }
        if (g_web.quitPosted) {
            *msg = MSG();
            msg->message = WM_QUIT;
            msg->wParam = static_cast<WPARAM>(g_web.quitCode);
            return false;
        }
        // NOTE: WM_PAINT is never queued; like Win32 it is made up when nothing else waits,
        // once for every invalidation before it.
        if (WebWindow* window = WindowToPaint()) {
            *msg = MSG();
            msg->hwnd = HandleOf(window);
            msg->message = WM_PAINT;
            return true;
        }
        WaitForBrowser();
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
    WebWindow* window = WindowFromHandle(msg->hwnd);
    if (!window)
        return 0;
    return SendToWindow(window, msg->message, msg->wParam, msg->lParam);
}

void WINAPI PostQuitMessage(int exitCode)
{
    g_web.quitPosted = true;
    g_web.quitCode = exitCode;
}
