// The window's menu bar, built from a MENU template: popups of command
// items, with & mnemonics (Alt+letter opens a popup) and check marks.
// Not implemented: separators, nested popups, disabled items.
#include "state.h"

#include <FL/Fl.H>
#include <FL/Fl_Menu_Bar.H>

#include <algorithm>

namespace {

bool IsChecked(const PlatformMenu* menu, UINT id)
{
    return std::find(menu->checked.begin(), menu->checked.end(), id) != menu->checked.end();
}

Fl_Menu_Item* FindItem(PlatformMenu* menu, UINT id)
{
    int depth = 0;
    for (Fl_Menu_Item& item : menu->items) {
        if (!item.text) {
            if (--depth < 0)
                break;
        } else if (item.flags & FL_SUBMENU) {
            depth++;
        } else if (static_cast<UINT>(item.argument()) == id) {
            return &item;
        }
    }
    return nullptr;
}

// Items that can carry a check mark show FLTK's toggle box; its value is the program's.
void ShowCheck(PlatformMenu* menu, UINT id)
{
    if (Fl_Menu_Item* item = FindItem(menu, id)) {
        if (IsChecked(menu, id))
            item->flags |= FL_MENU_TOGGLE | FL_MENU_VALUE;
        else
            item->flags &= ~FL_MENU_VALUE;
    }
}

void OnMenuPick(Fl_Widget* bar, void* data)
{
    auto* menu = static_cast<PlatformMenu*>(bar->user_data());
    UINT id = static_cast<UINT>(reinterpret_cast<uintptr_t>(data));
    // NOTE: FLTK flips a toggle item itself when picked; only CheckMenuItem may do that on Win32.
    ShowCheck(menu, id);
    PostToQueue(menu->owner, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

Fl_Menu_Item MakeItem(const char* text, int flags, Fl_Callback* callback, UINT id)
{
    Fl_Menu_Item item = {};
    item.text = text;
    item.callback_ = callback;
    item.user_data_ = reinterpret_cast<void*>(static_cast<uintptr_t>(id));
    item.flags = flags;
    return item;
}

// Runs inside the menu's own loop, which holds the grab: one Down picks the first item.
void HighlightFirstItem(void*)
{
    if (Fl_Window* popup = Fl::grab()) {
        Fl::e_keysym = FL_Down;
        Fl::e_state = 0;
        Fl::handle(FL_KEYBOARD, popup);
    }
}

} // namespace

PlatformMenu* CreateMenuBar(PlatformWindow* owner, const MenuTemplate& menuTemplate, int width,
                            int height)
{
    auto* menu = new PlatformMenu();
    menu->owner = owner;
    // The labels live in the template, which stays parsed for the whole run.
    for (const MenuItemTemplate& popup : menuTemplate.items) {
        bool checkable = std::any_of(popup.items.begin(), popup.items.end(),
                                     [](const MenuItemTemplate& item) { return item.checked; });
        menu->items.push_back(MakeItem(popup.text.c_str(), FL_SUBMENU, nullptr, 0));
        for (const MenuItemTemplate& item : popup.items) {
            int flags = checkable ? FL_MENU_TOGGLE : 0;
            if (item.checked) {
                flags |= FL_MENU_VALUE;
                menu->checked.push_back(item.id);
            }
            menu->items.push_back(MakeItem(item.text.c_str(), flags, OnMenuPick, item.id));
        }
        menu->items.push_back(Fl_Menu_Item());
    }
    menu->items.push_back(Fl_Menu_Item());

    menu->bar = new Fl_Menu_Bar(0, 0, width, height);
    menu->bar->user_data(menu);
    menu->bar->menu(menu->items.data());
    return menu;
}

// NOTE: a popup opened with Alt+letter has its first item highlighted on Win32,
// so Alt+H, Enter picks About; FLTK highlights nothing until Down.
void BeforeMenuShortcut(PlatformMenu* menu)
{
    const Fl_Menu_Item* popup = menu->items[0].find_shortcut(nullptr, true);
    if (popup && popup->submenu())
        Fl::add_timeout(0.0, HighlightFirstItem);
}

// The menu bar's own loop, entered at its first popup, as a click on the bar would.
void OpenMenuBar(PlatformMenu* menu)
{
    Fl_Menu_Bar* bar = menu->bar;
    bar->picked(menu->items[0].pulldown(bar->x(), bar->y(), bar->w(), bar->h(),
                                        &menu->items[0], bar, nullptr, 1));
}

void DestroyMenuBar(PlatformMenu* menu)
{
    menu->bar->menu(nullptr); // the bar is deleted later, with its window
    delete menu;
}

HMENU WINAPI GetMenu(HWND handle)
{
    PlatformWindow* window = WindowFromHandle(handle);
    return window ? reinterpret_cast<HMENU>(window->menu) : NULL;
}

DWORD WINAPI CheckMenuItem(HMENU handle, UINT id, UINT check)
{
    auto* menu = reinterpret_cast<PlatformMenu*>(handle);
    if (!menu || !FindItem(menu, id))
        return static_cast<DWORD>(-1);
    DWORD previous = IsChecked(menu, id) ? MF_CHECKED : MF_UNCHECKED;
    menu->checked.erase(std::remove(menu->checked.begin(), menu->checked.end(), id),
                        menu->checked.end());
    if (check & MF_CHECKED)
        menu->checked.push_back(id);
    ShowCheck(menu, id);
    return previous;
}
