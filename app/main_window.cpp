#include "main_window.h"

#include "pixel_format.h"
#include "projection.h"
#include "scene.h"
#include "render_context.h"

namespace {

LRESULT OnCreate(HWND window)
{
    RenderContext& rc = g_renderContext;
    rc.hDC = GetDC(window);
    SetupPixelFormat(rc.hDC);
    rc.hPalette = CreateRgbPalette(rc.hDC);
    rc.hRC = wglCreateContext(rc.hDC);
    // Without a current context every frame would be lost: refuse the window instead.
    // A refused window still gets WM_DESTROY, which releases what was made here.
    if (!rc.hRC || !wglMakeCurrent(rc.hDC, rc.hRC))
        return -1;
    InitRenderState();
    return 0;
}

LRESULT OnDestroy()
{
    RenderContext& rc = g_renderContext;
    wglMakeCurrent(rc.hDC, NULL);
    if (rc.hRC) {
        wglDeleteContext(rc.hRC);
        rc.hRC = NULL;
    }
    if (rc.hPalette) {
        DeleteObject(rc.hPalette);
        rc.hPalette = NULL;
    }
    PostQuitMessage(0);
    return 0;
}

LRESULT OnSize(int width, int height)
{
    ResizeView(width, height);
    return 0;
}

// The whole client area is redrawn every time, so no BeginPaint/EndPaint.
LRESULT OnPaint(HWND window)
{
    DrawScene();
    SwapBuffers(g_renderContext.hDC);
    ValidateRect(window, NULL);
    return 0;
}

LRESULT OnQueryNewPalette(HWND window)
{
    RenderContext& rc = g_renderContext;
    if (!rc.hPalette)
        return 0;
    SelectPalette(rc.hDC, rc.hPalette, FALSE);
    UINT remapped = RealizePalette(rc.hDC);
    InvalidateRect(window, NULL, FALSE);
    return remapped;
}

// Another window realised its palette: remap ours without a full repaint.
LRESULT OnPaletteChanged(HWND window, HWND changer)
{
    RenderContext& rc = g_renderContext;
    if (rc.hPalette && changer != window) {
        SelectPalette(rc.hDC, rc.hPalette, FALSE);
        RealizePalette(rc.hDC);
        UpdateColors(rc.hDC);
    }
    return 0;
}

} // namespace

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        return OnCreate(window);
    case WM_DESTROY:
        return OnDestroy();
    case WM_SIZE:
        return OnSize(LOWORD(lParam), HIWORD(lParam));
    case WM_PAINT:
        return OnPaint(window);
    case WM_QUERYNEWPALETTE:
        return OnQueryNewPalette(window);
    case WM_PALETTECHANGED:
        return OnPaletteChanged(window, reinterpret_cast<HWND>(wParam));
    case WM_KEYDOWN:
        return OnKeyDown(window, wParam);
    case WM_COMMAND:
        return OnCommand(window, LOWORD(wParam));
    }
    return DefWindowProc(window, message, wParam, lParam);
}
