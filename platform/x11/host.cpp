// The Linux host's table for the core. Messages from FLTK's callbacks are
// posted while GetMessage waits in Fl::wait, on this thread, so nothing has
// to wake it.
#include "state.h"

#include <FL/Fl.H>

namespace {

void Poll()
{
    // What X has already delivered becomes messages, without waiting.
    Fl::check();
}

void Wait()
{
    Fl::wait(1e20);
}

void Wake() {}

const HostPlatform kX11 = {
    OpenDisplay,    MakeFrame, ShowFrame,   IsOnScreen,  DestroyFrame,   Activate,
    ClientOrigin,   DrawMenu,  MeasureText, MakeControl, SetControlText, FocusControl,
    FocusedControl, Poll,      Wait,        Wake,        true,
};

} // namespace

const HostPlatform& NativeHost()
{
    return kX11;
}
