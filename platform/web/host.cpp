// What the core's message loop asks of the browser. GetMessage waits on a promise that
// the browser's event callbacks resolve; Asyncify suspends the program
// meanwhile, so the page stays live and a modal dialog's nested loop waits
// the same way.
#include "state.h"

#include <emscripten/bind.h>

WebState g_web;

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

} // namespace

// The browser's events come as callbacks while the program waits.
void HostPoll() {}

void HostWait()
{
    val::global("Promise").new_(val::module_property("robotOxelKeepWake")).await();
}

void HostWake()
{
    if (g_web.wake.isUndefined())
        return;
    val wake = g_web.wake;
    g_web.wake = val::undefined();
    wake();
}

// NOTE: a page is on the screen as soon as it is laid out; nothing else maps it.
bool HostOnScreen(CoreWindow*)
{
    return true;
}

// The document has the keyboard; the core routes keys to the topmost window.
void HostActivate(CoreWindow*) {}

// NOTE: what the browser's callbacks cause is posted: the program is suspended in a wait.
const bool kHostCallbacksSend = false;
