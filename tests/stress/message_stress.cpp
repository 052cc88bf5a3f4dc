// Seeded random messages to the real program. WinMain runs as it does for a
// user; a toolkit timer, which fires between messages, checks the invariants
// below and takes the next step: keys of every code, commands real and
// stray, the About dialog (sent Cancel, which must leave it up, then closed),
// resizes from nothing to 4000 pixels, minimising and uncovering.
// ROBOT_OXEL_STRESS_SEED repeats a run (empty: new), ROBOT_OXEL_STRESS_STEPS sets its length.
#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <FL/x.H>
#include <GL/gl.h>
#include <math.h>
#include <stdio.h>
#include <stdlib.h>

#include <random>
#include <string>

#include "embedded.h"
#include "render_context.h"
#include "resource.h"
#include "state.h"
#include "view_state.h"

namespace {

const UINT kModelCommands[] = {IDM_CYLINDER, IDM_ARM1, IDM_ARM2, IDM_ROBOT};
const UINT kActiveKeys[] = {VK_UP, VK_DOWN, VK_LEFT, VK_RIGHT, '1', '2', '3', '4', '5', '6'};
const UINT kStrayCommands[] = {0, IDOK, IDCANCEL, 40000, 40003, 40010, 40015, 0xFFFF};
const int kPatience = 2000; // ticks a step may take to show its effect

std::mt19937_64 g_random;
unsigned long long g_seed;
long g_steps, g_step;
std::string g_what; // the step being taken, for the failure report
int g_waiting;      // ticks spent waiting for the step to show
bool g_minimising, g_aboutAsked, g_aboutTold;

int Random(int bound)
{
    return static_cast<int>(g_random() % static_cast<unsigned>(bound));
}

[[noreturn]] void Fail(const std::string& what)
{
    fprintf(stderr, "stress: step %ld (%s): %s\nstress: repeat with ROBOT_OXEL_STRESS_SEED=%llu\n",
            g_step, g_what.c_str(), what.c_str(), g_seed);
    exit(1);
}

CoreWindow* Find(WindowKind kind)
{
    for (CoreWindow* window : Windows()) {
        if (window->kind == kind && !window->ended)
            return window;
    }
    return nullptr;
}

void Check(CoreWindow* window, CoreWindow* dialog)
{
    const ViewState& view = g_viewState;
    if (Windows().size() != (dialog ? 2u : 1u) || !LastError().empty())
        Fail("a window left behind, or an error: " + LastError());
    for (float r : {view.rotX, view.rotY}) {
        if (r != truncf(r) || r <= -360.0f || r >= 360.0f)
            Fail("rotation " + std::to_string(r) + " is not whole degrees in (-360, 360)");
    }
    // Checking an item as it already is answers with its state and changes nothing.
    for (int model = 0; model < 4; model++) {
        UINT want = model == view.model ? MF_CHECKED : MF_UNCHECKED;
        if (CheckMenuItem(GetMenu(HandleOf(window)), kModelCommands[model], want) != want)
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

// True while the last step has yet to show: a window to minimise, a dialog to come or go.
bool Waiting(CoreWindow* window, CoreWindow* dialog)
{
    if (g_minimising && window->minimised) {
        g_minimising = false;
        XMapWindow(g_platform.display, fl_xid(window->native->frame));
    }
    if (g_aboutAsked && dialog && !g_aboutTold) {
        PostToQueue(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        PostToQueue(dialog, Random(2) ? WM_CLOSE : WM_COMMAND, IDOK, 0);
        g_aboutTold = true;
    }
    if (g_aboutTold && !dialog)
        g_aboutAsked = g_aboutTold = false;
    bool waiting = g_minimising || g_aboutAsked;
    if (waiting && ++g_waiting > kPatience)
        Fail(g_minimising ? "the window never minimised" : "the About dialog never came or went");
    return waiting;
}

void Step(CoreWindow* window)
{
    int kind = Random(100);
    g_waiting = 0;
    if (kind < 60) {
        UINT key = Random(2) ? Random(256) : kActiveKeys[Random(10)];
        for (int n = 1 + Random(Random(5) ? 3 : 150); n > 0; n--)
            PostToQueue(window, WM_KEYDOWN, key, 1);
        g_what = "key " + std::to_string(key);
    } else if (kind < 85) {
        UINT command = Random(3) ? kModelCommands[Random(4)] : kStrayCommands[Random(8)];
        PostToQueue(window, WM_COMMAND, MAKEWPARAM(command, 0), 0);
        g_what = "command " + std::to_string(command);
    } else if (kind < 88) {
        g_what = "About";
        g_aboutAsked = true;
        PostToQueue(window, WM_COMMAND, MAKEWPARAM(IDM_ABOUT, 0), 0);
    } else if (kind < 94) {
        static const int kSides[] = {0, 1, 4000, 400, 317};
        int width = kSides[Random(5)], height = kSides[Random(5)];
        g_what = "resize to " + std::to_string(width) + "x" + std::to_string(height);
        window->native->frame->resize(window->native->frame->x(), window->native->frame->y(), width,
                                      height);
    } else if (kind < 97) {
        // NOTE: what a window manager does to iconify; the window is restored once it shows.
        g_what = "minimise";
        g_minimising = true;
        XUnmapWindow(g_platform.display, fl_xid(window->native->frame));
    } else {
        g_what = "uncover";
        XClearArea(g_platform.display, window->native->glWindow, 0, 0, 0, 0, True);
    }
}

// NOTE: a message posted from an FLTK timer is seen only when the toolkit's
// wait ends, so the timer keeps ticking for as long as the program runs.
void OnTick(void*)
{
    Fl::repeat_timeout(0.001, OnTick);
    CoreWindow* window = Find(KIND_MAIN);
    if (!window || window->destroying || !g_renderContext.hRC)
        return;
    CoreWindow* dialog = Find(KIND_DIALOG);
    Check(window, dialog);
    if (Waiting(window, dialog))
        return;
    if (++g_step <= g_steps)
        Step(window);
    else if (g_step == g_steps + 1)
        PostToQueue(window, WM_COMMAND, MAKEWPARAM(IDM_EXIT, 0), 0);
}

} // namespace

int main()
{
    const char* seed = getenv("ROBOT_OXEL_STRESS_SEED");
    const char* steps = getenv("ROBOT_OXEL_STRESS_STEPS");
    g_seed = seed && *seed ? strtoull(seed, nullptr, 0) : std::random_device()();
    g_random.seed(g_seed);
    g_steps = steps ? strtol(steps, nullptr, 0) : 1500;
    printf("stress: seed %llu, %ld steps\n", g_seed, g_steps);
    fflush(stdout);
    Fl::add_timeout(0.001, OnTick);
    StartCore(g_resourceScript, g_resourceHeader);
    static int module;
    char commandLine[] = "";
    int code = WinMain(reinterpret_cast<HINSTANCE>(&module), NULL, commandLine, SW_SHOWDEFAULT);
    g_what = "File/Exit";
    if (code != 0 || g_step <= g_steps || !Windows().empty() || g_renderContext.hRC)
        Fail("the program ended early, left a window or a context, or with code " +
             std::to_string(code));
    printf("stress: %ld steps, all invariants held\n", g_steps);
    return 0;
}
