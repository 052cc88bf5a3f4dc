// The browser host's table for the core. GetMessage waits on a promise that
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

// The browser's events come as callbacks while the program waits.
void Poll() {}

void Wait()
{
    val::global("Promise").new_(val::module_property("robotOxelKeepWake")).await();
}

void Wake()
{
    if (g_web.wake.isUndefined())
        return;
    val wake = g_web.wake;
    g_web.wake = val::undefined();
    wake();
}

// NOTE: a page is on the screen as soon as it is laid out; nothing else maps it.
bool OnScreen(CoreWindow*)
{
    return true;
}

// The document has the keyboard; the core routes keys to the topmost window.
void Activate(CoreWindow*) {}

const HostPlatform kWeb = {
    HookInput,
    MakeFrame,
    ShowFrame,
    OnScreen,
    DestroyFrame,
    Activate,
    ClientOrigin,
    DrawMenu,
    MeasureText,
    MakeControl,
    SetControlText,
    FocusControl,
    FocusedControl,
    Poll,
    Wait,
    Wake,
    // NOTE: what the browser's callbacks cause is posted: the program is suspended in a wait.
    false,
};

} // namespace

const HostPlatform& NativeHost()
{
    return kWeb;
}
