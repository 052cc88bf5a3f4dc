// WGL over GLX: a direct context for the device context's visual, current
// on the client area's X window. Not implemented: shared lists, layers.
#include "state.h"

namespace {

GLXContext ContextFromHandle(HGLRC context)
{
    return reinterpret_cast<GLXContext>(context);
}

} // namespace

HGLRC WINAPI wglCreateContext(HDC dc)
{
    const XVisualInfo* visual = VisualOf(dc);
    if (!visual) {
        ReportError("WGL", "no pixel format set on the window");
        return NULL;
    }
    GLXContext context = glXCreateContext(g_platform.display, const_cast<XVisualInfo*>(visual),
                                          NULL, True);
    if (!context)
        ReportError("GLX", "cannot create a context for visual 0x%lx", visual->visualid);
    return reinterpret_cast<HGLRC>(context);
}

BOOL WINAPI wglMakeCurrent(HDC dc, HGLRC context)
{
    Display* display = g_platform.display;
    if (!display)
        return FALSE;
    if (!context)
        return glXMakeCurrent(display, None, NULL) ? TRUE : FALSE;
    PlatformDC* record = DeviceContextOf(dc);
    if (!record || !record->window->glWindow)
        return FALSE;
    if (!glXMakeCurrent(display, record->window->glWindow, ContextFromHandle(context))) {
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
    if (glXGetCurrentContext() == ContextFromHandle(context))
        glXMakeCurrent(display, None, NULL);
    glXDestroyContext(display, ContextFromHandle(context));
    return TRUE;
}

BOOL WINAPI SwapBuffers(HDC dc)
{
    PlatformDC* record = DeviceContextOf(dc);
    if (!record || !record->window->glWindow)
        return FALSE;
    glXSwapBuffers(g_platform.display, record->window->glWindow);
    return TRUE;
}
