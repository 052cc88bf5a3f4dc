// What the core's message loop asks of FLTK. Messages from FLTK's callbacks are
// posted while GetMessage waits in Fl::wait, on this thread, so nothing has
// to wake it.
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

const bool kHostCallbacksSend = true;
