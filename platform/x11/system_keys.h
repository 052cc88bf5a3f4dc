// Which FLTK key events belong to the menu bar rather than the window.
#ifndef ROBOT_OXEL_X11_SYSTEM_KEYS_H
#define ROBOT_OXEL_X11_SYSTEM_KEYS_H

// Keys Win32 gives to the menu bar (WM_SYSKEYDOWN) rather than to the window.
bool IsSystemKey(int flKey, int flState);

#endif
