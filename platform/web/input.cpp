// Keyboard and mouse from the page, translated in one place for every
// window: keys to the modal dialog, the menu bar or WM_KEYDOWN with the
// Win32 virtual-key code of the physical key (KeyboardEvent.code, letters as
// the layout has them); the mouse to the dialog's buttons, the menu, the
// sizing border and the close box.
// Not implemented: WM_KEYUP, WM_CHAR, WM_SYSKEYDOWN, mouse messages (the
// program handles none of them).
#include "state.h"

#include <emscripten/html5.h>

#include "dom.h"
#include "keys.h"

namespace {

WebWindow* MainWindow()
{
    for (HostWindow* window : g_host.windows) {
        if (window->kind == KIND_MAIN && !window->destroying)
            return static_cast<WebWindow*>(window);
    }
    return nullptr;
}

WebWindow* WindowOf(val element)
{
    for (HostWindow* host : g_host.windows) {
        auto* window = static_cast<WebWindow*>(host);
        if (!element.isNull() && window->frame.call<bool>("contains", element))
            return window;
    }
    return nullptr;
}

// NOTE: event->key is the character typed with the modifiers held; only a letter is the
// same shifted or not, so only a letter moves a key's code off its US position.
UINT VirtualKeyOf(const EmscriptenKeyboardEvent* event)
{
    char typed = event->key[1] ? 0 : event->key[0];
    bool letter = (typed >= 'a' && typed <= 'z') || (typed >= 'A' && typed <= 'Z');
    return VirtualKeyOnLayout(KeyFromCode(event->code),
                              letter ? static_cast<unsigned long>(typed) : 0);
}

EM_BOOL OnKeyDown(int, const EmscriptenKeyboardEvent* event, void*)
{
    UINT vk = VirtualKeyOf(event);
    // Alt alone toggles the menu on its release, as on Windows.
    g_web.altAlone = vk == VK_MENU && (g_web.altAlone || !event->repeat);
    if (vk == VK_MENU)
        return EM_TRUE;
    // NOTE: with Ctrl or the Meta key held, keys are the browser's (reload, close, copy).
    if (event->ctrlKey || event->metaKey || !vk)
        return EM_FALSE;
    if (WebWindow* dialog = ModalDialog())
        return DialogKey(dialog, vk);
    WebWindow* window = MainWindow();
    if (!window)
        return EM_FALSE;
    if (window->menu && MenuKey(window->menu, vk, event->altKey))
        return EM_TRUE;
    // Alt combinations are Win32's WM_SYSKEYDOWN, which the program leaves alone.
    if (event->altKey)
        return EM_TRUE;
    PostToQueue(window, WM_KEYDOWN, vk, 1);
    // NOTE: the window gets function keys too, but the browser keeps them (F5 reloads).
    return vk < VK_F1 || vk >= VK_F1 + 24;
}

EM_BOOL OnKeyUp(int, const EmscriptenKeyboardEvent* event, void*)
{
    if (KeyFromCode(event->code).vk != VK_MENU)
        return EM_FALSE;
    WebWindow* window = MainWindow();
    if (g_web.altAlone && window && window->menu && !ModalDialog())
        MenuKey(window->menu, VK_MENU, false);
    g_web.altAlone = false;
    return EM_TRUE;
}

EM_BOOL OnMouse(int eventType, const EmscriptenMouseEvent* event, void*)
{
    if (g_web.sizing.window) {
        if (eventType == EMSCRIPTEN_EVENT_MOUSEUP)
            g_web.sizing.window = nullptr;
        else
            TrackSizing(event->clientX, event->clientY);
        return EM_TRUE;
    }
    val element = val::null();
    std::string hit = HitAt(event->clientX, event->clientY, &element);
    WebWindow* target = WindowOf(element);
    // A modal dialog disables its owner, as on Win32.
    if (WebWindow* dialog = ModalDialog()) {
        if (target == dialog && eventType == EMSCRIPTEN_EVENT_CLICK)
            DialogClick(dialog, hit);
        return target && target != dialog;
    }
    WebWindow* window = MainWindow();
    if (!window)
        return EM_FALSE;
    if (window->menu && MenuMouse(window->menu, eventType, target == window ? hit : ""))
        return EM_TRUE;
    if (target != window)
        return EM_FALSE;
    if (eventType == EMSCRIPTEN_EVENT_MOUSEDOWN && hit == "border")
        StartSizing(window, event->clientX, event->clientY);
    else if (eventType == EMSCRIPTEN_EVENT_CLICK && hit == "close")
        CloseBox(window);
    // The frame is no text to select.
    return eventType == EMSCRIPTEN_EVENT_MOUSEDOWN;
}

EM_BOOL OnResize(int, const EmscriptenUiEvent*, void*)
{
    if (WebWindow* window = MainWindow())
        ClientSizeChanged(window);
    return EM_FALSE;
}

} // namespace

void HookInput()
{
    if (g_web.inputHooked)
        return;
    const char* document = EMSCRIPTEN_EVENT_TARGET_DOCUMENT;
    emscripten_set_keydown_callback(document, nullptr, EM_TRUE, OnKeyDown);
    emscripten_set_keyup_callback(document, nullptr, EM_TRUE, OnKeyUp);
    emscripten_set_mousedown_callback(document, nullptr, EM_TRUE, OnMouse);
    emscripten_set_mousemove_callback(document, nullptr, EM_TRUE, OnMouse);
    emscripten_set_mouseup_callback(document, nullptr, EM_TRUE, OnMouse);
    emscripten_set_click_callback(document, nullptr, EM_TRUE, OnMouse);
    emscripten_set_resize_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, EM_FALSE, OnResize);
    g_web.inputHooked = true;
}
