// The window and dialog procedures against the Win32 fake and the GL recorder.
#include <gtest/gtest.h>

#include <GL/glu.h>

#include "about_dialog.h"
#include "gl_recorder.h"
#include "main_window.h"
#include "render_context.h"
#include "resource.h"
#include "view_state.h"
#include "win32_fake.h"

namespace {

class App : public ::testing::Test {
  protected:
    void SetUp() override
    {
        ResetGl();
        ResetWin32();
        g_viewState = ViewState();
        g_renderContext = RenderContext();
    }

    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
    {
        return MainWindowProc(window, message, wParam, lParam);
    }

    const HWND window = reinterpret_cast<HWND>(uintptr_t(0x817D));
};

TEST_F(App, LivesFromCreateToDestroyOnItsOwnContext)
{
    EXPECT_EQ(Send(WM_CREATE), 0);
    EXPECT_EQ(Win32().current, kFakeContext);
    EXPECT_EQ(Gl().last["glPolygonMode"], (std::vector<double>{GL_FRONT_AND_BACK, GL_LINE}));
    Send(WM_SIZE, SIZE_RESTORED, MAKELPARAM(600, 300));
    EXPECT_EQ(Gl().last["glViewport"], (std::vector<double>{0, 0, 600, 300}));
    Send(WM_PAINT);
    EXPECT_EQ(Gl().primitives.size(), 3u);
    EXPECT_EQ(Win32().count["SwapBuffers"], 1);
    EXPECT_EQ(Win32().count["ValidateRect"], 1);
    EXPECT_EQ(Send(WM_SYSKEYDOWN, VK_F1, 1), kDefWindowProcResult);
    Send(WM_DESTROY);
    EXPECT_EQ(Win32().current, HGLRC());
    EXPECT_EQ(Win32().count["wglDeleteContext"], 1);
    EXPECT_EQ(Win32().quitCode, 0);
    EXPECT_EQ(Win32().count["DeleteObject"], 0); // a true-colour format has no palette
}

TEST_F(App, RefusesTheWindowWithoutGlCallsWhenNoContextCanBeMade)
{
    Win32().failContext = true;
    EXPECT_EQ(Send(WM_CREATE), -1);
    EXPECT_TRUE(Gl().count.empty());
    Send(WM_DESTROY);
    EXPECT_EQ(Win32().count["wglDeleteContext"], 0);
    EXPECT_EQ(Win32().quitCode, 0);
}

TEST_F(App, KeepsAPaletteOnAColourMappedFormat)
{
    Win32().format = PIXELFORMATDESCRIPTOR{};
    Win32().format.dwFlags = PFD_NEED_PALETTE;
    Win32().format.cColorBits = 8, Win32().format.cRedBits = 3, Win32().format.cGreenBits = 3;
    Win32().format.cGreenShift = 3, Win32().format.cBlueBits = 2, Win32().format.cBlueShift = 6;
    Send(WM_CREATE);
    ASSERT_EQ(Win32().palette.size(), 256u);
    EXPECT_EQ(Win32().palette[255].peBlue, 255);
    EXPECT_EQ(Send(WM_QUERYNEWPALETTE), 7); // what RealizePalette remapped
    EXPECT_EQ(Win32().count["InvalidateRect"], 1);
    Send(WM_PALETTECHANGED, reinterpret_cast<WPARAM>(window));
    EXPECT_EQ(Win32().count["UpdateColors"], 0); // its own change
    Send(WM_PALETTECHANGED, 1);
    EXPECT_EQ(Win32().count["UpdateColors"], 1);
    Send(WM_DESTROY);
    EXPECT_EQ(Win32().count["DeleteObject"], 1);
}

struct KeyRow {
    WPARAM key;
    int presses;
    ViewState after; // from zero
};

// Arrows turn 5 degrees, wrapping into (-360, 360) with the sign kept; digits move joints 1 degree.
const KeyRow kKeys[] = {
    {VK_UP, 1, {-5, 0, MODEL_CYLINDER, 0, 0, 0}},
    {VK_DOWN, 1, {5, 0, MODEL_CYLINDER, 0, 0, 0}},
    {VK_LEFT, 1, {0, -5, MODEL_CYLINDER, 0, 0, 0}},
    {VK_RIGHT, 1, {0, 5, MODEL_CYLINDER, 0, 0, 0}},
    {VK_RIGHT, 72, {0, 0, MODEL_CYLINDER, 0, 0, 0}},
    {VK_UP, 73, {-5, 0, MODEL_CYLINDER, 0, 0, 0}},
    {VK_DOWN, 71, {355, 0, MODEL_CYLINDER, 0, 0, 0}},
    {'1', 3, {0, 0, MODEL_CYLINDER, -3, 0, 0}},
    {'2', 400, {0, 0, MODEL_CYLINDER, 400, 0, 0}},
    {'3', 1, {0, 0, MODEL_CYLINDER, 0, -1, 0}},
    {'4', 1, {0, 0, MODEL_CYLINDER, 0, 1, 0}},
    {'5', 1, {0, 0, MODEL_CYLINDER, 0, 0, -1}},
    {'6', 1, {0, 0, MODEL_CYLINDER, 0, 0, 1}},
    {VK_NUMPAD0 + 1, 1, {0, 0, MODEL_CYLINDER, 0, 0, 0}},
    {'A', 1, {0, 0, MODEL_CYLINDER, 0, 0, 0}},
    {VK_F1 + 1, 1, {0, 0, MODEL_CYLINDER, 0, 0, 0}},
};

TEST_F(App, KeysTurnTheViewAndMoveTheJointsAndRepaint)
{
    for (const KeyRow& row : kKeys) {
        SetUp();
        for (int n = 0; n < row.presses; n++)
            Send(WM_KEYDOWN, row.key, 1);
        const ViewState& v = g_viewState;
        EXPECT_EQ((std::vector<double>{v.rotX, v.rotY, v.waist, v.shoulder, v.elbow}),
                  (std::vector<double>{row.after.rotX, row.after.rotY, row.after.waist,
                                       row.after.shoulder, row.after.elbow}))
            << row.presses << " x key " << row.key;
        EXPECT_EQ(Win32().count["InvalidateRect"], row.presses); // whole area, no erase
    }
    for (auto [degrees, wrapped] : {std::pair{-365.0f, -5.0f},
                                    {370.0f, 10.0f},
                                    {359.9f, 359.0f},
                                    {-0.5f, 0.0f},
                                    {720.0f, 0.0f}})
        EXPECT_EQ(WrapRotation(degrees), wrapped) << degrees;
}

const UINT kModelItems[] = {IDM_CYLINDER, IDM_ARM1, IDM_ARM2, IDM_ROBOT};

TEST_F(App, ModelChoiceChecksOneItemResetsTheViewAndKeepsThePose)
{
    const std::pair<UINT, ModelKind> picks[] = {
        {IDM_ROBOT, MODEL_ROBOT}, {IDM_ARM1, MODEL_ARM1},         {IDM_ARM1, MODEL_ARM1},
        {IDM_ARM2, MODEL_ARM2},   {IDM_CYLINDER, MODEL_CYLINDER}, {IDOK, MODEL_CYLINDER},
        {40003, MODEL_CYLINDER}};
    Win32().checked = {IDM_CYLINDER};
    for (auto [command, model] : picks) {
        g_viewState.rotX = g_viewState.rotY = 15;
        g_viewState.waist = 7;
        Send(WM_COMMAND, MAKEWPARAM(command, 0));
        bool known = command != IDOK && command != 40003;
        EXPECT_EQ(g_viewState.model, model) << command;
        EXPECT_EQ(Win32().checked, std::set<UINT>{kModelItems[model]}) << command;
        EXPECT_EQ(g_viewState.rotX + g_viewState.rotY, known ? 0 : 30) << command;
        EXPECT_EQ(g_viewState.waist, 7);
    }
    EXPECT_EQ(Win32().count["InvalidateRect"], 5); // each model choice repaints
    Send(WM_COMMAND, MAKEWPARAM(IDM_ABOUT, 0));
    EXPECT_EQ(Win32().count["DialogBoxParam"], 1);
    EXPECT_EQ(Win32().count["DestroyWindow"], 0);
    Send(WM_COMMAND, MAKEWPARAM(IDM_EXIT, 0));
    EXPECT_EQ(Win32().count["DestroyWindow"], 1);
}

class About : public App {
  protected:
    INT_PTR Dialog(UINT message, WPARAM wParam = 0)
    {
        return AboutDialogProc(window, message, wParam, 0);
    }
};

TEST_F(About, ShowsTheQueriesAnswersEmptyForNull)
{
    Gl().strings = {{GL_VENDOR, "V"}, {GL_RENDERER, "R"}, {GL_EXTENSIONS, "E"}};
    Gl().gluStrings = {{GLU_VERSION, "1.3"}};
    Gl().gluErrors = {{GL_NO_ERROR, "no error"}};
    EXPECT_EQ(Dialog(WM_INITDIALOG), TRUE);
    EXPECT_EQ(Win32().texts, (std::map<int, std::string>{{IDC_GL_VENDOR, "V"},
                                                         {IDC_GL_RENDERER, "R"},
                                                         {IDC_GL_VERSION, ""},
                                                         {IDC_GL_EXTENSIONS, "E"},
                                                         {IDC_GLU_VERSION, "1.3"},
                                                         {IDC_GLU_EXTENSIONS, ""},
                                                         {IDC_ERROR1, "no error"}}));
}

TEST_F(About, ListsUpToSixPendingErrorsThenTheNoErrorText)
{
    for (int pending : {0, 3, 5, 6, 8}) {
        SetUp();
        Gl().gluErrors = {{GL_NO_ERROR, "none"}, {GL_INVALID_ENUM, "enum"}};
        Gl().errors.assign(pending, GL_INVALID_ENUM);
        Dialog(WM_INITDIALOG);
        for (int slot = 0; slot < 6; slot++) {
            auto text = Win32().texts.find(IDC_ERROR1 + slot);
            std::string want = slot < pending ? "enum" : slot == pending ? "none" : "(unset)";
            EXPECT_EQ(text == Win32().texts.end() ? "(unset)" : text->second, want)
                << pending << " pending, slot " << slot + 1;
        }
        EXPECT_EQ(Gl().errors.size(), size_t(pending > 6 ? pending - 6 : 0));
    }
}

TEST_F(About, EndsOnOkAndTheCloseBoxButNotOnEscape)
{
    for (auto [message, wParam, ends] : {std::tuple{WM_COMMAND, IDCANCEL, false},
                                         {WM_COMMAND, IDC_GL_VENDOR, false},
                                         {WM_KEYDOWN, VK_ESCAPE, false},
                                         {WM_COMMAND, IDOK, true},
                                         {WM_CLOSE, 0, true}}) {
        SetUp();
        Dialog(message, MAKEWPARAM(wParam, BN_CLICKED));
        EXPECT_EQ(Win32().dialogResult, ends ? 1 : -1) << message << " " << wParam;
    }
}

} // namespace
