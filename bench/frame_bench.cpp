// The cost of one frame of each model on Mesa: the program's DrawScene on its
// own context set-up, against the same stream of primitives submitted in the
// cheapest ways GL offers on the same context: client vertex arrays, a display
// list and a vertex buffer object. Each iteration ends in glFinish, so the
// rasteriser's work counts where it is caused. Run on an X display (Xvfb).
#include <benchmark/benchmark.h>
// After Google Benchmark: Xlib defines macros that clash with C++ names.
#define GL_GLEXT_PROTOTYPES // the buffer objects of OpenGL 1.5
#include <GL/gl.h>
#include <GL/glext.h>
#include <GL/glx.h>
#include <X11/Xlib.h>
#include <stdio.h>

#include <string>
#include <vector>

#include "projection.h"
#include "scene.h"
#include "view_state.h"

namespace {

// The program's client area at its opening size: 400 x 400 less the menu bar.
const int kWidth = 400;
const int kHeight = 375;

const char* const kModelNames[] = {"Cylinder", "Arm1", "Arm2", "Robot_siatka"};
const int kModelCount = 4;

// One glBegin/glEnd run as DrawScene sends it: its mode, its vertices in the
// stream's array and the model-view matrix it was drawn under.
struct Run {
    GLenum mode;
    GLint first;
    GLsizei count;
    GLfloat modelView[16];
};

struct Stream {
    std::vector<GLfloat> vertices; // x, y, z of each vertex, in the order sent
    std::vector<Run> runs;
};

Stream* g_recording; // the stream DrawScene's calls go to while it is recorded

} // namespace

// The link wraps the program's immediate-mode calls (-Wl,--wrap): each goes on
// to GL as it is, and into g_recording while there is one.
extern "C" {
void __real_glBegin(GLenum mode);
void __real_glEnd();
void __real_glVertex2d(GLdouble x, GLdouble y);
void __real_glVertex3d(GLdouble x, GLdouble y, GLdouble z);

void __wrap_glBegin(GLenum mode)
{
    if (g_recording) {
        Run run = {mode, static_cast<GLint>(g_recording->vertices.size() / 3), 0, {}};
        glGetFloatv(GL_MODELVIEW_MATRIX, run.modelView);
        g_recording->runs.push_back(run);
    }
    __real_glBegin(mode);
}

void __wrap_glEnd()
{
    if (g_recording) {
        Run& run = g_recording->runs.back();
        run.count = static_cast<GLsizei>(g_recording->vertices.size() / 3) - run.first;
    }
    __real_glEnd();
}

void __wrap_glVertex3d(GLdouble x, GLdouble y, GLdouble z)
{
    if (g_recording)
        g_recording->vertices.insert(g_recording->vertices.end(),
                                     {GLfloat(x), GLfloat(y), GLfloat(z)});
    __real_glVertex3d(x, y, z);
}

void __wrap_glVertex2d(GLdouble x, GLdouble y)
{
    if (g_recording)
        g_recording->vertices.insert(g_recording->vertices.end(), {GLfloat(x), GLfloat(y), 0.0f});
    __real_glVertex2d(x, y);
}
}

namespace {

// What the program's frame leaves behind besides the picture: the model-view matrix at identity.
void DrawRuns(const Stream& stream, const GLvoid* vertices)
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glVertexPointer(3, GL_FLOAT, 0, vertices);
    for (const Run& run : stream.runs) {
        glLoadMatrixf(run.modelView);
        glDrawArrays(run.mode, run.first, run.count);
    }
    glLoadIdentity();
}

// One model's frame in each of the four ways.
struct ModelFrames {
    ModelKind model;
    Stream stream;
    GLuint list;
    GLuint buffer;
};
ModelFrames g_frames[kModelCount];

enum Way { WAY_PROGRAM, WAY_ARRAYS, WAY_LIST, WAY_VBO, WAY_COUNT };
const char* const kWayNames[] = {"program", "arrays", "list", "vbo"};

void DrawFrame(const ModelFrames& frames, Way way)
{
    switch (way) {
    case WAY_PROGRAM:
        g_viewState = ViewState();
        g_viewState.model = frames.model;
        DrawScene();
        break;
    case WAY_ARRAYS:
        DrawRuns(frames.stream, frames.stream.vertices.data());
        break;
    case WAY_LIST:
        glCallList(frames.list);
        break;
    case WAY_VBO:
        DrawRuns(frames.stream, nullptr);
        break;
    case WAY_COUNT:
        break;
    }
}

// The state each way needs, set before its frames and undone after.
void Prepare(const ModelFrames& frames, Way way, bool on)
{
    if (way == WAY_ARRAYS || way == WAY_VBO) {
        if (on)
            glEnableClientState(GL_VERTEX_ARRAY);
        else
            glDisableClientState(GL_VERTEX_ARRAY);
    }
    if (way == WAY_VBO)
        glBindBuffer(GL_ARRAY_BUFFER, on ? frames.buffer : 0);
}

void Frame(benchmark::State& state, const ModelFrames* frames, Way way)
{
    Prepare(*frames, way, true);
    for (auto _ : state) {
        DrawFrame(*frames, way);
        glFinish();
    }
    Prepare(*frames, way, false);
}

std::vector<GLubyte> Picture(const ModelFrames& frames, Way way)
{
    Prepare(frames, way, true);
    DrawFrame(frames, way);
    Prepare(frames, way, false);
    std::vector<GLubyte> pixels(kWidth * kHeight * 4);
    glReadPixels(0, 0, kWidth, kHeight, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

// Records each model's stream, compiles DrawScene into a display list and
// loads the vertices into a buffer; then checks that every way draws the
// program's picture, pixel for pixel, so that all four draw the same.
bool PrepareFrames()
{
    for (int model = 0; model < kModelCount; model++) {
        ModelFrames& frames = g_frames[model];
        frames.model = static_cast<ModelKind>(model);
        g_viewState = ViewState();
        g_viewState.model = frames.model;
        g_recording = &frames.stream;
        DrawScene();
        g_recording = nullptr;

        frames.list = glGenLists(1);
        glNewList(frames.list, GL_COMPILE);
        DrawScene();
        glEndList();

        glGenBuffers(1, &frames.buffer);
        glBindBuffer(GL_ARRAY_BUFFER, frames.buffer);
        glBufferData(GL_ARRAY_BUFFER, frames.stream.vertices.size() * sizeof(GLfloat),
                     frames.stream.vertices.data(), GL_STATIC_DRAW);
        glBindBuffer(GL_ARRAY_BUFFER, 0);

        std::vector<GLubyte> expected = Picture(frames, WAY_PROGRAM);
        for (int way = WAY_ARRAYS; way < WAY_COUNT; way++) {
            if (Picture(frames, static_cast<Way>(way)) != expected) {
                fprintf(stderr, "frame_bench: %s drawn as %s differs from the program's picture\n",
                        kModelNames[model], kWayNames[way]);
                return false;
            }
        }
        fprintf(stderr, "frame_bench: %s: %zu vertices in %zu runs\n", kModelNames[model],
                frames.stream.vertices.size() / 3, frames.stream.runs.size());
    }
    return glGetError() == GL_NO_ERROR;
}

void RegisterFrames()
{
    for (const ModelFrames& frames : g_frames) {
        for (int way = 0; way < WAY_COUNT; way++) {
            std::string name = std::string(kWayNames[way]) + "/" + kModelNames[frames.model];
            benchmark::RegisterBenchmark(name.c_str(), Frame, &frames, static_cast<Way>(way));
        }
    }
}

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
    if (!PrepareFrames())
        return 1;
    RegisterFrames();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
