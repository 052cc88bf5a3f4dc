// What the core's message loop asks of the browser. GetMessage waits on a promise that
// the browser's event callbacks resolve; Asyncify suspends the program
// meanwhile, so the page stays live and a modal dialog's nested loop waits
// the same way.
#include "state.h"

#include <emscripten/emscripten.h>

WebState g_web;

// The resolve function of the promise the program waits on, kept on the module.
// clang-format off
EM_ASYNC_JS(void, WaitForWake, (), {
    await new Promise((resolve) => { Module.robotOxelWake = resolve; });
});
EM_JS(void, Wake, (), {
    const wake = Module.robotOxelWake;
    Module.robotOxelWake = null;
    if (wake) wake();
});
// clang-format on

// The browser's events come as callbacks while the program waits.
void HostPoll() {}

void HostWait()
{
    WaitForWake();
}

void HostWake()
{
    Wake();
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
