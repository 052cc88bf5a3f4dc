// USER32 once for every host, over the primitives of host_platform.h.
#include "host_platform.h"

#include <stdarg.h>
#include <stdio.h>

#include <algorithm>
#include <deque>

#include "pixel_format_distance.h"

namespace {

struct CoreState {
    const char* script; // the program's resource script and its header, as text
    const char* header;
    bool classRegistered;
    WNDCLASS windowClass;
    std::string className;
    std::vector<CoreWindow*> windows; // live windows; handles are checked against it
    std::deque<MSG> queue;            // posted messages, in order
    bool quitPosted;
    int quitCode;
    bool altAlone; // Alt is down and no other key came since
    std::string lastError;
};

CoreState g_core;

const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

MSG Message(CoreWindow* window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return MSG{window ? HandleOf(window) : NULL, message, wParam, lParam, 0, {0, 0}};
}

CoreWindow* WindowToPaint()
{
    for (CoreWindow* window : g_core.windows) {
        if (window->kind == KIND_MAIN && window->invalid && !window->destroying &&
            window->visible && !window->minimised)
            return window;
    }
    return nullptr;
}

// Parsed once; a broken script is a build mistake, reported like any failure.
const ResourceScript& Resources()
{
    static ResourceScript resources;
    static bool parsed = false;
    if (!parsed) {
        std::string error;
        if (!ParseResourceScript(g_core.script, g_core.header, &resources, &error))
            ReportError("resources", "%s", error.c_str());
        parsed = true;
    }
    return resources;
}

std::string NameOf(LPCSTR resource)
{
    return IS_INTRESOURCE(resource) ? std::to_string(LOWORD(resource)) : resource;
}

// The registered class of that name and its menu template (null for none),
// or false with the cause reported.
bool FindClass(LPCSTR className, const WNDCLASS** windowClass, const MenuTemplate** menu)
{
    if (!g_core.classRegistered || !className || g_core.className != className) {
        ReportError("USER32", "window class '%s' is not registered", className ? className : "");
        return false;
    }
    *windowClass = &g_core.windowClass;
    *menu = nullptr;
    LPCSTR name = g_core.windowClass.lpszMenuName;
    if (name && (!IS_INTRESOURCE(name) || !(*menu = FindMenuTemplate(Resources(), LOWORD(name))))) {
        ReportError("USER32", "no menu resource %s", NameOf(name).c_str());
        return false;
    }
    return true;
}

CoreMenu* NewMenu(CoreWindow* owner, const MenuTemplate& menuTemplate)
{
    auto* menu = new CoreMenu{&menuTemplate, {}, MenuState{MENU_CLOSED, 0, -1}, owner};
    for (const MenuItemTemplate& popup : menuTemplate.items) {
        for (const MenuItemTemplate& item : popup.items) {
            if (item.checked)
                menu->checked.push_back(item.id);
        }
    }
    return menu;
}

// NOTE: Win32 sends WM_CREATE before CreateWindowEx returns; a -1 destroys the window.
bool SendCreate(CoreWindow* window)
{
    if (SendToWindow(window, WM_CREATE, 0, 0) != -1)
        return true;
    if (g_core.lastError.empty())
        ReportError("USER32", "the window refused to be created");
    std::string cause = g_core.lastError;
    DestroyWindow(HandleOf(window));
    g_core.lastError = cause;
    return false;
}

// WM_SIZE with the client size; a minimised window's client is 0 x 0.
// NOTE: from a toolkit's callback it is posted where the host cannot send it.
void SendSize(CoreWindow* window, WPARAM kind, bool fromCallback)
{
    int width = kind == SIZE_MINIMIZED ? 0 : window->clientWidth;
    int height = kind == SIZE_MINIMIZED ? 0 : window->clientHeight;
    if (fromCallback && !kHostCallbacksSend)
        PostToQueue(window, WM_SIZE, kind, MAKELPARAM(width, height));
    else
        SendToWindow(window, WM_SIZE, kind, MAKELPARAM(width, height));
}

// Fetches the next message to dispatch, waiting in the host; false on WM_QUIT.
bool NextMessage(MSG* msg)
{
    for (;;) {
        HostPoll();
        if (!g_core.queue.empty()) {
            *msg = g_core.queue.front();
            g_core.queue.pop_front();
            return true;
        }
        if (g_core.quitPosted) {
            *msg = Message(nullptr, WM_QUIT, static_cast<WPARAM>(g_core.quitCode), 0);
            return false;
        }
        // NOTE: WM_PAINT is never queued; like Win32 it is made up when nothing else waits,
        // once for every invalidation before it.
        if (CoreWindow* window = WindowToPaint()) {
            *msg = Message(window, WM_PAINT, 0, 0);
            return true;
        }
        HostWait();
    }
}

// Win32 closes the menu first, then posts the command.
void ShowMenu(CoreMenu* menu, UINT command)
{
    HostDrawMenu(menu);
    if (command)
        PostToQueue(menu->owner, WM_COMMAND, MAKEWPARAM(command, 0), 0);
}

// NOTE: Alt combinations, F10 and Alt alone are Win32's WM_SYSKEYDOWN: they
// belong to the menu bar and never reach the window as WM_KEYDOWN.
bool MenuKey(CoreMenu* menu, UINT vk, bool alt)
{
    if (!MenuTakesKey(menu->state, vk, alt))
        return false;
    ShowMenu(menu, MenuKeyDown(&menu->state, *menu->menuTemplate, vk, alt));
    return true;
}

// The index of the control with that id, or the first of that kind; -1 for none.
int FindControl(const CoreWindow* dialog, int id, const char* kind = nullptr)
{
    const std::vector<ControlTemplate>& controls = dialog->dialogTemplate->controls;
    for (size_t i = 0; i < controls.size(); i++) {
        if (kind ? controls[i].kind == kind : controls[i].id == id)
            return static_cast<int>(i);
    }
    return -1;
}

// Enter presses the focused button or else the default one, Space the
// focused one, Escape sends IDCANCEL; Tab is the toolkit's.
bool DialogKey(CoreWindow* dialog, UINT vk)
{
    const std::vector<ControlTemplate>& controls = dialog->dialogTemplate->controls;
    int focused = HostFocusedControl(dialog);
    if (focused >= 0 && controls[focused].kind.find("PUSHBUTTON") == std::string::npos)
        focused = -1;
    int pressed = vk == VK_RETURN
                      ? (focused >= 0 ? focused : FindControl(dialog, 0, "DEFPUSHBUTTON"))
                  : vk == VK_SPACE ? focused
                                   : -1;
    if (pressed >= 0)
        CoreButton(dialog, controls[pressed].id);
    else if (vk == VK_ESCAPE)
        CoreButton(dialog, IDCANCEL);
    return vk != VK_TAB;
}

struct BaseUnits {
    int x; // pixels per 4 horizontal dialog units
    int y; // pixels per 8 vertical dialog units
};

// Win32's rule: the average width of the alphabet, rounded, and the font's height.
BaseUnits MeasureBaseUnits(const DialogTemplate& dialog)
{
    int width = 0, height = 0;
    HostMeasureText(dialog, kAlphabet, &width, &height);
    return BaseUnits{(width / 26 + 1) / 2, height};
}

// Rounded, as Win32's MapDialogRect does.
int ToPixelsX(const BaseUnits& units, int dialogUnits)
{
    return (dialogUnits * units.x + 2) / 4;
}

int ToPixelsY(const BaseUnits& units, int dialogUnits)
{
    return (dialogUnits * units.y + 4) / 8;
}

// The template's position counts from the owner's client area.
FrameStyle DialogFrame(const DialogTemplate& dialog, const BaseUnits& units, CoreWindow* owner)
{
    FrameStyle style = {dialog.caption.c_str(),          ToPixelsX(units, dialog.x),
                        ToPixelsY(units, dialog.y),      ToPixelsX(units, dialog.width),
                        ToPixelsY(units, dialog.height), owner,
                        g_core.className.c_str()};
    if (owner) {
        int x = 0, y = 0;
        HostClientOrigin(owner, &x, &y);
        style.x += x;
        style.y += y;
    }
    return style;
}

// Messages for every window are dispatched meanwhile, so the owner still repaints.
// A WM_QUIT that ends the wait stays posted for the outer loop, as Win32 reposts it.
INT_PTR RunDialog(CoreWindow* dialog)
{
    MSG msg;
    while (!dialog->ended && NextMessage(&msg))
        DispatchMessage(&msg);
    return dialog->ended ? dialog->result : 0;
}

} // namespace

void StartCore(const char* script, const char* header)
{
    g_core = CoreState();
    g_core.script = script;
    g_core.header = header;
}

// The first failure names the cause; what fails after it is only a consequence.
void ReportError(const char* area, const char* format, ...)
{
    if (!g_core.lastError.empty())
        return;
    char text[512];
    va_list args;
    va_start(args, format);
    vsnprintf(text, sizeof text, format, args);
    va_end(args);
    g_core.lastError = std::string(area) + ": " + text;
}

const std::string& LastError()
{
    return g_core.lastError;
}

CoreWindow* LiveWindow(HWND window)
{
    auto* record = reinterpret_cast<CoreWindow*>(window);
    const auto& live = g_core.windows;
    return std::find(live.begin(), live.end(), record) != live.end() ? record : nullptr;
}

HWND HandleOf(CoreWindow* window)
{
    return reinterpret_cast<HWND>(window);
}

CoreDC* LiveDC(HDC dc)
{
    auto* record = reinterpret_cast<CoreDC*>(dc);
    for (CoreWindow* window : g_core.windows) {
        if (&window->dc == record)
            return record;
    }
    return nullptr;
}

const std::vector<CoreWindow*>& Windows()
{
    return g_core.windows;
}

CoreWindow* MainWindow()
{
    for (CoreWindow* window : g_core.windows) {
        if (window->kind == KIND_MAIN && !window->destroying)
            return window;
    }
    return nullptr;
}

CoreWindow* ModalDialog()
{
    for (auto it = g_core.windows.rbegin(); it != g_core.windows.rend(); ++it) {
        if ((*it)->kind == KIND_DIALOG)
            return *it;
    }
    return nullptr;
}

bool IsChecked(const CoreMenu* menu, UINT id)
{
    return std::find(menu->checked.begin(), menu->checked.end(), id) != menu->checked.end();
}

LRESULT SendToWindow(CoreWindow* window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return window->proc(HandleOf(window), message, wParam, lParam);
}

void PostToQueue(CoreWindow* window, UINT message, WPARAM wParam, LPARAM lParam)
{
    g_core.queue.push_back(Message(window, message, wParam, lParam));
    HostWake();
}

bool CoreKeyDown(UINT vk, bool alt, bool repeat)
{
    // Alt alone toggles the menu on its release, as on Windows.
    g_core.altAlone = vk == VK_MENU && (g_core.altAlone || !repeat);
    if (!vk || vk == VK_MENU)
        return vk != 0;
    if (CoreWindow* dialog = ModalDialog())
        return DialogKey(dialog, vk);
    CoreWindow* window = MainWindow();
    if (!window)
        return false;
    if (window->menu && MenuKey(window->menu, vk, alt))
        return true;
    // Alt combinations are Win32's WM_SYSKEYDOWN, which the program leaves alone.
    if (!alt)
        PostToQueue(window, WM_KEYDOWN, vk, 1);
    return true;
}

void CoreKeyUp(UINT vk)
{
    if (vk != VK_MENU)
        return;
    CoreWindow* window = MainWindow();
    if (g_core.altAlone && window && window->menu && !ModalDialog())
        MenuKey(window->menu, VK_MENU, false);
    g_core.altAlone = false;
}

bool CoreMenuMouse(CoreWindow* window, MenuMouseEvent event, int title, int item)
{
    CoreMenu* menu = window->menu;
    if (!menu || ModalDialog())
        return false;
    MenuState before = menu->state;
    bool taken = false;
    UINT command = MenuMouse(&menu->state, *menu->menuTemplate, event, title, item, &taken);
    const MenuState& now = menu->state;
    if (command || now.mode != before.mode || now.title != before.title || now.item != before.item)
        ShowMenu(menu, command);
    return taken;
}

// CS_HREDRAW | CS_VREDRAW: every size change repaints the whole client area.
void CoreClientSized(CoreWindow* window, int width, int height)
{
    if (window->destroying || (width == window->clientWidth && height == window->clientHeight))
        return;
    window->clientWidth = width;
    window->clientHeight = height;
    window->invalid = true;
    // NOTE: a minimised window keeps its 0 x 0 client; the restore reports the new size.
    if (!window->minimised)
        SendSize(window, SIZE_RESTORED, true);
}

// NOTE: toolkits report an iconified window as hidden; Win32 reports a 0 x 0 client.
void CoreMinimised(CoreWindow* window, bool minimised)
{
    if (minimised == window->minimised || !window->visible || window->destroying)
        return;
    window->minimised = minimised;
    window->invalid = window->invalid || !minimised;
    SendSize(window, minimised ? SIZE_MINIMIZED : SIZE_RESTORED, true);
}

void CoreButton(CoreWindow* dialog, int id)
{
    PostToQueue(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

void CoreClose(CoreWindow* window)
{
    PostToQueue(window, WM_CLOSE, 0, 0);
}

ATOM WINAPI RegisterClass(const WNDCLASS* windowClass)
{
    if (g_core.classRegistered || !windowClass->lpszClassName || !windowClass->lpfnWndProc) {
        ReportError("USER32", "only one window class can be registered");
        return 0;
    }
    g_core.windowClass = *windowClass;
    g_core.className = windowClass->lpszClassName;
    g_core.windowClass.lpszClassName = g_core.className.c_str();
    g_core.classRegistered = true;
    return 1;
}

HWND WINAPI CreateWindowEx(DWORD, LPCSTR className, LPCSTR windowName, DWORD, int x, int y,
                           int width, int height, HWND, HMENU, HINSTANCE, LPVOID)
{
    g_core.lastError.clear();
    const WNDCLASS* windowClass;
    const MenuTemplate* menuTemplate;
    if (!HostOpen() || !FindClass(className, &windowClass, &menuTemplate))
        return NULL;
    auto* window = new CoreWindow();
    window->kind = KIND_MAIN;
    window->proc = windowClass->lpfnWndProc;
    window->dc.window = window;
    if (menuTemplate)
        window->menu = NewMenu(window, *menuTemplate);
    FrameStyle style = {windowName ? windowName : "", x, y, width, height, nullptr,
                        g_core.className.c_str()};
    if (!HostMakeFrame(window, style)) {
        delete window->menu;
        delete window;
        return NULL;
    }
    window->invalid = true;
    g_core.windows.push_back(window);
    // NOTE: Win32 sends WM_SIZE after WM_CREATE, before CreateWindowEx returns.
    if (!SendCreate(window))
        return NULL;
    SendSize(window, SIZE_RESTORED, false);
    return HandleOf(window);
}

BOOL WINAPI ShowWindow(HWND handle, int cmdShow)
{
    CoreWindow* window = LiveWindow(handle);
    if (!window)
        return FALSE;
    bool wasVisible = window->visible;
    window->visible = cmdShow != SW_HIDE;
    HostShowFrame(window, cmdShow, wasVisible);
    return wasVisible ? TRUE : FALSE;
}

BOOL WINAPI UpdateWindow(HWND handle)
{
    CoreWindow* window = LiveWindow(handle);
    if (!window)
        return FALSE;
    if (window->invalid && window->visible && !window->minimised && HostOnScreen(window))
        SendToWindow(window, WM_PAINT, 0, 0);
    return TRUE;
}

BOOL WINAPI DestroyWindow(HWND handle)
{
    CoreWindow* window = LiveWindow(handle);
    if (!window || window->destroying || window->kind != KIND_MAIN)
        return FALSE;
    window->destroying = true;
    SendToWindow(window, WM_DESTROY, 0, 0);
    if (window->menu && window->menu->state.mode != MENU_CLOSED) {
        window->menu->state = MenuState{MENU_CLOSED, 0, -1};
        HostDrawMenu(window->menu);
    }
    HostDestroyFrame(window);
    g_core.windows.erase(std::find(g_core.windows.begin(), g_core.windows.end(), window));
    delete window->menu;
    delete window;
    return TRUE;
}

LRESULT WINAPI DefWindowProc(HWND window, UINT message, WPARAM, LPARAM)
{
    if (message == WM_CLOSE)
        DestroyWindow(window);
    return 0;
}

BOOL WINAPI GetMessage(LPMSG msg, HWND, UINT, UINT)
{
    return NextMessage(msg) ? TRUE : FALSE;
}

BOOL WINAPI TranslateMessage(const MSG*)
{
    return FALSE;
}

LRESULT WINAPI DispatchMessage(const MSG* msg)
{
    CoreWindow* window = LiveWindow(msg->hwnd);
    return window ? SendToWindow(window, msg->message, msg->wParam, msg->lParam) : 0;
}

void WINAPI PostQuitMessage(int exitCode)
{
    g_core.quitPosted = true;
    g_core.quitCode = exitCode;
    HostWake();
}

BOOL WINAPI InvalidateRect(HWND handle, const RECT*, BOOL)
{
    CoreWindow* window = LiveWindow(handle);
    if (!window)
        return FALSE;
    window->invalid = true;
    HostWake();
    return TRUE;
}

// Only the whole client area is tracked: a partial rectangle leaves it invalid.
BOOL WINAPI ValidateRect(HWND handle, const RECT* rect)
{
    CoreWindow* window = LiveWindow(handle);
    if (!window)
        return FALSE;
    if (!rect)
        window->invalid = false;
    return TRUE;
}

// Every host's default cursor is the arrow; the handle only has to be non-null.
HCURSOR WINAPI LoadCursor(HINSTANCE, LPCSTR)
{
    static int arrow;
    return reinterpret_cast<HCURSOR>(&arrow);
}

HDC WINAPI GetDC(HWND handle)
{
    CoreWindow* window = LiveWindow(handle);
    return window ? reinterpret_cast<HDC>(&window->dc) : NULL;
}

HMENU WINAPI GetMenu(HWND handle)
{
    CoreWindow* window = LiveWindow(handle);
    return window ? reinterpret_cast<HMENU>(window->menu) : NULL;
}

DWORD WINAPI CheckMenuItem(HMENU handle, UINT id, UINT check)
{
    auto* menu = reinterpret_cast<CoreMenu*>(handle);
    bool known = false;
    for (size_t i = 0; menu && i < menu->menuTemplate->items.size(); i++) {
        for (const MenuItemTemplate& item : menu->menuTemplate->items[i].items)
            known = known || item.id == id;
    }
    if (!known)
        return static_cast<DWORD>(-1);
    DWORD previous = IsChecked(menu, id) ? MF_CHECKED : MF_UNCHECKED;
    menu->checked.erase(std::remove(menu->checked.begin(), menu->checked.end(), id),
                        menu->checked.end());
    if (check & MF_CHECKED)
        menu->checked.push_back(id);
    HostDrawMenu(menu);
    return previous;
}

INT_PTR WINAPI DialogBoxParam(HINSTANCE, LPCSTR templateName, HWND parent, DLGPROC dialogProc,
                              LPARAM initParam)
{
    if (!HostOpen())
        return -1;
    const DialogTemplate* dialogTemplate =
        IS_INTRESOURCE(templateName) ? FindDialogTemplate(Resources(), LOWORD(templateName))
                                     : nullptr;
    if (!dialogTemplate) {
        ReportError("USER32", "no dialog resource %s", NameOf(templateName).c_str());
        return -1;
    }
    if (!dialogProc) {
        ReportError("USER32", "DialogBoxParam was given no dialog procedure");
        return -1;
    }
    BaseUnits units = MeasureBaseUnits(*dialogTemplate);
    CoreWindow* owner = LiveWindow(parent);
    auto* dialog = new CoreWindow();
    dialog->kind = KIND_DIALOG;
    dialog->proc = dialogProc;
    dialog->dialogTemplate = dialogTemplate;
    dialog->dc.window = dialog;
    if (!HostMakeFrame(dialog, DialogFrame(*dialogTemplate, units, owner))) {
        delete dialog;
        return -1;
    }
    for (const ControlTemplate& control : dialogTemplate->controls)
        HostMakeControl(dialog, control, ToPixelsX(units, control.x), ToPixelsY(units, control.y),
                        ToPixelsX(units, control.width), ToPixelsY(units, control.height));
    g_core.windows.push_back(dialog);

    // NOTE: as on Win32, WM_INITDIALOG comes before the dialog is shown.
    bool focusDefault = dialogProc(HandleOf(dialog), WM_INITDIALOG, 0, initParam);
    if (!dialog->ended) {
        dialog->visible = true;
        HostShowFrame(dialog, SW_SHOW, false);
        if (focusDefault && FindControl(dialog, 0, "DEFPUSHBUTTON") >= 0)
            HostFocusControl(dialog, FindControl(dialog, 0, "DEFPUSHBUTTON"));
    }
    INT_PTR result = RunDialog(dialog);
    HostDestroyFrame(dialog);
    g_core.windows.erase(std::find(g_core.windows.begin(), g_core.windows.end(), dialog));
    delete dialog;
    // NOTE: Win32 activates the owner when a modal dialog ends: its keys go there at once,
    // wherever the pointer is.
    if (LiveWindow(parent) && owner->visible)
        HostActivate(owner);
    return result;
}

BOOL WINAPI EndDialog(HWND handle, INT_PTR result)
{
    CoreWindow* dialog = LiveWindow(handle);
    if (!dialog || dialog->kind != KIND_DIALOG)
        return FALSE;
    dialog->ended = true;
    dialog->result = result;
    HostWake();
    return TRUE;
}

BOOL WINAPI SetDlgItemText(HWND handle, int id, LPCSTR text)
{
    CoreWindow* dialog = LiveWindow(handle);
    int index = dialog && dialog->kind == KIND_DIALOG ? FindControl(dialog, id) : -1;
    if (index < 0)
        return FALSE;
    HostSetControlText(dialog, index, text ? text : "");
    return TRUE;
}

int WINAPI ChoosePixelFormat(HDC handle, const PIXELFORMATDESCRIPTOR* pfd)
{
    CoreDC* dc = LiveDC(handle);
    int count = dc && pfd ? HostPixelFormats(dc->window) : 0;
    int best = 0;
    long bestDistance = -1;
    for (int format = 1; format <= count; format++) {
        PIXELFORMATDESCRIPTOR description;
        HostDescribePixelFormat(dc->window, format, &description);
        long distance = PixelFormatDistance(*pfd, description);
        if (distance >= 0 && (bestDistance < 0 || distance < bestDistance)) {
            best = format;
            bestDistance = distance;
        }
    }
    if (count && !best)
        ReportError("GDI32", "no %s-buffered %s pixel format",
                    (pfd->dwFlags & PFD_DOUBLEBUFFER) ? "double" : "single",
                    pfd->iPixelType == PFD_TYPE_RGBA ? "RGBA" : "colour-index");
    return best;
}

// A window's pixel format can be set once, as on Win32.
BOOL WINAPI SetPixelFormat(HDC handle, int format, const PIXELFORMATDESCRIPTOR*)
{
    CoreDC* dc = LiveDC(handle);
    if (!dc || dc->pixelFormat || format < 1 || format > HostPixelFormats(dc->window) ||
        !HostMakeSurface(dc->window, format))
        return FALSE;
    dc->pixelFormat = format;
    return TRUE;
}

int WINAPI GetPixelFormat(HDC handle)
{
    CoreDC* dc = LiveDC(handle);
    return dc ? dc->pixelFormat : 0;
}

int WINAPI DescribePixelFormat(HDC handle, int format, UINT bytes, LPPIXELFORMATDESCRIPTOR pfd)
{
    CoreDC* dc = LiveDC(handle);
    int count = dc ? HostPixelFormats(dc->window) : 0;
    if (format < 1 || format > count)
        return 0;
    if (pfd && bytes >= sizeof(PIXELFORMATDESCRIPTOR))
        HostDescribePixelFormat(dc->window, format, pfd);
    return count;
}

HPALETTE WINAPI SelectPalette(HDC handle, HPALETTE palette, BOOL)
{
    CoreDC* dc = LiveDC(handle);
    if (!dc)
        return NULL;
    HPALETTE previous = dc->palette;
    dc->palette = palette;
    return previous;
}

// The hosts recolour the window themselves when its colours change.
BOOL WINAPI UpdateColors(HDC handle)
{
    return LiveDC(handle) ? TRUE : FALSE;
}
