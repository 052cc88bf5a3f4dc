#include "app_test.h"
#include "pixel_format.h"
#include "projection.h"
#include "scene.h"

namespace {

class MainWindow : public AppTest {};
class RgbPalette : public AppTest {};

// 8 bits: red in bits 0-2, green in 3-5, blue in 6-7.
PIXELFORMATDESCRIPTOR ColourMappedFormat()
{
    PIXELFORMATDESCRIPTOR pfd = {};
    pfd.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER | PFD_NEED_PALETTE;
    pfd.cColorBits = 8;
    pfd.cRedBits = 3;
    pfd.cGreenBits = 3;
    pfd.cGreenShift = 3;
    pfd.cBlueBits = 2;
    pfd.cBlueShift = 6;
    return pfd;
}

TEST_F(MainWindow, CreateBindsAContextToTheWindowBeforeItsFirstGlCall)
{
    EXPECT_EQ(Send(WM_CREATE), 0);
    const std::vector<Win32Call>& calls = Win32Calls();
    ASSERT_EQ(Win32CallNames(),
              (std::vector<std::string>{"GetDC", "ChoosePixelFormat", "SetPixelFormat",
                                        "GetPixelFormat", "DescribePixelFormat",
                                        "wglCreateContext", "wglMakeCurrent"}));
    ExpectCall(calls[0], "GetDC", {Arg(window)});
    ExpectCall(calls[2], "SetPixelFormat", {Arg(kFakeDC), 1, calls[1].args[1]});
    EXPECT_EQ(calls[4].args[1], 1u); // the format just set
    ExpectCall(calls[5], "wglCreateContext", {Arg(kFakeDC)});
    ExpectCall(calls[6], "wglMakeCurrent", {Arg(kFakeDC), Arg(kFakeContext)});
    EXPECT_EQ(calls[6].glCallsBefore, 0u);
    std::vector<GlCall> made = GlCalls();
    EXPECT_EQ(made, GlCallsOf(InitRenderState));
    EXPECT_EQ(g_renderContext.hDC, kFakeDC);
    EXPECT_EQ(g_renderContext.hRC, kFakeContext);
    EXPECT_EQ(g_renderContext.hPalette, nullptr);
}

TEST_F(MainWindow, CreateIsRefusedWithoutGlCallsWhenNoContextCanBeMadeCurrent)
{
    FailWglCreateContext();
    EXPECT_EQ(Send(WM_CREATE), -1);
    EXPECT_EQ(Win32CallNames().back(), "wglCreateContext");
    EXPECT_TRUE(GlCalls().empty());

    SetUp();
    FailWglMakeCurrent();
    EXPECT_EQ(Send(WM_CREATE), -1);
    EXPECT_EQ(Win32CallNames().back(), "wglMakeCurrent");
    EXPECT_TRUE(GlCalls().empty());
}

TEST_F(MainWindow, DestroyReleasesTheContextThenThePaletteIfAnyAndPostsQuitZero)
{
    Send(WM_CREATE);
    ClearWin32Calls();
    EXPECT_EQ(Send(WM_DESTROY), 0);
    ASSERT_EQ(Win32Calls().size(), 3u);
    ExpectCall(Win32Calls()[0], "wglMakeCurrent", {Arg(kFakeDC), 0});
    ExpectCall(Win32Calls()[1], "wglDeleteContext", {Arg(kFakeContext)});
    ExpectCall(Win32Calls()[2], "PostQuitMessage", {0});

    SetUp();
    SetDescribedPixelFormat(ColourMappedFormat());
    Send(WM_CREATE);
    ClearWin32Calls();
    Send(WM_DESTROY);
    EXPECT_EQ(Win32CallNames(), (std::vector<std::string>{"wglMakeCurrent", "wglDeleteContext",
                                                          "DeleteObject", "PostQuitMessage"}));
    EXPECT_EQ(Win32Calls()[2].args[0], Arg(kFakePalette));
}

TEST_F(MainWindow, PaintDrawsTheSceneThenSwapsThenValidatesTheSameFrameEveryTime)
{
    Send(WM_CREATE);
    g_viewState = {30.0f, -45.0f, MODEL_ROBOT, 7.0, -3.0, 12.0};
    for (int uncovered = 0; uncovered < 2; uncovered++) {
        ForgetCalls();
        EXPECT_EQ(Send(WM_PAINT), 0);
        std::vector<GlCall> made = GlCalls();
        EXPECT_EQ(made, GlCallsOf(DrawScene));
        ASSERT_EQ(Win32Calls().size(), 2u);
        ExpectCall(Win32Calls()[0], "SwapBuffers", {Arg(kFakeDC)});
        EXPECT_EQ(Win32Calls()[0].glCallsBefore, made.size());
        ExpectCall(Win32Calls()[1], "ValidateRect", {Arg(window), 0});
    }
}

TEST_F(MainWindow, SizeGivesTheClientWidthAndHeightToTheProjection)
{
    const int sizes[][4] = {{400, 342, 400, 342}, {0, 0, 1, 1}, {65535, 7, 65535, 7}};
    for (const int* size : sizes) {
        ForgetCalls();
        EXPECT_EQ(Send(WM_SIZE, SIZE_RESTORED, MAKELPARAM(size[0], size[1])), 0);
        std::vector<GlCall> made = GlCalls();
        ASSERT_FALSE(made.empty());
        EXPECT_EQ(made[0], (GlCall{"glViewport", {0, 0, double(size[2]), double(size[3])}}));
        EXPECT_EQ(made, GlCallsOf([&] { ResizeView(size[0], size[1]); }));
    }
}

TEST_F(MainWindow, PaletteMessagesDoNothingWithoutAPalette)
{
    Send(WM_CREATE);
    ClearWin32Calls();
    SetRealizedEntries(17);
    EXPECT_EQ(Send(WM_QUERYNEWPALETTE), 0);
    EXPECT_EQ(Send(WM_PALETTECHANGED, 0x5A5A), 0);
    EXPECT_TRUE(Win32Calls().empty());
}

TEST_F(MainWindow, PaletteMessagesRealiseTheColourMappedPaletteUnlessThisWindowChangedIt)
{
    SetDescribedPixelFormat(ColourMappedFormat());
    Send(WM_CREATE);
    SetRealizedEntries(17);
    ClearWin32Calls();
    EXPECT_EQ(Send(WM_QUERYNEWPALETTE), 17);
    ASSERT_EQ(Win32Calls().size(), 3u);
    ExpectCall(Win32Calls()[0], "SelectPalette", {Arg(kFakeDC), Arg(kFakePalette), FALSE});
    ExpectCall(Win32Calls()[1], "RealizePalette", {Arg(kFakeDC)});
    ExpectCall(Win32Calls()[2], "InvalidateRect", {Arg(window), 0, FALSE});

    ClearWin32Calls();
    EXPECT_EQ(Send(WM_PALETTECHANGED, 0x5A5A), 0);
    EXPECT_EQ(Win32CallNames(),
              (std::vector<std::string>{"SelectPalette", "RealizePalette", "UpdateColors"}));
    ExpectCall(Win32Calls()[2], "UpdateColors", {Arg(kFakeDC)});

    ClearWin32Calls();
    EXPECT_EQ(Send(WM_PALETTECHANGED, Arg(window)), 0);
    EXPECT_TRUE(Win32Calls().empty());
}

TEST_F(MainWindow, OtherMessagesGoToDefWindowProcAndReturnItsResult)
{
    EXPECT_EQ(Send(WM_CLOSE, 1, 2), kDefWindowProcResult);
    EXPECT_EQ(Send(WM_SYSKEYDOWN, VK_MENU, 3), kDefWindowProcResult);
    ASSERT_EQ(Win32Calls().size(), 2u);
    ExpectCall(Win32Calls()[1], "DefWindowProc", {Arg(window), WM_SYSKEYDOWN, VK_MENU, 3});
}

TEST_F(RgbPalette, ThreeThreeTwoFormatGetsAllLevelsThenIsSelectedAndRealised)
{
    SetDescribedPixelFormat(ColourMappedFormat());
    EXPECT_EQ(CreateRgbPalette(kFakeDC), kFakePalette);
    EXPECT_EQ(Win32CallNames(),
              (std::vector<std::string>{"GetPixelFormat", "DescribePixelFormat", "CreatePalette",
                                        "SelectPalette", "RealizePalette"}));
    EXPECT_EQ(Win32Calls()[1].args[2], 40u);
    ExpectCall(Win32Calls()[3], "SelectPalette", {Arg(kFakeDC), Arg(kFakePalette), FALSE});
    ASSERT_EQ(CreatedPalettes().size(), 1u);
    const RecordedPalette& palette = CreatedPalettes()[0];
    EXPECT_EQ(palette.version, 0x300);
    ASSERT_EQ(palette.entryCount, 256);
    const int eighths[] = {0, 36, 72, 109, 145, 182, 218, 255};
    const int quarters[] = {0, 85, 170, 255};
    for (int i = 0; i < 256; i++) {
        const PALETTEENTRY& e = palette.entries[i];
        EXPECT_EQ(e.peRed, eighths[i & 7]) << i;
        EXPECT_EQ(e.peGreen, eighths[(i >> 3) & 7]) << i;
        EXPECT_EQ(e.peBlue, quarters[i >> 6]) << i;
    }
}

TEST_F(RgbPalette, TrueColourFormatGetsNone)
{
    EXPECT_EQ(CreateRgbPalette(kFakeDC), nullptr);
    EXPECT_EQ(Win32CallNames(), (std::vector<std::string>{"GetPixelFormat", "DescribePixelFormat"}));
}

} // namespace
