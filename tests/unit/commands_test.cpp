#include <random>

#include "about_dialog.h"
#include "app_test.h"
#include "resource.h"

namespace {

class Keyboard : public AppTest {};
class Commands : public AppTest {};

const UINT kModelIds[] = {IDM_CYLINDER, IDM_ARM1, IDM_ARM2, IDM_ROBOT};

bool SameView(const ViewState& a, const ViewState& b)
{
    return a.rotX == b.rotX && a.rotY == b.rotY && a.model == b.model && a.waist == b.waist &&
           a.shoulder == b.shoulder && a.elbow == b.elbow;
}

TEST(WrapRotation, TruncatesTowardZeroAndKeepsTheSignOfTheRemainder)
{
    EXPECT_EQ(WrapRotation(-365.0f), -5.0f);
    EXPECT_EQ(WrapRotation(370.0f), 10.0f);
    EXPECT_EQ(WrapRotation(-360.0f), 0.0f);
    EXPECT_EQ(WrapRotation(359.9f), 359.0f);
    EXPECT_EQ(WrapRotation(-719.5f), -359.0f);
}

TEST_F(Keyboard, UpSeventyThreeTimesFromZeroLeavesRotXAtMinusFive)
{
    for (int i = 0; i < 73; i++)
        Send(WM_KEYDOWN, VK_UP);
    EXPECT_EQ(g_viewState.rotX, -5.0f);
    EXPECT_EQ(g_viewState.rotY, 0.0f);
}

TEST_F(Keyboard, RightSeventyTwoTimesComesBackToZeroAndLeftOnceGivesMinusFive)
{
    for (int i = 0; i < 72; i++)
        Send(WM_KEYDOWN, VK_RIGHT);
    EXPECT_EQ(g_viewState.rotY, 0.0f);
    Send(WM_KEYDOWN, VK_LEFT);
    EXPECT_EQ(g_viewState.rotY, -5.0f);
    Send(WM_KEYDOWN, VK_DOWN);
    EXPECT_EQ(g_viewState.rotX, 5.0f);
}

TEST_F(Keyboard, DigitsOneToSixMoveTheJointsByOneDegreeEvenWithTheCylinderShown)
{
    const char keys[] = "214436566";
    for (const char* key = keys; *key; key++)
        Send(WM_KEYDOWN, *key, 5); // a repeat count of 5 still acts once
    EXPECT_EQ(g_viewState.model, MODEL_CYLINDER);
    EXPECT_EQ(g_viewState.waist, 0.0);
    EXPECT_EQ(g_viewState.shoulder, 1.0);
    EXPECT_EQ(g_viewState.elbow, 2.0);
}

// Keypad digits, space and every other code: no change, yet a repaint.
TEST_F(Keyboard, EveryKeyRepaintsWithoutErasingAndNeverReachesDefWindowProc)
{
    const std::string acting = "123456";
    for (WPARAM key = 0; key < 256; key++) {
        bool arrow = key >= VK_LEFT && key <= VK_DOWN;
        ClearWin32Calls();
        ViewState before = g_viewState;
        EXPECT_EQ(Send(WM_KEYDOWN, key), 0) << key;
        ASSERT_EQ(Win32Calls().size(), 1u) << key;
        ExpectCall(Win32Calls()[0], "InvalidateRect", {Arg(window), 0, FALSE});
        if (!arrow && acting.find(char(key)) == std::string::npos) {
            EXPECT_TRUE(SameView(before, g_viewState)) << key;
        }
    }
}

TEST_F(Commands, AnyModelSequenceLeavesExactlyItsLastModelChecked)
{
    std::mt19937 random(7);
    for (int i = 0; i < 200; i++) {
        int model = random() % 4;
        EXPECT_EQ(Send(WM_COMMAND, kModelIds[model]), 0);
        EXPECT_EQ(g_viewState.model, model);
        EXPECT_EQ(CheckedMenuItems(), std::set<UINT>{kModelIds[model]});
    }
}

TEST_F(Commands, ModelChoiceChecksItsOwnItemBeforeUncheckingTheOthersThenRepaints)
{
    Send(WM_COMMAND, MAKEWPARAM(IDM_ARM2, 1)); // the high word (notification) is ignored
    const std::vector<Win32Call>& calls = Win32Calls();
    ASSERT_EQ(calls.size(), 6u);
    ExpectCall(calls[0], "GetMenu", {Arg(window)});
    ExpectCall(calls[1], "CheckMenuItem", {Arg(kFakeMenu), IDM_ARM2, MF_CHECKED});
    ExpectCall(calls[2], "CheckMenuItem", {Arg(kFakeMenu), IDM_CYLINDER, MF_UNCHECKED});
    ExpectCall(calls[3], "CheckMenuItem", {Arg(kFakeMenu), IDM_ARM1, MF_UNCHECKED});
    ExpectCall(calls[4], "CheckMenuItem", {Arg(kFakeMenu), IDM_ROBOT, MF_UNCHECKED});
    ExpectCall(calls[5], "InvalidateRect", {Arg(window), 0, FALSE});
}

TEST_F(Commands, ModelChoiceResetsTheViewEvenForTheSameModelAndKeepsThePose)
{
    g_viewState = {30.0f, -45.0f, MODEL_ROBOT, 7.0, -3.0, 12.0};
    Send(WM_COMMAND, IDM_ROBOT);
    EXPECT_TRUE(SameView(g_viewState, {0.0f, 0.0f, MODEL_ROBOT, 7.0, -3.0, 12.0}));
    g_viewState.rotX = 90.0f;
    Send(WM_COMMAND, IDM_ARM1);
    EXPECT_TRUE(SameView(g_viewState, {0.0f, 0.0f, MODEL_ARM1, 7.0, -3.0, 12.0}));
}

TEST_F(Commands, UnknownIdsOnlyFetchTheMenuAndReturnZero)
{
    g_viewState = {30.0f, -45.0f, MODEL_ARM2, 7.0, -3.0, 12.0};
    ViewState before = g_viewState;
    for (UINT id : {0u, 1u, 40003u, 40010u, 40015u, 0xFFFFu}) {
        ClearWin32Calls();
        EXPECT_EQ(Send(WM_COMMAND, id), 0);
        EXPECT_EQ(Win32CallNames(), std::vector<std::string>{"GetMenu"}) << id;
    }
    EXPECT_TRUE(SameView(before, g_viewState));
}

TEST_F(Commands, ExitDestroysTheWindowWithoutRepainting)
{
    EXPECT_EQ(Send(WM_COMMAND, IDM_EXIT), 0);
    ASSERT_EQ(Win32Calls().size(), 2u);
    ExpectCall(Win32Calls()[1], "DestroyWindow", {Arg(window)});
}

TEST_F(Commands, AboutRunsTheDialogModallyOverTheWindowWithoutRepainting)
{
    g_renderContext.hInstance = reinterpret_cast<HINSTANCE>(uintptr_t(0x400000));
    SetGlString(GL_VENDOR, "Mesa");
    RunDialogInitialisation();
    EXPECT_EQ(Send(WM_COMMAND, IDM_ABOUT), 0);
    ASSERT_GE(Win32Calls().size(), 2u);
    ExpectCall(Win32Calls()[1], "DialogBoxParam",
               {0x400000, Arg(MAKEINTRESOURCE(IDD_ABOUT)), Arg(window),
                reinterpret_cast<uintptr_t>(&AboutDialogProc), 0});
    EXPECT_EQ(DialogItemTexts()[IDC_GL_VENDOR], "Mesa");
    for (const std::string& name : Win32CallNames())
        EXPECT_NE(name, "InvalidateRect");
}

} // namespace
