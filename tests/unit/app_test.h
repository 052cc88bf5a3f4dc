// Fixture of the app tests: the window procedure runs against the Win32 fake
// and the GL recorder, from a fresh view state and render context.
#ifndef ROBOT_OXEL_TESTS_APP_TEST_H
#define ROBOT_OXEL_TESTS_APP_TEST_H

#include <gtest/gtest.h>

#include "main_window.h"
#include "render_context.h"
#include "gl_recorder.h"
#include "view_state.h"
#include "win32_fake.h"

class AppTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetGlRecorder();
        ResetWin32Fake();
        g_viewState = ViewState();
        g_renderContext = RenderContext();
    }

    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
    {
        return MainWindowProc(window, message, wParam, lParam);
    }

    // Forgets what came before, so a test sees only the calls of what it does next.
    void ForgetCalls()
    {
        ResetGlRecorder();
        ClearWin32Calls();
    }

    const HWND window = reinterpret_cast<HWND>(uintptr_t(0x817D));
};

// The GL calls that fn makes on its own, to compare with what a message made.
template <typename Fn> std::vector<GlCall> GlCallsOf(Fn fn)
{
    size_t start = GlCalls().size();
    fn();
    return std::vector<GlCall>(GlCalls().begin() + start, GlCalls().end());
}

inline void ExpectCall(const Win32Call& call, const char* name, std::vector<uintptr_t> args)
{
    EXPECT_EQ(call.name, name);
    EXPECT_EQ(call.args, args) << name;
}

#endif
