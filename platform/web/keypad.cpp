// The page's key pad, as Windows' touch keyboard: each button presses the
// virtual key it is named by (data-vk), as the real key does, repeating while
// held (after 400 ms, every 100 ms, as a keyboard's typematic repeat), and a
// click without a pointer (a screen reader's) presses it once. The page's
// toggle shows or hides it; it starts shown on touch screens (pointer: coarse).
// The screen above it is fitted anew, so the key pad never covers the window.
#include "state.h"

#include <emscripten/emscripten.h>

extern "C" EMSCRIPTEN_KEEPALIVE void KeypadKey(int vk, int repeat)
{
    SendKey(static_cast<UINT>(vk), false, repeat != 0);
}

// clang-format off
EM_JS(void, WireKeypad, (), {
    const pad = document.getElementById('keypad');
    const toggle = document.getElementById('keypad-toggle');
    const show = (on) => {
        pad.hidden = !on;
        toggle.setAttribute('aria-expanded', String(on));
    };
    show(matchMedia('(pointer: coarse)').matches);
    // Only a toggle refits: at the start no window is there to fit, and its showing fits the desktop.
    toggle.addEventListener('click', () => (show(pad.hidden), dispatchEvent(new Event('resize'))));
    for (const button of pad.querySelectorAll('button')) {
        const vk = Number(button.dataset.vk);
        let timer = 0;
        const stop = () => { clearTimeout(timer); timer = 0; };
        const press = (repeat) => {
            _KeypadKey(vk, repeat);
            timer = setTimeout(() => press(1), repeat ? 100 : 400);
        };
        // Taken from the default: no focus moved, no mouse events after, no touch menu.
        button.addEventListener('pointerdown', (event) => { event.preventDefault(); stop(); press(0); });
        for (const end of ['pointerup', 'pointercancel', 'pointerleave']) button.addEventListener(end, stop);
        button.addEventListener('contextmenu', (event) => event.preventDefault());
        button.addEventListener('click', (event) => event.detail || _KeypadKey(vk, 0));
    }
});
// clang-format on

void HookKeypad()
{
    WireKeypad();
}
