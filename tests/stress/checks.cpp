// What must hold after every step, whatever came before.
#include "stress.h"

#include <FL/Fl_Menu_Item.H>
#include <GL/gl.h>
#include <math.h>

#include <algorithm>

#include "render_context.h"
#include "state.h"
#include "resource.h"

namespace {

const UINT kModelCommands[] = {IDM_CYLINDER, IDM_ARM1, IDM_ARM2, IDM_ROBOT};

bool IsWholeInRange(float degrees)
{
    return degrees == truncf(degrees) && degrees > -360.0f && degrees < 360.0f;
}

void CheckViewState()
{
    const ViewState& view = g_viewState;
    const ViewState& expected = g_run.expected;
    if (!IsWholeInRange(view.rotX) || !IsWholeInRange(view.rotY))
        Fail("rotations %.9g, %.9g are not whole degrees in (-360, 360)", view.rotX, view.rotY);
    if (view.model < MODEL_CYLINDER || view.model > MODEL_ROBOT)
        Fail("model %d is none of the four", static_cast<int>(view.model));
    if (view.rotX != expected.rotX || view.rotY != expected.rotY || view.model != expected.model ||
        view.waist != expected.waist || view.shoulder != expected.shoulder ||
        view.elbow != expected.elbow)
        Fail("view (%g, %g, model %d, %g, %g, %g) but the messages predict (%g, %g, model %d, "
             "%g, %g, %g)",
             view.rotX, view.rotY, static_cast<int>(view.model), view.waist, view.shoulder,
             view.elbow, expected.rotX, expected.rotY, static_cast<int>(expected.model),
             expected.waist, expected.shoulder, expected.elbow);
}

// CheckMenuItem answers with the previous state; asking for the state it should
// already have changes nothing when the menu is right.
void CheckMenu(PlatformWindow* window)
{
    HMENU menu = GetMenu(g_run.window);
    if (!menu)
        Fail("the window has no menu");
    int checked = 0;
    for (int model = MODEL_CYLINDER; model <= MODEL_ROBOT; model++) {
        UINT want = model == g_viewState.model ? MF_CHECKED : MF_UNCHECKED;
        DWORD had = CheckMenuItem(menu, kModelCommands[model], want);
        if (had == static_cast<DWORD>(-1))
            Fail("menu item %u is missing", kModelCommands[model]);
        if (had == MF_CHECKED)
            checked++;
        if (had != want)
            Fail("menu item %u is %s while model %d is shown", kModelCommands[model],
                 had == MF_CHECKED ? "checked" : "unchecked", static_cast<int>(g_viewState.model));
    }
    if (checked != 1)
        Fail("%d model items checked", checked);
    // What the user sees in the menu must agree with the check marks.
    for (const Fl_Menu_Item& item : window->menu->items) {
        UINT id = static_cast<UINT>(item.argument());
        if (!item.text || std::find(std::begin(kModelCommands), std::end(kModelCommands), id) ==
                              std::end(kModelCommands))
            continue;
        bool shown = item.value() != 0;
        if (shown != (id == kModelCommands[g_viewState.model]))
            Fail("menu bar shows item %u %s", id, shown ? "checked" : "unchecked");
    }
}

void CheckGlState(PlatformWindow* window)
{
    if (!g_renderContext.hRC || glXGetCurrentContext() != reinterpret_cast<GLXContext>(
                                                               g_renderContext.hRC))
        Fail("the window's GL context is not current");
    ExpectGlClean("after the step");
    GLint modelview = 0, projection = 0, mode = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &modelview);
    glGetIntegerv(GL_PROJECTION_STACK_DEPTH, &projection);
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    if (modelview != 1 || projection != 1)
        Fail("matrix stack depths %d (model-view), %d (projection)", modelview, projection);
    if (mode != GL_MODELVIEW)
        Fail("matrix mode left at 0x%x", mode);
    GLdouble matrix[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, matrix);
    for (int k = 0; k < 16; k++) {
        if (matrix[k] != (k % 5 == 0 ? 1.0 : 0.0))
            Fail("the model-view matrix is not the identity between frames");
    }
    // The last WM_SIZE set the viewport; a vanished side counts as one pixel.
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    int width = window->minimised ? 1 : std::max(1, window->clientWidth);
    int height = window->minimised ? 1 : std::max(1, window->clientHeight);
    if (viewport[0] != 0 || viewport[1] != 0 || viewport[2] != width || viewport[3] != height)
        Fail("viewport %d,%d %dx%d for a %dx%d client%s", viewport[0], viewport[1], viewport[2],
             viewport[3], window->clientWidth, window->clientHeight,
             window->minimised ? ", minimised" : "");
}

} // namespace

void ExpectGlClean(const char* when)
{
    GLenum first = glGetError();
    if (first == GL_NO_ERROR)
        return;
    int more = 0;
    while (glGetError() != GL_NO_ERROR && more < 16)
        more++;
    Fail("GL error 0x%x %s (and %d more)", first, when, more);
}

void CheckAfterStep()
{
    PlatformWindow* window = WindowFromHandle(g_run.window);
    if (!window)
        Fail("the main window is gone");
    if (g_platform.windows.size() != 1)
        Fail("%zu windows live; the About dialog was left behind", g_platform.windows.size());
    if (!g_platform.lastError.empty())
        Fail("the platform reported: %s", g_platform.lastError.c_str());
    CheckViewState();
    CheckMenu(window);
    CheckGlState(window);
    if (!window->minimised && window->invalid)
        Fail("the window was left unpainted");
}
