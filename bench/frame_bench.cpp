// The cost of one frame of each model on Mesa, against an empty frame on the
// same context: glClear alone. Each iteration ends in glFinish, so the
// rasteriser's work counts where it is caused. Run on an X display (Xvfb).
#include <benchmark/benchmark.h>
// After Google Benchmark: Xlib defines macros that clash with C++ names.
#include <GL/gl.h>
#include <GL/glx.h>
#include <X11/Xlib.h>
#include <stdio.h>

#include "projection.h"
#include "scene.h"
#include "view_state.h"

namespace {

// The program's client area at its opening size: 400 x 400 less the menu bar.
const int kWidth = 400;
const int kHeight = 375;

const char* const kModelNames[] = {"Cylinder", "Arm1", "Arm2", "Robot_siatka"};

void EmptyFrame(benchmark::State& state)
{
    for (auto _ : state) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glFinish();
    }
}

void SceneFrame(benchmark::State& state)
{
    g_viewState = ViewState();
    g_viewState.model = static_cast<ModelKind>(state.range(0));
    state.SetLabel(kModelNames[state.range(0)]);
    for (auto _ : state) {
        DrawScene();
        glFinish();
    }
}

// Where the robot's frame goes: the same calls with the polygons filled
// instead of outlined, and with everything shrunk to a point, which keeps
// the vertex work and leaves almost no pixels to draw.
void RobotFrameVariant(benchmark::State& state)
{
    g_viewState = ViewState();
    g_viewState.model = MODEL_ROBOT;
    bool filled = state.range(0) == 0;
    state.SetLabel(filled ? "filled" : "shrunk to a point");
    if (filled)
        glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    else
        glScaled(1e-3, 1e-3, 1e-3);
    for (auto _ : state) {
        DrawScene();
        glFinish();
    }
    InitRenderState();
    glLoadIdentity();
}

BENCHMARK(EmptyFrame);
BENCHMARK(SceneFrame)->DenseRange(MODEL_CYLINDER, MODEL_ROBOT);
BENCHMARK(RobotFrameVariant)->DenseRange(0, 1);

// A mapped, double-buffered RGBA window with depth, as the program asks for.
bool MakeCurrentWindow()
{
    Display* display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "frame_bench: no X display; run it on Xvfb\n");
        return false;
    }
    int attributes[] = {
        GLX_RGBA, GLX_DOUBLEBUFFER, GLX_RED_SIZE, 8,   GLX_GREEN_SIZE, 8, GLX_BLUE_SIZE,
        8,        GLX_DEPTH_SIZE,   24,           None};
    XVisualInfo* visual = glXChooseVisual(display, DefaultScreen(display), attributes);
    if (!visual) {
        fprintf(stderr, "frame_bench: no double-buffered RGBA visual with depth\n");
        return false;
    }
    Window root = RootWindow(display, visual->screen);
    XSetWindowAttributes windowAttributes = {};
    windowAttributes.colormap = XCreateColormap(display, root, visual->visual, AllocNone);
    Window window = XCreateWindow(display, root, 0, 0, kWidth, kHeight, 0, visual->depth,
                                  InputOutput, visual->visual, CWColormap, &windowAttributes);
    XMapWindow(display, window);
    GLXContext context = glXCreateContext(display, visual, NULL, True);
    if (!context || !glXMakeCurrent(display, window, context)) {
        fprintf(stderr, "frame_bench: cannot make a GL context current\n");
        return false;
    }
    InitRenderState();
    ResizeView(kWidth, kHeight);
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv) || !MakeCurrentWindow())
        return 1;
    fprintf(stderr, "frame_bench: %s, %s\n", glGetString(GL_RENDERER), glGetString(GL_VERSION));
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
