// The random steps and the view state each one should leave behind.
#include "stress.h"

#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <FL/x.H>

#include "state.h"
#include "resource.h"

namespace {

const UINT kModelCommands[] = {IDM_CYLINDER, IDM_ARM1, IDM_ARM2, IDM_ROBOT};

// The codes that do something, drawn more often than chance would.
const UINT kActiveKeys[] = {VK_UP, VK_DOWN, VK_LEFT, VK_RIGHT, '1', '2', '3', '4', '5', '6'};

// Near misses of the real identifiers and the ends of the range.
const UINT kStrayCommands[] = {0, IDOK, IDCANCEL, 40000, 40003, 40010, 40015, 0xFFFF};

PlatformWindow* MainWindow()
{
    PlatformWindow* window = WindowFromHandle(g_run.window);
    if (!window)
        Fail("the main window is gone");
    return window;
}

bool NeedsPaint(PlatformWindow* window)
{
    return window->invalid && !window->minimised && window->frame->shown();
}

float Wrapped(float degrees)
{
    return static_cast<float>(static_cast<int32_t>(degrees) % 360);
}

void PredictKey(UINT key)
{
    ViewState& view = g_run.expected;
    switch (key) {
    case VK_UP: view.rotX -= 5.0f; break;
    case VK_DOWN: view.rotX += 5.0f; break;
    case VK_LEFT: view.rotY -= 5.0f; break;
    case VK_RIGHT: view.rotY += 5.0f; break;
    case '1': view.waist -= 1.0; break;
    case '2': view.waist += 1.0; break;
    case '3': view.shoulder -= 1.0; break;
    case '4': view.shoulder += 1.0; break;
    case '5': view.elbow -= 1.0; break;
    case '6': view.elbow += 1.0; break;
    }
    view.rotX = Wrapped(view.rotX);
    view.rotY = Wrapped(view.rotY);
}

void PredictCommand(UINT command)
{
    for (int model = MODEL_CYLINDER; model <= MODEL_ROBOT; model++) {
        if (command == kModelCommands[model]) {
            g_run.expected.model = static_cast<ModelKind>(model);
            g_run.expected.rotX = 0.0f;
            g_run.expected.rotY = 0.0f;
        }
    }
}

// The repeat count in lParam must not matter.
void PostKey(UINT key)
{
    LPARAM repeat = 1 + RandomBelow(Chance(10) ? 0xFFFF : 3);
    PostToQueue(MainWindow(), WM_KEYDOWN, key, repeat);
    PredictKey(key);
}

void ResizeTo(int width, int height)
{
    Fl_Window* frame = MainWindow()->frame;
    frame->resize(frame->x(), frame->y(), width, height);
}

} // namespace

void Pump()
{
    MSG msg;
    for (int round = 0; round < 20; round++) {
        // A round trip first: what the last step asked of the server comes back as events.
        XSync(g_platform.display, False);
        Fl::check();
        PlatformWindow* window = WindowFromHandle(g_run.window);
        if (g_platform.queue.empty() && !(window && NeedsPaint(window)))
            return;
        while (!g_platform.queue.empty() || (window && NeedsPaint(window))) {
            if (!NextMessage(&msg))
                Fail("WM_QUIT before File/Exit");
            DispatchMessage(&msg);
            if (msg.message == WM_PAINT) {
                ExpectGlClean("after a frame");
                g_run.framesChecked++;
            }
            window = WindowFromHandle(g_run.window);
        }
    }
    Fail("the queue never ran dry");
}

// A burst of keys, often one code held down (auto-repeat), before a single paint;
// now and then an arrow held long enough to turn the view past a full circle.
void SendKeys()
{
    int count = 1 + RandomBelow(Chance(20) ? 40 : 4);
    bool held = Chance(50);
    UINT key = Chance(50) ? kActiveKeys[RandomBelow(10)] : RandomBelow(256);
    if (Chance(8)) {
        count = 60 + RandomBelow(100);
        held = true;
        key = kActiveKeys[RandomBelow(4)];
    }
    g_run.action = "keys from " + std::to_string(key) + (held ? " held" : "") + " x" +
                   std::to_string(count);
    for (int k = 0; k < count; k++) {
        PostKey(key);
        if (!held)
            key = Chance(50) ? kActiveKeys[RandomBelow(10)] : RandomBelow(256);
    }
}

// Model choices, stray identifiers and random ones; never Exit or About here.
void SendCommand()
{
    UINT command;
    int pick = RandomBelow(10);
    if (pick < 6)
        command = kModelCommands[RandomBelow(4)];
    else if (pick < 8)
        command = kStrayCommands[RandomBelow(8)];
    else
        command = RandomBelow(0x10000);
    if (command == IDM_EXIT || command == IDM_ABOUT)
        command = IDM_ROBOT;
    // The high word is the notification code: 0 from a menu, 1 from an accelerator.
    WORD notification = static_cast<WORD>(Chance(80) ? 0 : RandomBelow(0x10000));
    g_run.action = "command " + std::to_string(command);
    PostToQueue(MainWindow(), WM_COMMAND, MAKEWPARAM(command, notification), 0);
    PredictCommand(command);
}

// Frame sizes down to nothing and far past the screen; each sends WM_SIZE.
void ResizeFrame()
{
    static const int kSizes[][2] = {{0, 0}, {1, 1}, {1, 4000}, {4000, 1}, {4000, 4000}, {400, 400}};
    int width, height;
    if (Chance(60)) {
        width = kSizes[RandomBelow(6)][0];
        height = kSizes[RandomBelow(6)][1];
    } else {
        width = RandomBelow(900);
        height = RandomBelow(900);
    }
    g_run.action = "resize to " + std::to_string(width) + "x" + std::to_string(height);
    ResizeTo(width, height);
}

// What a window manager does to iconify: unmap the frame (WM_SIZE 0 x 0), map it again.
void MinimiseAndRestore()
{
    g_run.action = "minimise";
    Display* display = g_platform.display;
    Window frame = fl_xid(MainWindow()->frame);
    XUnmapWindow(display, frame);
    Pump();
    if (!MainWindow()->minimised)
        Fail("unmapping the frame did not minimise the window");
    CheckAfterStep();
    for (int k = RandomBelow(3); k > 0; k--)
        PostKey(kActiveKeys[RandomBelow(10)]);
    Pump();
    g_run.action = "restore";
    XMapWindow(display, frame);
}

// An Expose on the client area, as when another window moves off it.
void UncoverClient()
{
    g_run.action = "uncover";
    XClearArea(g_platform.display, MainWindow()->glWindow, 0, 0, 0, 0, True);
}

int RandomBelow(int bound)
{
    return static_cast<int>(g_run.random() % static_cast<uint64_t>(bound));
}

bool Chance(int percent)
{
    return RandomBelow(100) < percent;
}
