// Thousands of random messages to the real main window on a real GL context:
// keys with every virtual-key code, valid and invalid commands, the About
// dialog closed in every way it can be, resizes down to nothing and up to
// 4000 pixels, minimising and uncovering. ROBOT_OXEL_STRESS_SEED repeats a
// run, ROBOT_OXEL_STRESS_STEPS sets its length.
#include "stress.h"

#include <signal.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>

#include "main_window.h"
#include "render_context.h"
#include "state.h"
#include "resource.h"

StressRun g_run;

namespace {

const long kDefaultSteps = 8000;
const unsigned kWatchdogSeconds = 120; // a hang inside a modal loop would otherwise stall ctest

uint64_t ChooseSeed()
{
    if (const char* text = getenv("ROBOT_OXEL_STRESS_SEED"))
        return strtoull(text, nullptr, 0);
    std::random_device device;
    return (static_cast<uint64_t>(device()) << 32) | device();
}

long ChooseSteps()
{
    const char* text = getenv("ROBOT_OXEL_STRESS_STEPS");
    return text ? strtol(text, nullptr, 0) : kDefaultSteps;
}

void OnWatchdog(int)
{
    char text[200];
    int length = snprintf(text, sizeof text,
                          "stress: step %ld (%s) still running after %u s; seed %llu\n",
                          g_run.step, g_run.action.c_str(), kWatchdogSeconds,
                          static_cast<unsigned long long>(g_run.seed));
    write(2, text, length > 0 ? length : 0);
    _exit(1);
}

// The same class and window as WinMain makes.
HWND CreateMainWindow()
{
    static int module;
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(&module);
    g_renderContext.hInstance = instance;
    WNDCLASS windowClass = {};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(NULL, IDC_ARROW);
    windowClass.lpszMenuName = MAKEINTRESOURCE(IDR_MAINMENU);
    windowClass.lpszClassName = "Robot Oxel";
    if (!RegisterClass(&windowClass))
        Fail("RegisterClass failed: %s", g_platform.lastError.c_str());
    HWND window = CreateWindowEx(0, "Robot Oxel", "Robot Oxel",
                                 WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 50, 50,
                                 400, 400, NULL, NULL, instance, NULL);
    if (!window)
        Fail("CreateWindowEx failed: %s", g_platform.lastError.c_str());
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    return window;
}

void TakeRandomStep()
{
    int pick = RandomBelow(100);
    if (pick < 62)
        SendKeys();
    else if (pick < 84)
        SendCommand();
    else if (pick < 87)
        RunAboutDialog();
    else if (pick < 93)
        ResizeFrame();
    else if (pick < 96)
        MinimiseAndRestore();
    else
        UncoverClient();
}

// File/Exit: the window goes, the context with it, and the loop ends with code 0.
void Exit()
{
    g_run.action = "File/Exit";
    PostToQueue(WindowFromHandle(g_run.window), WM_COMMAND, MAKEWPARAM(IDM_EXIT, 0), 0);
    MSG msg;
    int dispatched = 0;
    while (NextMessage(&msg)) {
        DispatchMessage(&msg);
        if (++dispatched > 1000)
            Fail("no WM_QUIT after File/Exit");
    }
    if (msg.wParam != 0)
        Fail("WM_QUIT carries %lu, not 0", static_cast<unsigned long>(msg.wParam));
    if (!g_platform.windows.empty() || WindowFromHandle(g_run.window))
        Fail("a window outlived File/Exit");
    if (glXGetCurrentContext() || g_renderContext.hRC)
        Fail("the GL context outlived File/Exit");
}

} // namespace

void Fail(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    fprintf(stderr, "stress: step %ld (%s): ", g_run.step, g_run.action.c_str());
    vfprintf(stderr, format, args);
    va_end(args);
    fprintf(stderr, "\nstress: repeat with ROBOT_OXEL_STRESS_SEED=%llu\n",
            static_cast<unsigned long long>(g_run.seed));
    exit(1);
}

int main()
{
    g_run.seed = ChooseSeed();
    g_run.random.seed(g_run.seed);
    long steps = ChooseSteps();
    // Printed first, so even a crash leaves the seed in the log.
    printf("stress: seed %llu, %ld steps\n", static_cast<unsigned long long>(g_run.seed), steps);
    fflush(stdout);
    signal(SIGALRM, OnWatchdog);
    alarm(kWatchdogSeconds);

    g_run.action = "create";
    g_run.window = CreateMainWindow();
    Pump();
    CheckAfterStep();
    for (g_run.step = 1; g_run.step <= steps; g_run.step++) {
        TakeRandomStep();
        Pump();
        CheckAfterStep();
    }
    Exit();
    printf("stress: %ld steps, %d frames checked, %d About dialogs: all invariants held\n",
           steps, g_run.framesChecked, g_run.dialogsRun);
    return 0;
}
