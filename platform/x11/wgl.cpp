// WGL over GLX: a direct context for the device context's visual, current
// on the client area's X window. Not implemented: shared lists, layers.
#include "state.h"

#include <stdio.h>

HGLRC WINAPI wglCreateContext(HDC dc)
{
    const XVisualInfo* visual = VisualOf(dc);
    if (!visual) {
        ReportError("WGL", "no pixel format set on the window");
        return NULL;
    }
    TrapXErrors();
    GLXContext context =
        glXCreateContext(g_platform.display, const_cast<XVisualInfo*>(visual), NULL, True);
    char what[64];
    snprintf(what, sizeof what, "cannot create a context for visual 0x%lx", visual->visualid);
    if (!UntrapXErrors(what) || !context) {
        if (context)
            glXDestroyContext(g_platform.display, context);
        ReportError("GLX", "%s", what);
        return NULL;
    }
    return reinterpret_cast<HGLRC>(context);
}

BOOL WINAPI wglMakeCurrent(HDC dc, HGLRC context)
{
    Display* display = g_platform.display;
    if (!display)
        return FALSE;
    if (!context)
        return glXMakeCurrent(display, None, NULL) ? TRUE : FALSE;
    CoreDC* record = LiveDC(dc);
    if (!record || !record->window->native->glWindow)
        return FALSE;
    TrapXErrors();
    Bool made = glXMakeCurrent(display, record->window->native->glWindow,
                               reinterpret_cast<GLXContext>(context));
    if (!UntrapXErrors("cannot make the context current") || !made) {
        ReportError("GLX", "cannot make the context current");
        return FALSE;
    }
    return TRUE;
}

BOOL WINAPI wglDeleteContext(HGLRC context)
{
    Display* display = g_platform.display;
    if (!display || !context)
        return FALSE;
    if (glXGetCurrentContext() == reinterpret_cast<GLXContext>(context))
        glXMakeCurrent(display, None, NULL);
    glXDestroyContext(display, reinterpret_cast<GLXContext>(context));
    return TRUE;
}

BOOL WINAPI SwapBuffers(HDC dc)
{
    CoreDC* record = LiveDC(dc);
    if (!record || !record->window->native->glWindow)
        return FALSE;
    // Exposes the server sends before it takes this swap are painted by it.
    record->window->native->swapSerial = NextRequest(g_platform.display);
    glXSwapBuffers(g_platform.display, record->window->native->glWindow);
    return TRUE;
}
