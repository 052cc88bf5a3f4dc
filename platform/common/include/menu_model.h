// A window's menu bar as Win32's menu loop works it, by keyboard and mouse,
// for the hosts that draw menus of their own. The core hands keys over while
// the menu is active (or when they are system keys) and the mouse over the
// bar and the open popup; the host draws what the state says.
#ifndef ROBOT_OXEL_COMMON_MENU_MODEL_H
#define ROBOT_OXEL_COMMON_MENU_MODEL_H

#include <windows.h>

#include "resource_script.h"

enum MenuMode {
    MENU_CLOSED, // keys go to the window
    MENU_BAR,    // a title highlighted, no popup (F10, or Alt pressed alone)
    MENU_POPUP,  // the popup under the highlighted title is open
};

struct MenuState {
    MenuMode mode;
    int title; // the highlighted title, when not closed
    int item;  // the highlighted item of the open popup, or -1
};

// The upper-case letter after the '&' of a label, or 0.
char MenuMnemonic(const std::string& text);

// Whether the menus take a key: any while they are active; while they are
// closed, only the system keys (Alt held, F10, Alt alone as VK_MENU).
bool MenuTakesKey(const MenuState& state, UINT vk, bool alt);

// Moves the highlight for one key (VK_MENU: Alt pressed and released alone;
// alt: Alt held with the key). Returns the command of the item picked, or 0.
UINT MenuKeyDown(MenuState* state, const MenuTemplate& menu, UINT vk, bool alt);

enum MenuMouseEvent { MOUSE_DOWN, MOUSE_MOVE, MOUSE_UP };

// Follows the mouse over TITLE or ITEM of the open popup (-1 for neither): a
// press opens or closes a popup, a move switches popups and highlights, a
// release over an item picks it. Returns the command picked, or 0; *taken
// says whether the menus keep the event.
UINT MenuMouse(MenuState* state, const MenuTemplate& menu, MenuMouseEvent event, int title,
               int item, bool* taken);

// Opens the popup of a title with one of its items highlighted (-1 for none), as the mouse does.
void MenuOpen(MenuState* state, int title, int item);

#endif
