#include <gtest/gtest.h>

#include <FL/Enumerations.H>

#include "platform/keys.h"

namespace {

TEST(TranslateKey, MainKeyboardDigitsKeepTheirCodesButKeypadDigitsGetTheirOwn)
{
    for (int digit = 0; digit <= 9; digit++) {
        EXPECT_EQ(TranslateKey('0' + digit), UINT(0x30 + digit));
        EXPECT_EQ(TranslateKey(FL_KP + '0' + digit), UINT(VK_NUMPAD0 + digit));
    }
    EXPECT_EQ(TranslateKey(FL_KP + '1'), 0x61u); // VK_NUMPAD1, which is 'a', not '1'
}

TEST(TranslateKey, LettersArrowsSpaceAndFunctionKeysGetTheirVirtualKeys)
{
    EXPECT_EQ(TranslateKey('a'), UINT('A'));
    EXPECT_EQ(TranslateKey('z'), UINT('Z'));
    EXPECT_EQ(TranslateKey(FL_Up), UINT(VK_UP));
    EXPECT_EQ(TranslateKey(FL_Down), UINT(VK_DOWN));
    EXPECT_EQ(TranslateKey(FL_Left), UINT(VK_LEFT));
    EXPECT_EQ(TranslateKey(FL_Right), UINT(VK_RIGHT));
    EXPECT_EQ(TranslateKey(' '), UINT(VK_SPACE));
    EXPECT_EQ(TranslateKey(FL_F + 1), UINT(VK_F1));
    EXPECT_EQ(TranslateKey(FL_F + 12), UINT(VK_F1 + 11));
    EXPECT_EQ(TranslateKey(FL_KP_Enter), UINT(VK_RETURN));
}

TEST(TranslateKey, KeysWin32HasNoCodeForGiveZero)
{
    EXPECT_EQ(TranslateKey(FL_F), 0u);
    EXPECT_EQ(TranslateKey(FL_Menu), 0u);
    EXPECT_EQ(TranslateKey('A'), 0u); // FLTK reports letters in lower case
    EXPECT_EQ(TranslateKey(0), 0u);
}

TEST(IsSystemKey, AltAloneOrHeldWithAnotherKeyGoesToTheMenuBar)
{
    EXPECT_TRUE(IsSystemKey(FL_Alt_L, 0));
    EXPECT_TRUE(IsSystemKey(FL_Alt_R, 0));
    EXPECT_TRUE(IsSystemKey('x', FL_ALT));
    EXPECT_TRUE(IsSystemKey(FL_Up, FL_ALT | FL_SHIFT));
    EXPECT_TRUE(IsSystemKey(FL_F + 10, 0));
    EXPECT_FALSE(IsSystemKey(FL_Up, 0));
    EXPECT_FALSE(IsSystemKey('1', FL_SHIFT | FL_CTRL));
}

} // namespace
