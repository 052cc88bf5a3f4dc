// Keyboard and mouse from the page (and the key pad's keys), translated in one place for every
// window and handed to the core: keys as the Win32 virtual-key code of the
// physical key (KeyboardEvent.code, letters as the layout has them); the
// mouse to the dialog's buttons, the menu, the sizing border and the close box.
// Not implemented: WM_KEYUP, WM_CHAR, WM_SYSKEYDOWN, mouse messages (the
// program handles none of them).
#include "state.h"

#include <emscripten/html5.h>

#include "dom.h"
#include "keys.h"

namespace {

CoreWindow* WindowOf(val element)
{
    for (CoreWindow* window : Windows()) {
        if (!element.isNull() && window->native->frame.call<bool>("contains", element))
            return window;
    }
    return nullptr;
}

// The hit label's number after prefix ("item:2" -> 2), or -1.
int HitIndex(const std::string& hit, const char* prefix)
{
    std::string head(prefix);
    return hit.compare(0, head.size(), head) == 0 ? std::stoi(hit.substr(head.size())) : -1;
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
    // NOTE: with Ctrl or the Meta key held, keys are the browser's (reload, close, copy).
    if ((event->ctrlKey || event->metaKey) && vk != VK_MENU)
        vk = 0;
    // NOTE: the window gets function keys too, but the browser keeps them (F5 reloads).
    bool functionKey = vk >= VK_F1 && vk < VK_F1 + 24 && vk != VK_F10;
    // NOTE: so do Tab and Shift+Tab (the page's focus), Alt+Left and Alt+Right (back and
    // forward), Alt+D (the address bar) and Alt+Home (the home page): on Windows only the window
    // would have them.
    bool browserKey =
        vk == VK_TAB ||
        (event->altKey && (vk == VK_LEFT || vk == VK_RIGHT || vk == 'D' || vk == VK_HOME));
    return SendKey(vk, event->altKey, event->repeat) && !functionKey && !browserKey;
}

EM_BOOL OnKeyUp(int, const EmscriptenKeyboardEvent* event, void*)
{
    UINT vk = KeyFromCode(event->code).vk;
    CoreKeyUp(vk);
    return vk == VK_MENU;
}

EM_BOOL OnMouse(int eventType, const EmscriptenMouseEvent* event, void*)
{
    if (g_web.sizing.window) {
        if (eventType == EMSCRIPTEN_EVENT_MOUSEUP) {
            g_web.sizing.window = nullptr;
            FitDesktop();
        } else
            TrackSizing(event->clientX, event->clientY);
        return EM_TRUE;
    }
    val element = val::null();
    std::string hit = HitAt(event->clientX, event->clientY, &element);
    CoreWindow* target = WindowOf(element);
    // A modal dialog disables its owner, as on Win32.
    if (CoreWindow* dialog = ModalDialog()) {
        if (target == dialog && eventType == EMSCRIPTEN_EVENT_CLICK)
            DialogClick(dialog, hit);
        return target && target != dialog;
    }
    CoreWindow* window = MainWindow();
    if (!window)
        return EM_FALSE;
    std::string over = target == window ? hit : "";
    MenuMouseEvent menuEvent = eventType == EMSCRIPTEN_EVENT_MOUSEDOWN ? MOUSE_DOWN
                               : eventType == EMSCRIPTEN_EVENT_MOUSEUP ? MOUSE_UP
                                                                       : MOUSE_MOVE;
    if (eventType != EMSCRIPTEN_EVENT_CLICK &&
        CoreMenuMouse(window, menuEvent, HitIndex(over, "title:"), HitIndex(over, "item:")))
        return EM_TRUE;
    if (target != window)
        return EM_FALSE;
    if (eventType == EMSCRIPTEN_EVENT_MOUSEDOWN && hit == "border")
        StartSizing(window, event->clientX, event->clientY);
    else if (eventType == EMSCRIPTEN_EVENT_CLICK && hit == "close")
        CoreClose(window);
    // The frame is no text to select.
    return eventType == EMSCRIPTEN_EVENT_MOUSEDOWN;
}

EM_BOOL OnResize(int, const EmscriptenUiEvent*, void*)
{
    FitDesktop();
    return EM_FALSE;
}

} // namespace

bool HostOpen()
{
    if (g_web.inputHooked)
        return true;
    const char* document = EMSCRIPTEN_EVENT_TARGET_DOCUMENT;
    emscripten_set_keydown_callback(document, nullptr, EM_TRUE, OnKeyDown);
    emscripten_set_keyup_callback(document, nullptr, EM_TRUE, OnKeyUp);
    emscripten_set_mousedown_callback(document, nullptr, EM_TRUE, OnMouse);
    emscripten_set_mousemove_callback(document, nullptr, EM_TRUE, OnMouse);
    emscripten_set_mouseup_callback(document, nullptr, EM_TRUE, OnMouse);
    emscripten_set_click_callback(document, nullptr, EM_TRUE, OnMouse);
    emscripten_set_resize_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, EM_FALSE, OnResize);
    HookKeypad();
    g_web.inputHooked = true;
    return true;
}
