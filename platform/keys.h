// Toolkit keys to Win32 virtual-key codes.
#ifndef ROBOT_OXEL_PLATFORM_KEYS_H
#define ROBOT_OXEL_PLATFORM_KEYS_H

#include <windows.h>

// The virtual-key code of an FLTK key (Fl::event_key()), or 0 for a key Win32 has no code for.
UINT TranslateKey(int flKey);

// Keys Win32 gives to the menu bar (WM_SYSKEYDOWN) rather than to the window.
bool IsSystemKey(int flKey, int flState);

#endif
