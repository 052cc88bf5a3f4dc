#include <gtest/gtest.h>

#include "resource_script.h"
#include "embedded.h"
#include "resource.h"

namespace {

class EmbeddedScript : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string error;
        ASSERT_TRUE(ParseResourceScript(g_resourceScript, g_resourceHeader, &script, &error))
            << error;
    }
    ResourceScript script;
};

std::string ParseError(const char* text)
{
    ResourceScript script;
    std::string error;
    EXPECT_FALSE(ParseResourceScript(text, "#define IDM_GO 7\n", &script, &error));
    return error;
}

void ExpectControl(const ControlTemplate& c, const char* kind, const char* text, int id, int x,
                   int y, int width, int height)
{
    EXPECT_EQ(c.kind, kind);
    EXPECT_EQ(c.text, text);
    EXPECT_EQ(c.id, id) << text;
    EXPECT_EQ((std::vector<int>{c.x, c.y, c.width, c.height}),
              (std::vector<int>{x, y, width, height}))
        << text;
}

TEST_F(EmbeddedScript, MainMenuHasFileRobotHelpWithOnlyCylinderChecked)
{
    const MenuTemplate* menu = FindMenuTemplate(script, IDR_MAINMENU);
    ASSERT_NE(menu, nullptr);
    const char* popups[] = {"&File", "Robot", "&Help"};
    const std::vector<std::vector<UINT>> ids = {
        {IDM_EXIT}, {IDM_CYLINDER, IDM_ARM1, IDM_ARM2, IDM_ROBOT}, {IDM_ABOUT}};
    ASSERT_EQ(menu->items.size(), 3u);
    for (size_t p = 0; p < 3; p++) {
        const MenuItemTemplate& popup = menu->items[p];
        EXPECT_TRUE(popup.popup);
        EXPECT_EQ(popup.text, popups[p]);
        ASSERT_EQ(popup.items.size(), ids[p].size());
        for (size_t i = 0; i < ids[p].size(); i++) {
            EXPECT_EQ(popup.items[i].id, ids[p][i]);
            EXPECT_EQ(popup.items[i].checked, popup.items[i].id == IDM_CYLINDER);
        }
    }
    EXPECT_EQ(menu->items[1].items[3].text, "Robot_siatka");
    EXPECT_EQ(menu->items[0].items[0].text, "E&xit");
}

TEST_F(EmbeddedScript, AboutDialogHasItsFrameFontAndTwentyTwoControlsInTemplateOrder)
{
    const DialogTemplate* dialog = FindDialogTemplate(script, IDD_ABOUT);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ((std::vector<int>{dialog->x, dialog->y, dialog->width, dialog->height}),
              (std::vector<int>{0, 0, 231, 270}));
    EXPECT_EQ(dialog->caption, "About OpenGL");
    EXPECT_EQ(dialog->fontPoints, 8);
    EXPECT_EQ(dialog->fontName, "MS Sans Serif");
    EXPECT_EQ(dialog->style,
              DWORD(DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_SETFONT));
    const std::vector<ControlTemplate>& c = dialog->controls;
    ASSERT_EQ(c.size(), 22u);
    ExpectControl(c[0], "DEFPUSHBUTTON", "OK", IDOK, 90, 249, 50, 14);
    ExpectControl(c[1], "LTEXT", "vendor", IDC_GL_VENDOR, 61, 29, 153, 8);
    ExpectControl(c[2], "GROUPBOX", "glGetString", IDC_STATIC, 7, 11, 217, 102);
    ExpectControl(c[9], "LTEXT", "Extensions", IDC_GL_EXTENSIONS, 61, 74, 156, 36);
    ExpectControl(c[15], "GROUPBOX", "Errors", IDC_STATIC, 7, 177, 217, 64);
    ExpectControl(c[18], "LTEXT", "", IDC_ERROR3, 18, 221, 89, 8);
    ExpectControl(c[21], "LTEXT", "", IDC_ERROR6, 115, 221, 103, 8);
    for (int slot = 0; slot < 6; slot++)
        EXPECT_EQ(c[16 + slot].id, IDC_ERROR1 + slot);
}

TEST(ResourceScript, ErrorsSayTheLineOfTheFault)
{
    EXPECT_EQ(ParseError("1 MENU\nBEGIN\n  MENUITEM \"Go\", IDM_STOP\nEND\n"),
              "line 3: unknown identifier IDM_STOP");
    EXPECT_EQ(ParseError("1 MENU\nBEGIN\n\n  MENUITEM \"Go, IDM_GO\nEND\n"),
              "line 4: unterminated string");
    EXPECT_EQ(ParseError("1 MENU\nBEGIN\n  MENUITEM \"Go\", IDM_GO\n"),
              "line 4: expected POPUP, MENUITEM or END");
}

TEST(ResourceScript, DoubledQuoteInAStringIsOneQuote)
{
    ResourceScript script;
    std::string error;
    ASSERT_TRUE(ParseResourceScript("1 MENU { MENUITEM \"Say \"\"hi\"\"\", 7 }", "", &script,
                                    &error))
        << error;
    EXPECT_EQ(script.menus[0].items[0].text, "Say \"hi\"");
}

} // namespace
