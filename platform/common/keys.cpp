#include "keys.h"

#include <stdlib.h>
#include <string.h>

namespace {

// Keys outside the ranges handled in code: X keysym, DOM code, virtual key.
struct KeyRow {
    unsigned long keysym;
    const char* code;
    UINT vk;
};

const KeyRow kKeys[] = {
    {0xff08, "Backspace", VK_BACK},
    {0xff09, "Tab", VK_TAB},
    {0xff0d, "Enter", VK_RETURN},
    {0xff8d, "NumpadEnter", VK_RETURN},
    {0xff13, "Pause", VK_PAUSE},
    {0xff14, "ScrollLock", VK_SCROLL},
    {0xff1b, "Escape", VK_ESCAPE},
    {0xff50, "Home", VK_HOME},
    {0xff51, "ArrowLeft", VK_LEFT},
    {0xff52, "ArrowUp", VK_UP},
    {0xff53, "ArrowRight", VK_RIGHT},
    {0xff54, "ArrowDown", VK_DOWN},
    {0xff55, "PageUp", VK_PRIOR},
    {0xff56, "PageDown", VK_NEXT},
    {0xff57, "End", VK_END},
    {0xff63, "Insert", VK_INSERT},
    {0xffff, "Delete", VK_DELETE},
    {0xffe1, "ShiftLeft", VK_SHIFT},
    {0xffe2, "ShiftRight", VK_SHIFT},
    {0xffe3, "ControlLeft", VK_CONTROL},
    {0xffe4, "ControlRight", VK_CONTROL},
    {0xffe5, "CapsLock", VK_CAPITAL},
    {0xff7f, "NumLock", VK_NUMLOCK},
    {0x0020, "Space", VK_SPACE},
    {0xffaa, "NumpadMultiply", VK_MULTIPLY},
    {0xffab, "NumpadAdd", VK_ADD},
    {0xffad, "NumpadSubtract", VK_SUBTRACT},
    {0xffae, "NumpadDecimal", VK_DECIMAL},
    {0xffaf, "NumpadDivide", VK_DIVIDE},
    {0x003b, "Semicolon", VK_OEM_1},
    {0x003d, "Equal", VK_OEM_PLUS},
    {0x002c, "Comma", VK_OEM_COMMA},
    {0x002d, "Minus", VK_OEM_MINUS},
    {0x002e, "Period", VK_OEM_PERIOD},
    {0x002f, "Slash", VK_OEM_2},
    {0x0060, "Backquote", VK_OEM_3},
    {0x005b, "BracketLeft", VK_OEM_4},
    {0x005c, "Backslash", VK_OEM_5},
    {0x005d, "BracketRight", VK_OEM_6},
    {0x0027, "Quote", VK_OEM_7},
};

const unsigned long kKeypad0 = 0xffb0; // XK_KP_0; the keypad digits follow it
const unsigned long kF1 = 0xffbe;      // XK_F1; F2 to F24 follow it

// The number after prefix in code ("F12" -> 12), or -1.
int NumberAfter(const char* code, const char* prefix)
{
    size_t length = strlen(prefix);
    if (strncmp(code, prefix, length) != 0 || !code[length])
        return -1;
    char* end;
    long n = strtol(code + length, &end, 10);
    return *end || n < 0 || n > 24 ? -1 : static_cast<int>(n);
}

} // namespace

UINT VirtualKeyFromKeysym(unsigned long keysym)
{
    if (keysym >= 'a' && keysym <= 'z')
        return static_cast<UINT>(keysym - 'a' + 'A');
    if (keysym >= '0' && keysym <= '9')
        return static_cast<UINT>(keysym);
    // NOTE: the keypad digits have codes of their own on Win32, unlike their text.
    if (keysym >= kKeypad0 && keysym <= kKeypad0 + 9)
        return static_cast<UINT>(VK_NUMPAD0 + (keysym - kKeypad0));
    if (keysym >= kF1 && keysym < kF1 + 24)
        return static_cast<UINT>(VK_F1 + (keysym - kF1));
    for (const KeyRow& key : kKeys) {
        if (key.keysym == keysym)
            return key.vk;
    }
    return 0;
}

UINT VirtualKeyFromCode(const char* code)
{
    if (!code)
        return 0;
    if (strlen(code) == 4 && strncmp(code, "Key", 3) == 0 && code[3] >= 'A' && code[3] <= 'Z')
        return static_cast<UINT>(code[3]);
    int n;
    if ((n = NumberAfter(code, "Digit")) >= 0 && n <= 9)
        return static_cast<UINT>('0' + n);
    if ((n = NumberAfter(code, "Numpad")) >= 0 && n <= 9)
        return static_cast<UINT>(VK_NUMPAD0 + n);
    if ((n = NumberAfter(code, "F")) >= 1)
        return static_cast<UINT>(VK_F1 + n - 1);
    for (const KeyRow& key : kKeys) {
        if (strcmp(key.code, code) == 0)
            return key.vk;
    }
    return 0;
}
