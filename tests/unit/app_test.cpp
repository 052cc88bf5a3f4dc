// The program from WinMain over the real Win32 core and the stand-in host,
// drawing into the GL recorder: keys, model choices, About, the ways it ends.
#include <gtest/gtest.h>

#include <GL/glu.h>

#include "fake_host.h"
#include "gl_recorder.h"
#include "render_context.h"
#include "resource.h"
#include "view_state.h"

namespace {

std::function<void()> Keys(UINT vk, int count = 1, bool alt = false)
{
    return [=] {
        for (int n = 0; n < count; n++)
            CoreKeyDown(vk, alt, false);
    };
}

std::function<void()> Command(UINT id)
{
    return [=] { PostToQueue(MainWindow(), WM_COMMAND, MAKEWPARAM(id, 0), 0); };
}

// The model items with a check mark, into the trace.
void Marks()
{
    std::string marks = "marks";
    for (UINT id : {IDM_CYLINDER, IDM_ARM1, IDM_ARM2, IDM_ROBOT})
        marks += IsChecked(MainWindow()->menu, id) ? " " + std::to_string(id - IDM_CYLINDER) : "";
    Trace(marks);
}

// Controls by their place in the template: vendor 1, renderer 7, version 8, extensions 9,
// GLU's version 13 and extensions 14, the first error line 16.
const std::string kAbout = "dialog 347x439 at 100,60 text 1=V text 7=R text 8= text 9=E "
                           "text 13=1.3 text 14= text 16=none";

struct AppRow {
    const char* what;
    std::vector<std::function<void()>> events; // then File/Exit, which ends with code 0
    std::string trace;                         // after the first frame's swap
    ViewState view;
};

const AppRow kRows[] = {
    {"arrows turn 5 degrees, digits move the joints 1",
     {Keys(VK_UP), Keys(VK_DOWN, 3), Keys(VK_LEFT, 4), Keys(VK_RIGHT), Keys('1'), Keys('2', 3),
      Keys('3', 2), Keys('4', 5), Keys('5'), Keys('6', 4)},
     "swap swap swap swap swap swap swap swap swap swap",
     {10, -15, MODEL_CYLINDER, 2, 3, 3}},
    {"the view wraps into (-360, 360), keeping its sign",
     {Keys(VK_RIGHT, 72), Keys(VK_UP, 73)},
     "swap swap",
     {-5, 0, MODEL_CYLINDER, 0, 0, 0}},
    {"keypad digits, letters and F2 do nothing",
     {Keys(VK_NUMPAD0 + 1), Keys('A'), Keys(VK_F1 + 1)},
     "swap swap swap",
     {}},
    {"a model choice checks it alone, resets the view, keeps the pose and repaints",
     {Keys('2', 7), Keys(VK_UP), Command(IDM_ROBOT), Marks, Command(IDM_ARM1), Marks},
     "swap swap swap marks 3 swap marks 1",
     {0, 0, MODEL_ARM1, 7, 0, 0}},
    {"About shows GL's answers, one error line; Escape leaves it open, OK ends it",
     {Command(IDM_ABOUT), Keys(VK_ESCAPE), Keys(VK_RETURN), Keys('2')},
     kAbout + " activate swap",
     {0, 0, MODEL_CYLINDER, 1, 0, 0}},
};

int RunWinMain(const std::vector<std::function<void()>>& events, bool noContext)
{
    ResetGl();
    Gl().strings = {{GL_VENDOR, "V"}, {GL_RENDERER, "R"}, {GL_EXTENSIONS, "E"}};
    Gl().gluStrings = {{GLU_VERSION, "1.3"}};
    Gl().gluErrors = {{GL_NO_ERROR, "none"}};
    g_viewState = ViewState();
    g_renderContext = RenderContext();
    StartFakeCore(events, noContext);
    static int module;
    char commandLine[] = "";
    return WinMain(reinterpret_cast<HINSTANCE>(&module), NULL, commandLine, SW_SHOWDEFAULT);
}

TEST(App, KeysAndCommandsChangeTheViewAndFileExitEndsWithZero)
{
    for (const AppRow& row : kRows) {
        std::vector<std::function<void()>> events = row.events;
        events.insert(events.end(), {Keys('F', 1, true), Keys('X')});
        EXPECT_EQ(RunWinMain(events, false), 0) << row.what;
        EXPECT_TRUE(Windows().empty()) << row.what;
        EXPECT_EQ(Fake().trace, "swap " + row.trace) << row.what;
        const ViewState &v = g_viewState, &w = row.view;
        EXPECT_EQ(
            (std::vector<double>{v.rotX, v.rotY, double(v.model), v.waist, v.shoulder, v.elbow}),
            (std::vector<double>{w.rotX, w.rotY, double(w.model), w.waist, w.shoulder, w.elbow}))
            << row.what;
    }
}

TEST(App, TheCloseBoxesEndAboutAndTheProgram)
{
    EXPECT_EQ(RunWinMain({Command(IDM_ABOUT), [] { CoreClose(Windows().back()); },
                          [] { CoreClose(Windows().front()); }},
                         false),
              0);
    EXPECT_EQ(Fake().trace, "swap " + kAbout + " activate");
    EXPECT_TRUE(Windows().empty());
}

TEST(App, RefusesAWindowWithoutAGlContextAndEndsWithOne)
{
    EXPECT_EQ(RunWinMain({}, true), 1);
    EXPECT_EQ(Fake().trace, "");
    EXPECT_TRUE(Windows().empty());
}

} // namespace
