#include "menu_model.h"

#include <ctype.h>

namespace {

int Count(const MenuTemplate& menu)
{
    return static_cast<int>(menu.items.size());
}

int ItemCount(const MenuTemplate& menu, int title)
{
    return static_cast<int>(menu.items[title].items.size());
}

// Steps by delta round a list of count entries.
int Wrap(int index, int delta, int count)
{
    return ((index + delta) % count + count) % count;
}

void Close(MenuState* state)
{
    *state = MenuState{MENU_CLOSED, 0, -1};
}

// The entry whose mnemonic is letter, or -1.
int FindMnemonic(const std::vector<MenuItemTemplate>& items, UINT letter)
{
    for (size_t i = 0; i < items.size(); i++) {
        char mnemonic = MenuMnemonic(items[i].text);
        if (mnemonic && static_cast<UINT>(mnemonic) == letter)
            return static_cast<int>(i);
    }
    return -1;
}

// NOTE: a popup opened from the keyboard starts with its first item highlighted.
void OpenFromKeyboard(MenuState* state, const MenuTemplate& menu, int title)
{
    MenuOpen(state, title, ItemCount(menu, title) > 0 ? 0 : -1);
}

UINT KeyInBar(MenuState* state, const MenuTemplate& menu, UINT vk)
{
    int titles = Count(menu);
    int title;
    switch (vk) {
    case VK_LEFT:
    case VK_RIGHT:
        state->title = Wrap(state->title, vk == VK_LEFT ? -1 : 1, titles);
        return 0;
    case VK_DOWN:
    case VK_UP:
    case VK_RETURN:
        OpenFromKeyboard(state, menu, state->title);
        return 0;
    case VK_ESCAPE:
    case VK_MENU:
    case VK_F10:
        Close(state);
        return 0;
    }
    if ((title = FindMnemonic(menu.items, vk)) >= 0)
        OpenFromKeyboard(state, menu, title);
    return 0;
}

UINT KeyInPopup(MenuState* state, const MenuTemplate& menu, UINT vk)
{
    const std::vector<MenuItemTemplate>& items = menu.items[state->title].items;
    int count = static_cast<int>(items.size());
    int item;
    switch (vk) {
    case VK_UP:
    case VK_DOWN:
        if (count > 0)
            state->item = state->item < 0 ? (vk == VK_DOWN ? 0 : count - 1)
                                          : Wrap(state->item, vk == VK_UP ? -1 : 1, count);
        return 0;
    case VK_LEFT:
    case VK_RIGHT:
        OpenFromKeyboard(state, menu, Wrap(state->title, vk == VK_LEFT ? -1 : 1, Count(menu)));
        return 0;
    case VK_RETURN:
        item = state->item;
        Close(state);
        return item >= 0 ? items[item].id : 0;
    case VK_ESCAPE:
        // The popup closes; its title stays highlighted until a second Escape.
        state->mode = MENU_BAR;
        state->item = -1;
        return 0;
    case VK_MENU:
    case VK_F10:
        Close(state);
        return 0;
    }
    if ((item = FindMnemonic(items, vk)) < 0)
        return 0;
    Close(state);
    return items[item].id;
}

} // namespace

char MenuMnemonic(const std::string& text)
{
    size_t amp = text.find('&');
    if (amp == std::string::npos || amp + 1 >= text.size())
        return 0;
    return static_cast<char>(toupper(static_cast<unsigned char>(text[amp + 1])));
}

bool MenuTakesKey(const MenuState& state, UINT vk, bool alt)
{
    return state.mode != MENU_CLOSED || alt || vk == VK_F10 || vk == VK_MENU;
}

void MenuOpen(MenuState* state, int title, int item)
{
    *state = MenuState{MENU_POPUP, title, item};
}

UINT MenuKeyDown(MenuState* state, const MenuTemplate& menu, UINT vk, bool alt)
{
    if (menu.items.empty())
        return 0;
    switch (state->mode) {
    case MENU_CLOSED:
        if (vk == VK_MENU || vk == VK_F10) {
            *state = MenuState{MENU_BAR, 0, -1};
        } else if (alt) {
            int title = FindMnemonic(menu.items, vk);
            if (title >= 0)
                OpenFromKeyboard(state, menu, title);
        }
        return 0;
    case MENU_BAR:
        return KeyInBar(state, menu, vk);
    case MENU_POPUP:
        return KeyInPopup(state, menu, vk);
    }
    return 0;
}

UINT MenuMouse(MenuState* state, const MenuTemplate& menu, MenuMouseEvent event, int title,
               int item, bool* taken)
{
    bool open = state->mode == MENU_POPUP;
    item = open && item < ItemCount(menu, state->title) ? item : -1;
    *taken = open;
    switch (event) {
    case MOUSE_DOWN:
        *taken = item >= 0 || title >= 0 || state->mode != MENU_CLOSED;
        if (item < 0 && title >= 0 && !(open && title == state->title))
            MenuOpen(state, title, -1);
        else if (item < 0)
            Close(state); // a second press on the title, or one outside the menus
        return 0;
    case MOUSE_MOVE:
        if (open && title >= 0 && title != state->title)
            MenuOpen(state, title, -1);
        else if (open && item >= 0)
            state->item = item;
        return 0;
    case MOUSE_UP:
        // Pressed on a title or an item, released over an item: picked.
        if (item < 0)
            return 0;
        *taken = true;
        UINT id = menu.items[state->title].items[item].id;
        Close(state);
        return id;
    }
    return 0;
}
