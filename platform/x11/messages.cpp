// What the shared message loop asks of the toolkit: messages from FLTK's
// callbacks are posted while GetMessage waits in Fl::wait, on this thread,
// so nothing has to wake it.
#include "state.h"

#include <FL/Fl.H>

void HostPoll()
{
    // What X has already delivered becomes messages, without waiting.
    Fl::check();
}

void HostWait()
{
    Fl::wait(1e20);
}

void HostWake() {}

bool HostCanPaint(HostWindow* host)
{
    auto* window = static_cast<PlatformWindow*>(host);
    return window->visible && !window->minimised;
}
