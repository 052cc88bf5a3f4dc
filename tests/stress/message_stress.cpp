// Seeded random messages to the real main window on a real GL context: keys
// of every code, commands real and stray, the About dialog, resizes from
// nothing to 4000 pixels, minimising and uncovering. After every step the
// invariants below must hold. ROBOT_OXEL_STRESS_SEED repeats a run,
// ROBOT_OXEL_STRESS_STEPS makes it longer (or shorter).
#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <FL/x.H>
#include <GL/gl.h>
#include <math.h>
#include <stdio.h>
#include <stdlib.h>

#include <random>
#include <string>

#include "main_window.h"
#include "render_context.h"
#include "resource.h"
#include "state.h"
#include "view_state.h"

namespace {

const UINT kModelCommands[] = {IDM_CYLINDER, IDM_ARM1, IDM_ARM2, IDM_ROBOT};
const UINT kActiveKeys[] = {VK_UP, VK_DOWN, VK_LEFT, VK_RIGHT, '1', '2', '3', '4', '5', '6'};
const UINT kStrayCommands[] = {0, IDOK, IDCANCEL, 40000, 40003, 40010, 40015, 0xFFFF};

std::mt19937_64 g_random;
unsigned long long g_seed;
std::string g_step; // the step being taken, for the failure report
HWND g_window;
bool g_dialogTold;  // the About dialog of this step has had its messages

int Random(int bound)
{
    return static_cast<int>(g_random() % static_cast<unsigned>(bound));
}

[[noreturn]] void Fail(const std::string& what)
{
    fprintf(stderr, "stress: %s: %s\nstress: repeat with ROBOT_OXEL_STRESS_SEED=%llu\n",
            g_step.c_str(), what.c_str(), g_seed);
    exit(1);
}

PlatformWindow* Main()
{
    PlatformWindow* window = WindowFromHandle(g_window);
    if (!window)
        Fail("the main window is gone");
    return window;
}

// Hands out what is queued, and the paints after it, until nothing is left.
void Pump()
{
    for (int round = 0; round < 1000; round++) {
        XSync(g_platform.display, False);
        Fl::check();
        PlatformWindow* window = Main();
        if (g_platform.queue.empty() && !(window->invalid && !window->minimised))
            return;
        MSG msg;
        if (!NextMessage(&msg))
            Fail("WM_QUIT before File/Exit");
        DispatchMessage(&msg);
    }
    Fail("the queue never ran dry");
}

// The About dialog from its command, sent Cancel (which must leave it up) and
// then closed from inside its own loop. NOTE: a message posted from an FLTK
// timer is seen only when the wait ends, so the timer ticks until the dialog goes.
void OnDialogTick(void* close)
{
    bool up = false;
    for (PlatformWindow* window : g_platform.windows) {
        if (window->kind != KIND_DIALOG || window->ended || g_dialogTold) {
            up |= window->kind == KIND_DIALOG;
            continue;
        }
        PostToQueue(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        PostToQueue(window, close ? WM_CLOSE : WM_COMMAND, close ? 0 : IDOK, 0);
        g_dialogTold = up = true;
    }
    if (up || !g_dialogTold)
        Fl::add_timeout(0.001, OnDialogTick, close);
}

void Step()
{
    int kind = Random(100);
    PlatformWindow* window = Main();
    if (kind < 60) {
        UINT key = Random(2) ? Random(256) : kActiveKeys[Random(10)];
        for (int n = 1 + Random(Random(5) ? 3 : 150); n > 0; n--)
            PostToQueue(window, WM_KEYDOWN, key, 1);
        g_step = "key " + std::to_string(key);
    } else if (kind < 85) {
        UINT command = Random(3) ? kModelCommands[Random(4)] : kStrayCommands[Random(8)];
        PostToQueue(window, WM_COMMAND, MAKEWPARAM(command, 0), 0);
        g_step = "command " + std::to_string(command);
    } else if (kind < 88) {
        g_step = "About";
        g_dialogTold = false;
        PostToQueue(window, WM_COMMAND, MAKEWPARAM(IDM_ABOUT, 0), 0);
        Fl::add_timeout(0.001, OnDialogTick, Random(2) ? window : nullptr);
        Pump();
        Fl::remove_timeout(OnDialogTick);
        if (!g_dialogTold)
            Fail("the About dialog never came up");
    } else if (kind < 94) {
        static const int kSides[] = {0, 1, 4000, 400, 317};
        int width = kSides[Random(5)], height = kSides[Random(5)];
        g_step = "resize to " + std::to_string(width) + "x" + std::to_string(height);
        window->frame->resize(window->frame->x(), window->frame->y(), width, height);
    } else if (kind < 97) {
        // NOTE: what a window manager does to iconify and restore.
        g_step = "minimise";
        XUnmapWindow(g_platform.display, fl_xid(window->frame));
        Pump();
        if (!window->minimised)
            Fail("unmapping the frame did not minimise the window");
        XMapWindow(g_platform.display, fl_xid(window->frame));
    } else {
        g_step = "uncover";
        XClearArea(g_platform.display, window->glWindow, 0, 0, 0, 0, True);
    }
    Pump();
}

void Check()
{
    PlatformWindow* window = Main();
    const ViewState& view = g_viewState;
    if (g_platform.windows.size() != 1 || !g_platform.lastError.empty())
        Fail("a window left behind, or an error: " + g_platform.lastError);
    for (float r : {view.rotX, view.rotY}) {
        if (r != truncf(r) || r <= -360.0f || r >= 360.0f)
            Fail("rotation " + std::to_string(r) + " is not whole degrees in (-360, 360)");
    }
    if (view.model < MODEL_CYLINDER || view.model > MODEL_ROBOT)
        Fail("model " + std::to_string(view.model));
    // Checking an item as it already is answers with its state and changes nothing.
    HMENU menu = GetMenu(g_window);
    for (int model = 0; model < 4; model++) {
        UINT want = model == view.model ? MF_CHECKED : MF_UNCHECKED;
        if (CheckMenuItem(menu, kModelCommands[model], want) != want)
            Fail("the check marks do not show model " + std::to_string(view.model));
    }
    GLint modelview, projection, viewport[4];
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &modelview);
    glGetIntegerv(GL_PROJECTION_STACK_DEPTH, &projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    if (glGetError() != GL_NO_ERROR || modelview != 1 || projection != 1)
        Fail("a GL error, or matrix stacks left deeper than 1");
    // A minimised window reports 0 x 0; a side of 0 counts as 1.
    int width = window->minimised ? 1 : std::max(1, window->clientWidth);
    int height = window->minimised ? 1 : std::max(1, window->clientHeight);
    if (viewport[2] != width || viewport[3] != height)
        Fail("viewport " + std::to_string(viewport[2]) + "x" + std::to_string(viewport[3]) +
             " for a client of " + std::to_string(width) + "x" + std::to_string(height));
}

} // namespace

int main()
{
    const char* seed = getenv("ROBOT_OXEL_STRESS_SEED");
    const char* steps = getenv("ROBOT_OXEL_STRESS_STEPS");
    g_seed = seed ? strtoull(seed, nullptr, 0) : std::random_device()();
    g_random.seed(g_seed);
    long count = steps ? strtol(steps, nullptr, 0) : 1500;
    printf("stress: seed %llu, %ld steps\n", g_seed, count);
    fflush(stdout);

    // The class and window WinMain makes, without its message loop.
    static int module;
    WNDCLASS windowClass = {};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.lpszMenuName = MAKEINTRESOURCE(IDR_MAINMENU);
    windowClass.lpszClassName = "Robot Oxel";
    g_renderContext.hInstance = reinterpret_cast<HINSTANCE>(&module);
    g_step = "create";
    RegisterClass(&windowClass);
    g_window = CreateWindowEx(0, "Robot Oxel", "Robot Oxel", WS_OVERLAPPEDWINDOW, 50, 50, 400,
                              400, NULL, NULL, g_renderContext.hInstance, NULL);
    ShowWindow(g_window, SW_SHOW);
    Pump();
    Check();
    for (long n = 1; n <= count; n++) {
        Step();
        g_step += " (step " + std::to_string(n) + ")";
        Check();
    }
    g_step = "File/Exit";
    PostToQueue(Main(), WM_COMMAND, MAKEWPARAM(IDM_EXIT, 0), 0);
    MSG msg;
    while (NextMessage(&msg))
        DispatchMessage(&msg);
    if (msg.wParam != 0 || !g_platform.windows.empty() || g_renderContext.hRC)
        Fail("File/Exit left a window or a context, or a non-zero code");
    printf("stress: %ld steps, all invariants held\n", count);
    return 0;
}
