#include <gtest/gtest.h>

#include "keys.h"

namespace {

// One physical key per row, as X names it and as the DOM names it.
struct KeyRow {
    unsigned long keysym;
    const char* code;
    UINT vk;
};

const KeyRow kRows[] = {
    {'1', "Digit1", '1'},          {'0', "Digit0", '0'},
    {0xffb1, "Numpad1", 0x61},     // VK_NUMPAD1, which is 'a', not '1'
    {0xffb0, "Numpad0", VK_NUMPAD0}, {0xffb9, "Numpad9", VK_NUMPAD0 + 9},
    {'a', "KeyA", 'A'},            {'z', "KeyZ", 'Z'},
    {0xff51, "ArrowLeft", VK_LEFT}, {0xff52, "ArrowUp", VK_UP},
    {0xff53, "ArrowRight", VK_RIGHT}, {0xff54, "ArrowDown", VK_DOWN},
    {' ', "Space", VK_SPACE},      {0xff8d, "NumpadEnter", VK_RETURN},
    {0xffbe, "F1", VK_F1},         {0xffc9, "F12", VK_F1 + 11},
    {'A', "KeyAA", 0},             // X reports letters in lower case
    {0xffbd, "F0", 0},             {0xff67, "ContextMenu", 0},
    {0, "", 0},
};

TEST(Keys, EachPhysicalKeyHasOneVirtualKeyOnEveryHost)
{
    for (const KeyRow& row : kRows) {
        EXPECT_EQ(VirtualKeyFromKeysym(row.keysym), row.vk) << "keysym 0x" << std::hex << row.keysym;
        EXPECT_EQ(VirtualKeyFromCode(row.code), row.vk) << row.code;
    }
}

} // namespace
