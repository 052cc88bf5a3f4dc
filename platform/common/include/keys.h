// Physical keys to Win32 virtual-key codes, for every host: one table of the
// keys by the names XKB gives them ("AE01") and the DOM's KeyboardEvent.code
// names ("Digit1"), which name the same positions on the keyboard.
#ifndef ROBOT_OXEL_COMMON_KEYS_H
#define ROBOT_OXEL_COMMON_KEYS_H

#include <windows.h>

// A physical key: its virtual-key code on the US layout, and, for the keys
// whose code follows the layout (letters and punctuation), the character the
// US layout types on them (0 for the rest: Windows keeps the top-row digits,
// the keypad and the function keys on every layout).
struct KeyPosition {
    UINT vk; // 0 for a key Win32 has no code for
    char us;
};

// The key XKB names NAME ("AE01", "LALT", "FK10").
KeyPosition KeyFromXkbName(const char* name);

// The key KeyboardEvent.code names CODE ("Digit1", "AltLeft", "F10").
KeyPosition KeyFromCode(const char* code);

// The virtual-key code of KEY on the current layout, given TYPED, the keysym
// (or Unicode character) its layout puts on its first level, or 0: a Latin
// letter or US punctuation gives the code of the US key that types it, as
// Windows' own layouts do; any other character keeps the US position. A key
// with no name (code 0) goes by its character alone.
UINT VirtualKeyOnLayout(KeyPosition key, unsigned long typed);

#endif
