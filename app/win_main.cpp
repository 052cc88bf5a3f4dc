#include <windows.h>

#include "main_window.h"
#include "render_context.h"
#include "resource.h"

namespace {

const char kAppName[] = "Robot Oxel"; // class name and title

} // namespace

// Command line and show request are ignored: the window always opens the same way.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    g_renderContext.hInstance = instance;

    WNDCLASS windowClass = {};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(NULL, IDC_ARROW);
    windowClass.lpszMenuName = MAKEINTRESOURCE(IDR_MAINMENU);
    windowClass.lpszClassName = kAppName;
    if (!RegisterClass(&windowClass))
        return 1;

    HWND window = CreateWindowEx(0, kAppName, kAppName,
                                 WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 50, 50,
                                 400, 400, NULL, NULL, instance, NULL);
    if (!window)
        return 1;
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);

    // GetMessage returns -1 on failure; looping on it would spin forever.
    MSG msg = {};
    BOOL got;
    while ((got = GetMessage(&msg, NULL, 0, 0)) > 0) {
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
    return got < 0 ? 1 : static_cast<int>(msg.wParam);
}
