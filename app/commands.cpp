#include <stdint.h>

#include "about_dialog.h"
#include "main_window.h"
#include "view_state.h"
#include "render_context.h"
#include "resource.h"

namespace {

const float kRotationStep = 5.0f; // degrees per arrow key
const double kJointStep = 1.0;    // degrees per joint key

// Menu item of each model, indexed by ModelKind.
const UINT kModelCommands[] = {IDM_CYLINDER, IDM_ARM1, IDM_ARM2, IDM_ROBOT};

// Every choice resets the view, even of the model already shown; the pose stays.
LRESULT SelectModel(HWND window, HMENU menu, ModelKind model)
{
    g_viewState.model = model;
    CheckMenuItem(menu, kModelCommands[model], MF_CHECKED);
    for (int other = MODEL_CYLINDER; other <= MODEL_ROBOT; other++) {
        if (other != model)
            CheckMenuItem(menu, kModelCommands[other], MF_UNCHECKED);
    }
    g_viewState.rotX = 0.0f;
    g_viewState.rotY = 0.0f;
    InvalidateRect(window, NULL, FALSE);
    return 0;
}

} // namespace

float WrapRotation(float degrees)
{
    return static_cast<float>(static_cast<int32_t>(degrees) % 360);
}

// Main-keyboard digits only: the keypad's have codes of their own and do nothing.
LRESULT OnKeyDown(HWND window, WPARAM key)
{
    ViewState& view = g_viewState;
    if (key == VK_UP)
        view.rotX -= kRotationStep;
    if (key == VK_DOWN)
        view.rotX += kRotationStep;
    if (key == VK_LEFT)
        view.rotY -= kRotationStep;
    if (key == VK_RIGHT)
        view.rotY += kRotationStep;
    if (key == '1')
        view.waist -= kJointStep;
    if (key == '2')
        view.waist += kJointStep;
    if (key == '3')
        view.shoulder -= kJointStep;
    if (key == '4')
        view.shoulder += kJointStep;
    if (key == '5')
        view.elbow -= kJointStep;
    if (key == '6')
        view.elbow += kJointStep;
    view.rotX = WrapRotation(view.rotX);
    view.rotY = WrapRotation(view.rotY);
    InvalidateRect(window, NULL, FALSE);
    return 0;
}

LRESULT OnCommand(HWND window, UINT command)
{
    HMENU menu = GetMenu(window);
    switch (command) {
    case IDM_EXIT:
        DestroyWindow(window);
        return 0;
    case IDM_ABOUT:
        DialogBoxParam(g_renderContext.hInstance, MAKEINTRESOURCE(IDD_ABOUT), window,
                       AboutDialogProc, 0);
        return 0;
    case IDM_CYLINDER:
        return SelectModel(window, menu, MODEL_CYLINDER);
    case IDM_ARM1:
        return SelectModel(window, menu, MODEL_ARM1);
    case IDM_ARM2:
        return SelectModel(window, menu, MODEL_ARM2);
    case IDM_ROBOT:
        return SelectModel(window, menu, MODEL_ROBOT);
    }
    return 0;
}
