// What the hosts share: the resource script, the key table, menu navigation, pixel-format matching.
#include <gtest/gtest.h>

#include "embedded.h"
#include "keys.h"
#include "menu_model.h"
#include "pixel_format_distance.h"
#include "resource.h"
#include "resource_script.h"

namespace {

// The program's own script, parsed once.
const ResourceScript& Script()
{
    static ResourceScript script;
    static std::string error;
    static bool parsed = ParseResourceScript(g_resourceScript, g_resourceHeader, &script, &error);
    EXPECT_TRUE(parsed) << error;
    return script;
}

TEST(ResourceScript, ReadsTheProgramsMenuAndDialog)
{
    const ResourceScript& script = Script();
    const MenuTemplate* menu = FindMenuTemplate(script, IDR_MAINMENU);
    ASSERT_TRUE(menu && menu->items.size() == 3);
    EXPECT_EQ(menu->items[0].text + menu->items[1].text + menu->items[2].text, "&FileRobot&Help");
    for (const MenuItemTemplate& item : menu->items[1].items)
        EXPECT_EQ(item.checked, item.id == IDM_CYLINDER) << item.text;
    const DialogTemplate* about = FindDialogTemplate(script, IDD_ABOUT);
    ASSERT_TRUE(about);
    EXPECT_EQ(about->caption + " " + about->fontName, "About OpenGL MS Sans Serif");
    EXPECT_EQ((std::vector<int>{about->width, about->height, about->fontPoints}),
              (std::vector<int>{231, 270, 8}));
}

TEST(ResourceScript, ErrorsSayTheLineOfTheFault)
{
    const std::pair<const char*, const char*> rows[] = {
        {"1 MENU\nBEGIN\n  MENUITEM \"Go\", IDM_STOP\nEND\n",
         "line 3: unknown identifier IDM_STOP"},
        {"1 MENU\nBEGIN\n\n  MENUITEM \"Go, IDM_GO\nEND\n", "line 4: unterminated string"},
        {"1 MENU\nBEGIN\n  MENUITEM \"Go\", IDM_GO\n", "line 4: expected POPUP, MENUITEM or END"},
        {"// c\n/* c\n */ 1 MENU { MENUITEM \"Go\", IDM_GO, GRAYED }", "line 3: expected CHECKED"},
    };
    for (auto [script, message] : rows) {
        ResourceScript parsed;
        std::string error;
        EXPECT_FALSE(ParseResourceScript(script, "#define IDM_GO 7\n", &parsed, &error));
        EXPECT_EQ(error, message);
    }
}

TEST(Keys, EachPhysicalKeyHasOneVirtualKeyOnEveryHost)
{
    // Layout, the key as XKB and the DOM name it, the keysym on its first level there
    // (0: none given), the code Windows reports for it.
    const std::tuple<const char*, const char*, const char*, unsigned long, UINT> rows[] = {
        {"fr", "AE06", "Digit6", '-', '6'},
        {"fr", "AD01", "KeyQ", 'a', 'A'},
        {"fr", "AC10", "Semicolon", 'm', 'M'},
        {"fr", "AB07", "KeyM", ',', VK_OEM_COMMA},
        {"be", "AE06", "Digit6", 0xa7, '6'}, // section
        {"be", "AB01", "KeyZ", 'w', 'W'},
        {"cz", "AE01", "Digit1", '+', '1'},
        {"cz", "AD06", "KeyY", 'z', 'Z'},
        {"de", "AB01", "KeyZ", 'y', 'Y'},
        {"de", "AC10", "Semicolon", 0xf6, VK_OEM_1},  // odiaeresis
        {"ru", "AD01", "KeyQ", 0x6ca, 'Q'},           // Cyrillic_shorti
        {"ru", "AB08", "Comma", 0x6c2, VK_OEM_COMMA}, // Cyrillic_be
        {"dvorak", "AD01", "KeyQ", '\'', VK_OEM_7},
        {"dvorak", "AB02", "KeyX", 'q', 'Q'},
        {"us", "KP1", "Numpad1", 0xff9c, 0x61}, // KP_End; VK_NUMPAD1, which is 'a', not '1'
        {"us", "KPEN", "NumpadEnter", 0xff8d, VK_RETURN},
        {"us", "FK10", "F10", 0, VK_F10},
        {"us", "LALT", "AltLeft", 0, VK_MENU},
        {"us", "LEFT", "ArrowLeft", 0, VK_LEFT},
        {"unnamed", "I248", "", 'f', 'F'},
    };
    for (auto [layout, xkb, code, typed, vk] : rows) {
        KeyPosition key = KeyFromXkbName(xkb);
        EXPECT_EQ(VirtualKeyOnLayout(key, typed), vk) << layout << " " << xkb;
        EXPECT_EQ(KeyFromCode(code).vk, key.vk) << code;
        EXPECT_EQ(KeyFromCode(code).us, key.us) << code;
    }
}

struct MenuRow {
    std::vector<std::pair<UINT, bool>> keys; // virtual key, Alt held
    MenuState state;
    UINT command; // of the last key
};

const MenuRow kMenuRows[] = {
    {{{'F', true}}, {MENU_POPUP, 0, 0}, 0},
    {{{'H', true}, {VK_RETURN, false}}, {MENU_CLOSED, 0, -1}, IDM_ABOUT},
    {{{'F', true}, {VK_RIGHT, false}, {VK_DOWN, false}}, {MENU_POPUP, 1, 1}, 0},
    {{{'F', true}, {VK_RIGHT, false}, {VK_DOWN, false}, {VK_RETURN, false}},
     {MENU_CLOSED, 0, -1},
     IDM_ARM1},
    {{{'F', true}, {VK_LEFT, false}, {VK_UP, false}}, {MENU_POPUP, 2, 0}, 0},
    {{{VK_F10, false}}, {MENU_BAR, 0, -1}, 0},
    {{{VK_MENU, false}, {VK_RIGHT, false}, {VK_DOWN, false}, {VK_UP, false}},
     {MENU_POPUP, 1, 3},
     0},
    {{{VK_F10, false}, {VK_RETURN, false}, {'X', false}}, {MENU_CLOSED, 0, -1}, IDM_EXIT},
    {{{VK_F10, false}, {'H', false}}, {MENU_POPUP, 2, 0}, 0},
    {{{'H', true}, {VK_ESCAPE, false}}, {MENU_BAR, 2, -1}, 0},
    {{{'H', true}, {VK_ESCAPE, false}, {VK_ESCAPE, false}}, {MENU_CLOSED, 0, -1}, 0},
    {{{'R', true}}, {MENU_CLOSED, 0, -1}, 0}, // Robot has no mnemonic
    {{{VK_F10, false}, {VK_F10, false}}, {MENU_CLOSED, 0, -1}, 0},
    {{{'1', false}}, {MENU_CLOSED, 0, -1}, 0},
};

TEST(MenuModel, KeysMoveAndPickAsWin32sMenuLoopDoes)
{
    const MenuTemplate& menu = *FindMenuTemplate(Script(), IDR_MAINMENU);
    for (const MenuRow& row : kMenuRows) {
        MenuState state = {MENU_CLOSED, 0, -1};
        UINT command = 0;
        std::string keys;
        for (auto [vk, alt] : row.keys) {
            command = MenuKeyDown(&state, menu, vk, alt);
            keys += (alt ? " Alt+" : " ") + std::to_string(vk);
        }
        EXPECT_EQ(
            (std::vector<int>{state.mode, state.title, state.item, int(command)}),
            (std::vector<int>{row.state.mode, row.state.title, row.state.item, int(row.command)}))
            << "keys" << keys;
    }
}

TEST(PixelFormatDistance, PrefersTheClosestDoubleBufferedRgbaVisual)
{
    PIXELFORMATDESCRIPTOR request = {};
    request.dwFlags = PFD_DOUBLEBUFFER, request.cColorBits = 24, request.cDepthBits = 32;
    // rgba, double buffer, level, colour, alpha, depth, stencil, accumulation bits; distance
    const std::pair<VisualTraits, long> rows[] = {
        {{true, true, 0, 24, 0, 32, 0, 0}, 0},
        {{false, true, 0, 24, 0, 32, 0, 0}, -1},
        {{true, false, 0, 24, 0, 32, 0, 0}, -1},
        {{true, true, 1, 24, 0, 32, 0, 0}, -1},
        {{true, true, 0, 24, 0, 24, 0, 0}, 16 * 8 * 2},
        {{true, true, 0, 24, 0, 40, 0, 0}, 8 * 2},
        {{true, true, 0, 24, 8, 32, 0, 0}, 8 * 2},
        {{true, true, 0, 16, 0, 32, 8, 0}, 16 * 8 * 4 + 8},
    };
    for (auto [visual, distance] : rows)
        EXPECT_EQ(PixelFormatDistance(request, visual), distance)
            << visual.colorBits << " colour, " << visual.depthBits << " depth bits";
}

} // namespace
