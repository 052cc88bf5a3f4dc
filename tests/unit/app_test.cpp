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

void FileExit()
{
    CoreKeyDown('F', true, false);
    CoreKeyDown('X', false, false);
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
    std::vector<std::function<void()>> events;
    std::string trace;
    ViewState view;
    bool noContext = false; // wglCreateContext fails: WinMain ends with 1, else with 0
};

const AppRow kRows[] = {
    {"arrows turn 5 degrees, digits move the joints 1",
     {Keys(VK_UP), Keys(VK_DOWN, 3), Keys(VK_LEFT, 4), Keys(VK_RIGHT), Keys('1'), Keys('2', 3),
      Keys('3', 2), Keys('4', 5), Keys('5'), Keys('6', 4), FileExit},
     "swap swap swap swap swap swap swap swap swap swap swap",
     {10, -15, MODEL_CYLINDER, 2, 3, 3}},
    {"the view wraps into (-360, 360), keeping its sign",
     {Keys(VK_RIGHT, 72), Keys(VK_UP, 73), FileExit},
     "swap swap swap",
     {-5, 0, MODEL_CYLINDER, 0, 0, 0}},
    {"keypad digits, letters and F2 do nothing",
     {Keys(VK_NUMPAD0 + 1), Keys('A'), Keys(VK_F1 + 1), FileExit},
     "swap swap swap swap",
     {}},
    {"a model choice checks it alone, resets the view, keeps the pose and repaints",
     {Keys('2', 7), Keys(VK_UP), Command(IDM_ROBOT), Marks, Command(IDM_ARM1), Marks, FileExit},
     "swap swap swap swap marks 3 swap marks 1",
     {0, 0, MODEL_ARM1, 7, 0, 0}},
    {"About shows GL's answers, one error line; Escape leaves it open, OK ends it",
     {Command(IDM_ABOUT), Keys(VK_ESCAPE), Keys(VK_RETURN), Keys('2'), FileExit},
     "swap " + kAbout + " activate swap",
     {0, 0, MODEL_CYLINDER, 1, 0, 0}},
    {"the close boxes end About, then the program",
     {Command(IDM_ABOUT), [] { CoreClose(Windows().back()); },
      [] { CoreClose(Windows().front()); }},
     "swap " + kAbout + " activate",
     {}},
    {"no GL context: no window", {}, "", {}, true},
};

TEST(App, RunsFromWinMainToItsEnd)
{
    for (const AppRow& row : kRows) {
        ResetGl();
        Gl().strings = {{GL_VENDOR, "V"}, {GL_RENDERER, "R"}, {GL_EXTENSIONS, "E"}};
        Gl().gluStrings = {{GLU_VERSION, "1.3"}};
        Gl().gluErrors = {{GL_NO_ERROR, "none"}};
        g_viewState = ViewState();
        g_renderContext = RenderContext();
        StartFakeCore(row.events, row.noContext);
        static int module;
        char commandLine[] = "";
        EXPECT_EQ(WinMain(reinterpret_cast<HINSTANCE>(&module), NULL, commandLine, SW_SHOWDEFAULT),
                  row.noContext ? 1 : 0)
            << row.what;
        EXPECT_TRUE(Windows().empty()) << row.what;
        EXPECT_EQ(Fake().trace, row.trace) << row.what;
        const ViewState &v = g_viewState, &w = row.view;
        EXPECT_EQ(
            (std::vector<double>{v.rotX, v.rotY, double(v.model), v.waist, v.shoulder, v.elbow}),
            (std::vector<double>{w.rotX, w.rotY, double(w.model), w.waist, w.shoulder, w.elbow}))
            << row.what;
    }
}

} // namespace
