// What the hosts share: the Win32 core over a stand-in host, the resource
// script, the key table, menu navigation, pixel-format matching.
#include <gtest/gtest.h>

#include "embedded.h"
#include "fake_host.h"
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

INT_PTR CALLBACK TraceDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM);

// What a window and a dialog procedure are told, for the trace.
LRESULT CALLBACK TraceWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SIZE:
        Trace("size " + std::to_string(LOWORD(lParam)) + "x" + std::to_string(HIWORD(lParam)));
        return 0;
    case WM_PAINT:
        Trace("paint");
        ValidateRect(window, NULL);
        return 0;
    case WM_KEYDOWN:
        Trace("key " + std::to_string(wParam));
        return 0;
    case WM_COMMAND:
        Trace("command " + std::to_string(LOWORD(wParam)));
        if (LOWORD(wParam) == IDM_ABOUT)
            DialogBoxParam(NULL, MAKEINTRESOURCE(IDD_ABOUT), window, TraceDialog, 0);
        return 0;
    }
    return DefWindowProc(window, message, wParam, lParam);
}

INT_PTR CALLBACK TraceDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        SetDlgItemText(dialog, IDC_GL_VENDOR, "Mesa");
        return TRUE;
    case WM_COMMAND:
        Trace("dialog " + std::to_string(LOWORD(wParam)));
        if (LOWORD(wParam) == IDOK)
            EndDialog(dialog, 1);
        return TRUE;
    case WM_CLOSE:
        Trace("close");
        EndDialog(dialog, 1);
        return TRUE;
    }
    return FALSE;
}

HWND Main()
{
    return HandleOf(Windows().front());
}

std::function<void()> Key(UINT vk, bool alt = false)
{
    return [=] { CoreKeyDown(vk, alt, false); };
}

std::function<void()> Mouse(MenuMouseEvent event, int title, int item)
{
    return [=] { CoreMenuMouse(Windows().front(), event, title, item); };
}

std::string N(int number)
{
    return std::to_string(number);
}

struct Scenario {
    const char* what;
    std::vector<std::function<void()>> events;
    std::string trace; // after WM_CREATE, WM_SIZE and the first WM_PAINT
};

const Scenario kScenarios[] = {
    {"a validated window waits", {}, ""},
    {"an invalidation paints once", {[] { InvalidateRect(Main(), NULL, FALSE); }}, "paint"},
    {"no paint while minimised, one on restoring",
     {[] { CoreMinimised(Windows().front(), true); }, [] { InvalidateRect(Main(), NULL, FALSE); },
      [] { CoreMinimised(Windows().front(), false); }},
     "size 0x0 size 300x200 paint"},
    {"no paint while hidden",
     {[] { ShowWindow(Main(), SW_HIDE); }, [] { InvalidateRect(Main(), NULL, FALSE); }},
     ""},
    {"a resize repaints",
     {[] { CoreClientSized(Windows().front(), 320, 240); }},
     "size 320x240 paint"},
    {"DispatchMessage passes over a handle that is no window",
     {[] {
         static CoreWindow ghost = {};
         ghost.proc = TraceWindow;
         PostToQueue(&ghost, WM_KEYDOWN, '1', 0);
     }},
     ""},
    {"keys the menus leave reach the window", {Key('1'), Key(VK_LEFT)}, "key 49 key 37"},
    {"Alt alone lights File; Down and Enter pick Exit",
     {Key(VK_MENU), [] { CoreKeyUp(VK_MENU); }, Key(VK_DOWN), Key(VK_RETURN)},
     "command " + N(IDM_EXIT)},
    {"Alt with a letter is no Alt alone",
     {Key(VK_MENU), Key('H', true), [] { CoreKeyUp(VK_MENU); }, Key('1')},
     ""},
    {"press on a title, drag, release over an item picks it",
     {Mouse(MOUSE_DOWN, 1, -1), Mouse(MOUSE_MOVE, -1, 2), Mouse(MOUSE_UP, -1, 2)},
     "command " + N(IDM_ARM2)},
    {"hovering moves the highlight; Enter picks it",
     {Mouse(MOUSE_DOWN, 1, -1), Mouse(MOUSE_UP, 1, -1), Mouse(MOUSE_MOVE, -1, 1),
      Mouse(MOUSE_MOVE, -1, 3), Key(VK_RETURN)},
     "command " + N(IDM_ROBOT)},
    {"hovering another title opens its popup",
     {Mouse(MOUSE_DOWN, 1, -1), Mouse(MOUSE_MOVE, 0, -1), Key(VK_DOWN), Key(VK_RETURN)},
     "command " + N(IDM_EXIT)},
    {"a second press on the title closes the menu",
     {Mouse(MOUSE_DOWN, 1, -1), Mouse(MOUSE_DOWN, 1, -1), Key('1')},
     "key 49"},
    {"keypad Enter presses OK; the owner then has the keys",
     {Key('H', true), Key(VK_RETURN), Key(KeyFromCode("NumpadEnter").vk), Key('1')},
     "command " + N(IDM_ABOUT) + " dialog 347x439 at 100,60 text 1=Mesa dialog 1 activate key 49"},
    {"Space presses the focused OK",
     {Key('H', true), Key(VK_RETURN), Key(VK_SPACE)},
     "command " + N(IDM_ABOUT) + " dialog 347x439 at 100,60 text 1=Mesa dialog 1 activate"},
    {"Escape sends IDCANCEL; the close box WM_CLOSE",
     {Key('H', true), Key(VK_RETURN), Key(VK_ESCAPE), Key('1'),
      [] { CoreClose(Windows().back()); }},
     "command " + N(IDM_ABOUT) + " dialog 347x439 at 100,60 text 1=Mesa dialog 2 close activate"},
};

TEST(Core, MessagesComeInWin32sOrderAndPaintAsItDoes)
{
    for (const Scenario& row : kScenarios) {
        StartFakeCore(row.events);
        WNDCLASS windowClass = {};
        windowClass.lpfnWndProc = TraceWindow;
        windowClass.lpszClassName = "Test";
        windowClass.lpszMenuName = MAKEINTRESOURCE(IDR_MAINMENU);
        RegisterClass(&windowClass);
        HWND window = CreateWindowEx(0, "Test", "Test", 0, 0, 0, 300, 220, NULL, NULL, NULL, NULL);
        ShowWindow(window, SW_SHOW);
        MSG msg;
        // A window that never validates would paint for ever: the trace shows it.
        for (int i = 0; i < 20 && GetMessage(&msg, NULL, 0, 0); i++)
            DispatchMessage(&msg);
        std::string start = "size 300x200 paint";
        EXPECT_EQ(Fake().trace, row.trace.empty() ? start : start + " " + row.trace) << row.what;
        DestroyWindow(window);
    }
}

TEST(PixelFormatDistance, PrefersTheClosestDoubleBufferedRgbaVisual)
{
    // Flags, pixel type and depth bits, with 24 colour bits.
    auto format = [](DWORD flags, BYTE type, BYTE depth) {
        PIXELFORMATDESCRIPTOR pfd = {};
        pfd.dwFlags = flags, pfd.iPixelType = type, pfd.cColorBits = 24, pfd.cDepthBits = depth;
        return pfd;
    };
    PIXELFORMATDESCRIPTOR request = format(PFD_DOUBLEBUFFER, PFD_TYPE_RGBA, 32);
    const std::pair<PIXELFORMATDESCRIPTOR, long> rows[] = {
        {format(PFD_DOUBLEBUFFER, PFD_TYPE_RGBA, 32), 0},
        {format(PFD_DOUBLEBUFFER, PFD_TYPE_COLORINDEX, 32), -1},
        {format(0, PFD_TYPE_RGBA, 32), -1},
        {format(PFD_DOUBLEBUFFER, PFD_TYPE_RGBA, 24), 16 * 8 * 2},
        {format(PFD_DOUBLEBUFFER, PFD_TYPE_RGBA, 40), 8 * 2},
    };
    for (auto [offered, distance] : rows)
        EXPECT_EQ(PixelFormatDistance(request, offered), distance)
            << int(offered.iPixelType) << " type, " << int(offered.cDepthBits) << " depth bits";
}

} // namespace
