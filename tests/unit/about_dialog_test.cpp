#include "about_dialog.h"
#include "app_test.h"
#include "resource.h"

#include <GL/glu.h> // after <windows.h>, as on Win32

namespace {

const HWND kDialog = reinterpret_cast<HWND>(uintptr_t(0xAB0));
const GLenum kErrors[] = {GL_INVALID_ENUM, GL_INVALID_VALUE, GL_INVALID_OPERATION,
                          GL_STACK_OVERFLOW, GL_STACK_UNDERFLOW, GL_OUT_OF_MEMORY};

class AboutDialog : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        SetGluErrorString(GL_NO_ERROR, "no error");
        for (GLenum code : kErrors)
            SetGluErrorString(code, ("error " + std::to_string(code)).c_str());
    }

    INT_PTR Dispatch(UINT message, WPARAM wParam = 0)
    {
        return AboutDialogProc(kDialog, message, wParam, 0);
    }
};

TEST_F(AboutDialog, InitShowsTheGlStringsInOrderThenTheGluStrings)
{
    const char* gl[] = {"Mesa", "llvmpipe", "2.1 Mesa 22.3.6", "GL_ARB_multitexture"};
    for (int k = 0; k < 4; k++)
        SetGlString(GL_VENDOR + k, gl[k]);
    SetGluString(GLU_VERSION, "1.3");
    SetGluString(GLU_EXTENSIONS, "GLU_EXT_nurbs_tessellator");
    EXPECT_EQ(Dispatch(WM_INITDIALOG), TRUE);
    auto texts = DialogItemTexts();
    for (int k = 0; k < 4; k++)
        EXPECT_EQ(texts[IDC_GL_VENDOR + k], gl[k]);
    EXPECT_EQ(texts[IDC_GLU_VERSION], "1.3");
    EXPECT_EQ(texts[IDC_GLU_EXTENSIONS], "GLU_EXT_nurbs_tessellator");
    EXPECT_EQ(texts.count(1004), 0u);
}

// Slots after the no-error text keep their empty template text; errors past six stay pending.
TEST_F(AboutDialog, ErrorSlotsShowUpToSixPendingErrorsThenTheNoErrorText)
{
    for (int pending : {0, 3, 6, 8}) {
        SetUp();
        for (int i = 0; i < pending; i++)
            QueueGlError(kErrors[i % 6]);
        Dispatch(WM_INITDIALOG);
        auto texts = DialogItemTexts();
        int shown = std::min(pending, 6);
        for (int slot = 0; slot < 6; slot++) {
            int id = IDC_ERROR1 + slot;
            if (slot < shown)
                EXPECT_EQ(texts[id], "error " + std::to_string(kErrors[slot])) << pending;
            else if (slot == shown)
                EXPECT_EQ(texts[id], "no error") << pending;
            else
                EXPECT_EQ(texts.count(id), 0u) << pending << " " << slot;
        }
        for (int left = shown; left < pending; left++)
            EXPECT_EQ(glGetError(), kErrors[left % 6]);
        EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    }
}

TEST_F(AboutDialog, NullAnswersOfTheQueriesBecomeEmptyTexts)
{
    ResetGlRecorder(); // no strings at all, not even for GL_NO_ERROR
    Dispatch(WM_INITDIALOG);
    auto texts = DialogItemTexts();
    EXPECT_EQ(texts.size(), 7u);
    for (auto& text : texts)
        EXPECT_EQ(text.second, "") << text.first;
}

TEST_F(AboutDialog, OkEnterAndTheCloseBoxEndItWithOne)
{
    EXPECT_EQ(Dispatch(WM_COMMAND, IDOK), 0);
    EXPECT_EQ(Dispatch(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED)), 0);
    EXPECT_EQ(Dispatch(WM_CLOSE), 0);
    ASSERT_EQ(Win32Calls().size(), 3u);
    for (const Win32Call& call : Win32Calls())
        ExpectCall(call, "EndDialog", {Arg(kDialog), 1});
}

TEST_F(AboutDialog, EscapeOtherCommandsAndOtherMessagesLeaveItOpen)
{
    for (WPARAM id : {IDCANCEL, IDC_GL_VENDOR, IDC_ERROR1, 0})
        EXPECT_EQ(Dispatch(WM_COMMAND, id), 0);
    EXPECT_EQ(Dispatch(WM_PAINT), 0);
    EXPECT_EQ(Dispatch(WM_KEYDOWN, VK_ESCAPE), 0);
    EXPECT_TRUE(Win32Calls().empty());
}

} // namespace
