// The handles the main window draws with, held for the process's lifetime.
#ifndef ROBOT_OXEL_APP_RENDER_CONTEXT_H
#define ROBOT_OXEL_APP_RENDER_CONTEXT_H

#include <windows.h>

struct RenderContext {
    HINSTANCE hInstance; // set by WinMain; loads the About template
    HDC hDC;             // main window's device context, fetched once and never released
    HGLRC hRC;           // current from WM_CREATE to WM_DESTROY
    HPALETTE hPalette;   // NULL on a true-colour display
};

extern RenderContext g_renderContext;

#endif
