// Physical keys to Win32 virtual-key codes, for every host: X keysyms (which
// FLTK reports as its key numbers) and the DOM's KeyboardEvent.code names.
#ifndef ROBOT_OXEL_COMMON_KEYS_H
#define ROBOT_OXEL_COMMON_KEYS_H

#include <windows.h>

// The virtual-key code of an X keysym, or 0 for a key Win32 has no code for.
// Letters are the lower-case keysyms, which is what X and FLTK report unshifted.
UINT VirtualKeyFromKeysym(unsigned long keysym);

// The virtual-key code of a KeyboardEvent.code ("ArrowLeft", "Digit1", "Numpad1"), or 0.
UINT VirtualKeyFromCode(const char* code);

#endif
