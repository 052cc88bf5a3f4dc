#include "keys.h"

#include <stdlib.h>
#include <string.h>

namespace {

// XKB key name, DOM code, virtual key on the US layout, the US layout's
// character where the layout decides the code. The keypad digits and the
// function keys are numbered ranges, handled in code.
struct KeyRow {
    const char* xkb;
    const char* code;
    KeyPosition key;
};

const KeyRow kKeys[] = {
    {"AE01", "Digit1", {'1', 0}},
    {"AE02", "Digit2", {'2', 0}},
    {"AE03", "Digit3", {'3', 0}},
    {"AE04", "Digit4", {'4', 0}},
    {"AE05", "Digit5", {'5', 0}},
    {"AE06", "Digit6", {'6', 0}},
    {"AE07", "Digit7", {'7', 0}},
    {"AE08", "Digit8", {'8', 0}},
    {"AE09", "Digit9", {'9', 0}},
    {"AE10", "Digit0", {'0', 0}},
    {"AE11", "Minus", {VK_OEM_MINUS, '-'}},
    {"AE12", "Equal", {VK_OEM_PLUS, '='}},
    {"AD01", "KeyQ", {'Q', 'q'}},
    {"AD02", "KeyW", {'W', 'w'}},
    {"AD03", "KeyE", {'E', 'e'}},
    {"AD04", "KeyR", {'R', 'r'}},
    {"AD05", "KeyT", {'T', 't'}},
    {"AD06", "KeyY", {'Y', 'y'}},
    {"AD07", "KeyU", {'U', 'u'}},
    {"AD08", "KeyI", {'I', 'i'}},
    {"AD09", "KeyO", {'O', 'o'}},
    {"AD10", "KeyP", {'P', 'p'}},
    {"AD11", "BracketLeft", {VK_OEM_4, '['}},
    {"AD12", "BracketRight", {VK_OEM_6, ']'}},
    {"AC01", "KeyA", {'A', 'a'}},
    {"AC02", "KeyS", {'S', 's'}},
    {"AC03", "KeyD", {'D', 'd'}},
    {"AC04", "KeyF", {'F', 'f'}},
    {"AC05", "KeyG", {'G', 'g'}},
    {"AC06", "KeyH", {'H', 'h'}},
    {"AC07", "KeyJ", {'J', 'j'}},
    {"AC08", "KeyK", {'K', 'k'}},
    {"AC09", "KeyL", {'L', 'l'}},
    {"AC10", "Semicolon", {VK_OEM_1, ';'}},
    {"AC11", "Quote", {VK_OEM_7, '\''}},
    {"AB01", "KeyZ", {'Z', 'z'}},
    {"AB02", "KeyX", {'X', 'x'}},
    {"AB03", "KeyC", {'C', 'c'}},
    {"AB04", "KeyV", {'V', 'v'}},
    {"AB05", "KeyB", {'B', 'b'}},
    {"AB06", "KeyN", {'N', 'n'}},
    {"AB07", "KeyM", {'M', 'm'}},
    {"AB08", "Comma", {VK_OEM_COMMA, ','}},
    {"AB09", "Period", {VK_OEM_PERIOD, '.'}},
    {"AB10", "Slash", {VK_OEM_2, '/'}},
    {"TLDE", "Backquote", {VK_OEM_3, '`'}},
    {"BKSL", "Backslash", {VK_OEM_5, '\\'}},
    {"SPCE", "Space", {VK_SPACE, 0}},
    {"BKSP", "Backspace", {VK_BACK, 0}},
    {"TAB", "Tab", {VK_TAB, 0}},
    {"RTRN", "Enter", {VK_RETURN, 0}},
    {"ESC", "Escape", {VK_ESCAPE, 0}},
    {"CAPS", "CapsLock", {VK_CAPITAL, 0}},
    {"LFSH", "ShiftLeft", {VK_SHIFT, 0}},
    {"RTSH", "ShiftRight", {VK_SHIFT, 0}},
    {"LCTL", "ControlLeft", {VK_CONTROL, 0}},
    {"RCTL", "ControlRight", {VK_CONTROL, 0}},
    {"LALT", "AltLeft", {VK_MENU, 0}},
    {"RALT", "AltRight", {VK_MENU, 0}},
    {"PAUS", "Pause", {VK_PAUSE, 0}},
    {"SCLK", "ScrollLock", {VK_SCROLL, 0}},
    {"INS", "Insert", {VK_INSERT, 0}},
    {"DELE", "Delete", {VK_DELETE, 0}},
    {"HOME", "Home", {VK_HOME, 0}},
    {"END", "End", {VK_END, 0}},
    {"PGUP", "PageUp", {VK_PRIOR, 0}},
    {"PGDN", "PageDown", {VK_NEXT, 0}},
    {"LEFT", "ArrowLeft", {VK_LEFT, 0}},
    {"UP", "ArrowUp", {VK_UP, 0}},
    {"RGHT", "ArrowRight", {VK_RIGHT, 0}},
    {"DOWN", "ArrowDown", {VK_DOWN, 0}},
    {"NMLK", "NumLock", {VK_NUMLOCK, 0}},
    {"KPDV", "NumpadDivide", {VK_DIVIDE, 0}},
    {"KPMU", "NumpadMultiply", {VK_MULTIPLY, 0}},
    {"KPSU", "NumpadSubtract", {VK_SUBTRACT, 0}},
    {"KPAD", "NumpadAdd", {VK_ADD, 0}},
    {"KPDL", "NumpadDecimal", {VK_DECIMAL, 0}},
    {"KPEN", "NumpadEnter", {VK_RETURN, 0}},
};

// The number after prefix in name ("F12" -> 12, "FK01" -> 1), or -1.
int NumberAfter(const char* name, const char* prefix)
{
    size_t length = strlen(prefix);
    if (strncmp(name, prefix, length) != 0 || !name[length])
        return -1;
    char* end;
    long n = strtol(name + length, &end, 10);
    return *end || n < 0 || n > 24 ? -1 : static_cast<int>(n);
}

// The key of an XKB or (dom) a DOM name, or of the keypad and function-key ranges.
KeyPosition Lookup(const char* name, bool dom)
{
    const char* keypad = dom ? "Numpad" : "KP";
    const char* function = dom ? "F" : "FK";
    int n;
    // NOTE: the keypad digits have codes of their own on Win32, unlike their text.
    if ((n = NumberAfter(name, keypad)) >= 0 && n <= 9)
        return {static_cast<UINT>(VK_NUMPAD0 + n), 0};
    if ((n = NumberAfter(name, function)) >= 1)
        return {static_cast<UINT>(VK_F1 + n - 1), 0};
    for (const KeyRow& row : kKeys) {
        if (strcmp(dom ? row.code : row.xkb, name) == 0)
            return row.key;
    }
    return {0, 0};
}

// The key the US layout types a character on (a keysym or Unicode: letters, digits, punctuation).
KeyPosition KeyFromCharacter(unsigned long typed)
{
    if (typed >= '0' && typed <= '9')
        return {static_cast<UINT>(typed), 0};
    if (typed >= 'A' && typed <= 'Z')
        typed += 'a' - 'A';
    for (const KeyRow& row : kKeys) {
        if (row.key.us && static_cast<unsigned char>(row.key.us) == typed)
            return row.key;
    }
    return {0, 0};
}

} // namespace

KeyPosition KeyFromXkbName(const char* name)
{
    return Lookup(name, false);
}

KeyPosition KeyFromCode(const char* code)
{
    return Lookup(code, true);
}

UINT VirtualKeyOnLayout(KeyPosition key, unsigned long typed)
{
    if (key.vk && !key.us)
        return key.vk;
    KeyPosition typedKey = KeyFromCharacter(typed);
    // NOTE: a key XKB leaves unnamed (xdotool binds missing keysyms to spare
    // ones) goes by its text.
    return typedKey.us || !key.vk ? typedKey.vk : key.vk;
}
