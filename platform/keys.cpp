#include "keys.h"

#include <FL/Enumerations.H>

namespace {

struct KeyMapping {
    int flKey;
    UINT vk;
};

const KeyMapping kKeys[] = {
    {FL_BackSpace, VK_BACK},     {FL_Tab, VK_TAB},         {FL_Enter, VK_RETURN},
    {FL_KP_Enter, VK_RETURN},    {FL_Pause, VK_PAUSE},     {FL_Scroll_Lock, VK_SCROLL},
    {FL_Escape, VK_ESCAPE},      {FL_Home, VK_HOME},       {FL_Left, VK_LEFT},
    {FL_Up, VK_UP},              {FL_Right, VK_RIGHT},     {FL_Down, VK_DOWN},
    {FL_Page_Up, VK_PRIOR},      {FL_Page_Down, VK_NEXT},  {FL_End, VK_END},
    {FL_Insert, VK_INSERT},      {FL_Delete, VK_DELETE},   {FL_Shift_L, VK_SHIFT},
    {FL_Shift_R, VK_SHIFT},      {FL_Control_L, VK_CONTROL}, {FL_Control_R, VK_CONTROL},
    {FL_Caps_Lock, VK_CAPITAL},  {FL_Num_Lock, VK_NUMLOCK}, {' ', VK_SPACE},
    {FL_KP + '*', VK_MULTIPLY},  {FL_KP + '+', VK_ADD},    {FL_KP + '-', VK_SUBTRACT},
    {FL_KP + '.', VK_DECIMAL},   {FL_KP + '/', VK_DIVIDE}, {';', VK_OEM_1},
    {'=', VK_OEM_PLUS},          {',', VK_OEM_COMMA},      {'-', VK_OEM_MINUS},
    {'.', VK_OEM_PERIOD},        {'/', VK_OEM_2},          {'`', VK_OEM_3},
    {'[', VK_OEM_4},             {'\\', VK_OEM_5},         {']', VK_OEM_6},
    {'\'', VK_OEM_7},
};

} // namespace

UINT TranslateKey(int flKey)
{
    if (flKey >= 'a' && flKey <= 'z')
        return flKey - 'a' + 'A';
    if (flKey >= '0' && flKey <= '9')
        return flKey;
    // NOTE: the keypad digits have codes of their own on Win32, unlike their text.
    if (flKey >= FL_KP + '0' && flKey <= FL_KP + '9')
        return VK_NUMPAD0 + (flKey - FL_KP - '0');
    if (flKey > FL_F && flKey <= FL_F + 24)
        return VK_F1 + (flKey - FL_F - 1);
    for (const KeyMapping& key : kKeys) {
        if (key.flKey == flKey)
            return key.vk;
    }
    return 0;
}

bool IsSystemKey(int flKey, int flState)
{
    if (flState & (FL_ALT | FL_META))
        return true;
    return flKey == FL_Alt_L || flKey == FL_Alt_R || flKey == FL_Meta_L || flKey == FL_Meta_R ||
           flKey == FL_F + 10;
}
