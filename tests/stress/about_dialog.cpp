// Runs the modal About dialog from the menu command and closes it from inside
// its own message loop: a timer posts to it (Cancel, which must leave it open,
// stray commands, keys for the main window, a resize of it) and then ends it by
// OK, by the OK button's click or by the close box's WM_CLOSE.
#include "stress.h"

#include <FL/Fl.H>
#include <FL/Fl_Widget.H>
#include <GL/glu.h>
#include <string.h>

#include <vector>

#include "state.h"
#include "resource.h"

namespace {

enum DialogAction {
    CANCEL,
    STRAY_COMMAND,
    MAIN_WINDOW_KEY,
    MAIN_WINDOW_RESIZE,
    CLOSE_BY_OK,
    CLOSE_BY_CLICK,
    CLOSE_BY_BOX,
};

struct DialogPlan {
    std::vector<DialogAction> actions; // the last one closes the dialog
    size_t next;
    HWND dialog;                       // seen on the first tick
    int ticks;
};

DialogPlan g_plan;

const double kTick = 0.001; // a zero delay would run again before the posted message is handled

PlatformWindow* OpenDialog()
{
    for (PlatformWindow* window : g_platform.windows) {
        if (window->kind == KIND_DIALOG && !window->ended)
            return window;
    }
    return nullptr;
}

Fl_Widget* Control(PlatformWindow* dialog, int id)
{
    for (const PlatformControl& control : dialog->controls) {
        if (control.id == id)
            return control.widget;
    }
    Fail("the About dialog has no control %d", id);
}

// It read the errors of the window's context, which the checks keep clean.
void CheckContents(PlatformWindow* dialog)
{
    const char* noError = reinterpret_cast<const char*>(gluErrorString(GL_NO_ERROR));
    const char* first = Control(dialog, IDC_ERROR1)->label();
    if (!first || strcmp(first, noError) != 0)
        Fail("the About dialog lists a GL error: '%s'", first ? first : "");
    const char* renderer = Control(dialog, IDC_GL_RENDERER)->label();
    if (!renderer || !*renderer)
        Fail("the About dialog shows no renderer");
}

void Post(PlatformWindow* dialog, UINT message, WPARAM wParam)
{
    PostToQueue(dialog, message, wParam, 0);
}

// FLTK runs timers before it blocks, and a message posted from one is seen only
// once the wait ends: so the timer keeps ticking until the dialog is gone.
void OnTick(void*)
{
    if (++g_plan.ticks > 1000)
        Fail("the About dialog never came up or never went");
    PlatformWindow* dialog = OpenDialog();
    bool told = g_plan.next == g_plan.actions.size();
    if (!dialog) {
        if (g_plan.dialog && !told)
            Fail("the About dialog closed before it was told to");
        if (!told)
            Fl::add_timeout(kTick, OnTick);
        return;
    }
    Fl::add_timeout(kTick, OnTick);
    if (!g_plan.dialog) {
        g_plan.dialog = HandleOf(dialog);
        CheckContents(dialog);
    } else if (g_plan.dialog != HandleOf(dialog)) {
        Fail("a second About dialog opened");
    }
    if (told)
        return;

    switch (g_plan.actions[g_plan.next++]) {
    case CANCEL:
        Post(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED));
        break;
    case STRAY_COMMAND:
        Post(dialog, WM_COMMAND, MAKEWPARAM(Chance(50) ? IDC_GL_VENDOR : RandomBelow(0x10000), 0));
        break;
    case MAIN_WINDOW_KEY: {
        // The owner keeps handling its messages while the dialog is up.
        std::string step = g_run.action;
        SendKeys();
        g_run.action = step;
        break;
    }
    case MAIN_WINDOW_RESIZE: {
        std::string step = g_run.action;
        ResizeFrame();
        g_run.action = step;
        break;
    }
    case CLOSE_BY_OK:
        Post(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED));
        break;
    case CLOSE_BY_CLICK:
        Control(dialog, IDOK)->do_callback();
        break;
    case CLOSE_BY_BOX:
        Post(dialog, WM_CLOSE, 0);
        break;
    }
}

} // namespace

void RunAboutDialog()
{
    g_plan = DialogPlan();
    for (int k = RandomBelow(5); k > 0; k--)
        g_plan.actions.push_back(static_cast<DialogAction>(RandomBelow(MAIN_WINDOW_RESIZE + 1)));
    g_plan.actions.push_back(static_cast<DialogAction>(CLOSE_BY_OK + RandomBelow(3)));
    g_run.action = "About, closed after " + std::to_string(g_plan.actions.size() - 1) +
                   " other messages";
    PostToQueue(WindowFromHandle(g_run.window), WM_COMMAND, MAKEWPARAM(IDM_ABOUT, 0), 0);
    Fl::add_timeout(kTick, OnTick);
    Pump();
    Fl::remove_timeout(OnTick);
    if (g_plan.next != g_plan.actions.size() || !g_plan.dialog)
        Fail("the About dialog closed after %zu of %zu messages", g_plan.next,
             g_plan.actions.size());
    g_run.dialogsRun++;
}
