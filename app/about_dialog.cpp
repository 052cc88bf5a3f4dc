#include "about_dialog.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include "resource.h"

namespace {

const int kErrorSlots = 6;

// The queries may return NULL (no current context, or an unknown error code).
void SetItemText(HWND dialog, int item, const GLubyte* text)
{
    SetDlgItemText(dialog, item, text ? reinterpret_cast<const char*>(text) : "");
}

// Asks the current context, so the answers are about the one the window draws with.
void ShowGlInfo(HWND dialog)
{
    for (int k = 0; k < 4; k++)
        SetItemText(dialog, IDC_GL_VENDOR + k, glGetString(GL_VENDOR + k));
    SetItemText(dialog, IDC_GLU_VERSION, gluGetString(GLU_VERSION));
    SetItemText(dialog, IDC_GLU_EXTENSIONS, gluGetString(GLU_EXTENSIONS));

    // The slot after the last pending error shows the no-error text; errors past six stay pending.
    for (int slot = 0; slot < kErrorSlots; slot++) {
        GLenum code = glGetError();
        SetItemText(dialog, IDC_ERROR1 + slot, gluErrorString(code));
        if (code == GL_NO_ERROR)
            break;
    }
}

} // namespace

// Escape (IDCANCEL) is ignored on purpose: only OK, Enter and the close box end the dialog.
INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        ShowGlInfo(dialog);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK)
            EndDialog(dialog, 1);
        return 0;
    case WM_CLOSE:
        EndDialog(dialog, 1);
        return 0;
    }
    return 0;
}
