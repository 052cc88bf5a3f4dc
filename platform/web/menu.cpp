// The window's menu bar, built from a MENU template: popups of command
// items with & mnemonics and check marks, worked by mouse and by keyboard
// as on Windows. Alt+letter opens a popup with its first item highlighted;
// F10 (or Alt alone) highlights the first title, and Down, Up or Enter opens
// it; Left and Right move between titles, opening the next popup with its
// first item highlighted when one is open; Enter or an item's mnemonic picks;
// Escape closes the popup, then leaves the menu.
// Not implemented: separators, nested popups, disabled items.
#include "state.h"

#include <emscripten/html5.h>

#include <algorithm>

#include "dom.h"

namespace {

bool IsChecked(const WebMenu* menu, UINT id)
{
    return std::find(menu->checked.begin(), menu->checked.end(), id) != menu->checked.end();
}

const std::vector<MenuItemTemplate>& Items(const WebMenu* menu)
{
    return menu->bar->items[menu->hotTitle].items;
}

// The hit label's number after prefix ("item:2" -> 2), or -1.
int HitIndex(const std::string& hit, const char* prefix)
{
    std::string head(prefix);
    return hit.compare(0, head.size(), head) == 0 ? std::stoi(hit.substr(head.size())) : -1;
}

void ShowPopup(WebMenu* menu)
{
    val title = menu->barElement["children"][menu->hotTitle];
    val popup = NewElement("div", "popup", menu->owner->frame);
    popup["dataset"].set("hit", std::string("popup"));
    SetPixels(popup, "left", PixelMeasure(title, "offsetLeft"));
    SetPixels(popup, "top", PixelMeasure(menu->barElement, "offsetTop") +
                                PixelMeasure(menu->barElement, "offsetHeight"));
    const std::vector<MenuItemTemplate>& items = Items(menu);
    for (size_t i = 0; i < items.size(); i++) {
        val row = NewElement("div", static_cast<int>(i) == menu->hotItem ? "item hot" : "item", popup);
        row["dataset"].set("hit", "item:" + std::to_string(i));
        // A check mark only beside a checked item, as Win32 draws one.
        NewElement("span", "check", row)
            .set("textContent", std::string(IsChecked(menu, items[i].id) ? "\u2713" : ""));
        SetMnemonicText(NewElement("span", "label", row), items[i].text);
    }
    menu->popupElement = popup;
}

// Brings the page in line with the menu's state.
void Show(WebMenu* menu)
{
    val titles = menu->barElement["children"];
    for (size_t i = 0; i < menu->bar->items.size(); i++) {
        bool hot = menu->active && static_cast<int>(i) == menu->hotTitle;
        titles[i].set("className", std::string(hot ? "title hot" : "title"));
    }
    if (!menu->popupElement.isNull()) {
        menu->popupElement.call<void>("remove");
        menu->popupElement = val::null();
    }
    if (menu->active && menu->open)
        ShowPopup(menu);
}

void Enter(WebMenu* menu, int title, bool open, int item)
{
    menu->active = true;
    menu->hotTitle = title;
    menu->open = open;
    menu->hotItem = item;
    Show(menu);
}

void Leave(WebMenu* menu)
{
    menu->active = false;
    menu->open = false;
    menu->hotItem = -1;
    Show(menu);
}

// Win32 closes the menu first, then posts the command.
void Pick(WebMenu* menu, int item)
{
    UINT id = Items(menu)[item].id;
    Leave(menu);
    PostToQueue(menu->owner, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

template <typename Entries> int FindMnemonic(const Entries& entries, UINT vk)
{
    for (size_t i = 0; i < entries.size(); i++) {
        if (vk < 0x80 && MnemonicOf(entries[i].text) == static_cast<char>(vk))
            return static_cast<int>(i);
    }
    return -1;
}

int Wrap(int index, int count)
{
    return (index + count) % count;
}

} // namespace

WebMenu* CreateMenuBar(WebWindow* owner, const MenuTemplate& bar, val parent)
{
    auto* menu = new WebMenu();
    menu->bar = &bar;
    menu->owner = owner;
    menu->hotItem = -1;
    menu->barElement = NewElement("div", "menubar", parent);
    menu->barElement["dataset"].set("hit", std::string("menubar"));
    for (size_t i = 0; i < bar.items.size(); i++) {
        val title = NewElement("span", "title", menu->barElement);
        title["dataset"].set("hit", "title:" + std::to_string(i));
        SetMnemonicText(title, bar.items[i].text);
        for (const MenuItemTemplate& item : bar.items[i].items) {
            if (item.checked)
                menu->checked.push_back(item.id);
        }
    }
    return menu;
}

void DestroyMenuBar(WebMenu* menu)
{
    delete menu; // its elements go with the window's frame
}

bool MenuKey(WebMenu* menu, UINT vk, bool alt)
{
    int titles = static_cast<int>(menu->bar->items.size());
    if (!menu->active) {
        if (vk == VK_F10 && !alt) {
            Enter(menu, 0, false, -1);
            return true;
        }
        int title = alt ? FindMnemonic(menu->bar->items, vk) : -1;
        if (title >= 0)
            Enter(menu, title, true, 0);
        return title >= 0;
    }
    int items = static_cast<int>(Items(menu).size());
    switch (vk) {
    case VK_LEFT:
    case VK_RIGHT:
        Enter(menu, Wrap(menu->hotTitle + (vk == VK_RIGHT ? 1 : -1), titles), menu->open,
              menu->open ? 0 : -1);
        break;
    case VK_UP:
    case VK_DOWN:
        if (!menu->open)
            Enter(menu, menu->hotTitle, true, 0);
        else
            Enter(menu, menu->hotTitle, true, Wrap(menu->hotItem + (vk == VK_DOWN ? 1 : -1), items));
        break;
    case VK_RETURN:
        if (!menu->open)
            Enter(menu, menu->hotTitle, true, 0);
        else if (menu->hotItem >= 0)
            Pick(menu, menu->hotItem);
        break;
    case VK_ESCAPE:
        if (menu->open)
            Enter(menu, menu->hotTitle, false, -1);
        else
            Leave(menu);
        break;
    case VK_F10:
        Leave(menu);
        break;
    default:
        if (menu->open) {
            int item = FindMnemonic(Items(menu), vk);
            if (item >= 0)
                Pick(menu, item);
        } else {
            int title = FindMnemonic(menu->bar->items, vk);
            if (title >= 0)
                Enter(menu, title, true, 0);
        }
    }
    return true;
}

void MenuToggle(WebMenu* menu)
{
    if (menu->active)
        Leave(menu);
    else
        Enter(menu, 0, false, -1);
}

bool MenuMouse(WebMenu* menu, int eventType, const std::string& hit)
{
    int title = HitIndex(hit, "title:");
    int item = menu->open ? HitIndex(hit, "item:") : -1;
    switch (eventType) {
    case EMSCRIPTEN_EVENT_MOUSEDOWN:
        if (title >= 0 && !(menu->open && title == menu->hotTitle))
            Enter(menu, title, true, -1);
        else if (item < 0 && menu->active)
            Leave(menu);
        else
            return item >= 0;
        return true;
    case EMSCRIPTEN_EVENT_MOUSEMOVE:
        if (menu->open && title >= 0 && title != menu->hotTitle)
            Enter(menu, title, true, -1);
        else if (item >= 0 && item != menu->hotItem)
            Enter(menu, menu->hotTitle, true, item);
        return menu->open;
    case EMSCRIPTEN_EVENT_MOUSEUP:
        if (item >= 0)
            Pick(menu, item);
        return item >= 0;
    }
    return false;
}

HMENU WINAPI GetMenu(HWND handle)
{
    WebWindow* window = WindowFromHandle(handle);
    return window ? reinterpret_cast<HMENU>(window->menu) : NULL;
}

DWORD WINAPI CheckMenuItem(HMENU handle, UINT id, UINT check)
{
    auto* menu = reinterpret_cast<WebMenu*>(handle);
    bool known = false;
    for (size_t i = 0; menu && i < menu->bar->items.size(); i++) {
        for (const MenuItemTemplate& item : menu->bar->items[i].items)
            known = known || item.id == id;
    }
    if (!known)
        return static_cast<DWORD>(-1);
    DWORD previous = IsChecked(menu, id) ? MF_CHECKED : MF_UNCHECKED;
    menu->checked.erase(std::remove(menu->checked.begin(), menu->checked.end(), id),
                        menu->checked.end());
    if (check & MF_CHECKED)
        menu->checked.push_back(id);
    Show(menu);
    return previous;
}
