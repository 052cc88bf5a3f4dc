// Keys over XKB: the virtual-key code of the X key event FLTK is handling,
// by the key's physical position (its XKB name), as Windows reports it on
// every layout. Not implemented: scan codes and the extended-key bit of lParam.
#include "state.h"

#include <FL/x.H>
#include <X11/XKBlib.h>
#include <string.h>

#include "keys.h"

namespace {

// The keys of every X keycode, by the names XKB gives the keycodes.
void ReadKeyNames(Display* display, std::vector<KeyPosition>* keys)
{
    keys->assign(256, KeyPosition{0, 0});
    XkbDescPtr desc = XkbGetMap(display, 0, XkbUseCoreKbd);
    if (!desc)
        return;
    if (XkbGetNames(display, XkbKeyNamesMask, desc) == Success && desc->names) {
        for (int keycode = desc->min_key_code; keycode <= desc->max_key_code; keycode++) {
            char name[XkbKeyNameLength + 1] = {};
            memcpy(name, desc->names->keys[keycode].name, XkbKeyNameLength);
            (*keys)[keycode] = KeyFromXkbName(name);
        }
    }
    XkbFreeKeyboard(desc, 0, True);
}

} // namespace

UINT VirtualKeyOfEvent()
{
    if (!fl_xevent || (fl_xevent->type != KeyPress && fl_xevent->type != KeyRelease))
        return 0;
    if (g_platform.keys.empty())
        ReadKeyNames(g_platform.display, &g_platform.keys);
    const XKeyEvent& event = fl_xevent->xkey;
    auto keycode = static_cast<KeyCode>(event.keycode);
    // The first level of the group in use, or of the first group on a key that has fewer.
    KeySym typed =
        XkbKeycodeToKeysym(g_platform.display, keycode, XkbGroupForCoreState(event.state), 0);
    if (typed == NoSymbol)
        typed = XkbKeycodeToKeysym(g_platform.display, keycode, 0, 0);
    return VirtualKeyOnLayout(g_platform.keys[keycode], typed);
}
