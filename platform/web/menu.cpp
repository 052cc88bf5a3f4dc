// The window's menu bar, built from a MENU template: popups of command
// items with & mnemonics and check marks, drawn on the page. The keyboard
// works it through the hosts' shared menu model (Win32's menu loop: Alt+letter,
// F10 or Alt alone, arrows, Enter, Escape); the mouse opens a popup from its
// title, follows the pointer and picks on release. NOTE: the mnemonics are
// always underlined; Windows shows them once Alt is pressed.
// Not implemented: separators, nested popups, disabled items.
#include "state.h"

#include <emscripten/html5.h>

#include <algorithm>

#include "dom.h"

namespace {

const std::vector<MenuItemTemplate>& Items(const WebMenu* menu)
{
    return menu->menuTemplate->items[menu->state.title].items;
}

// The hit label's number after prefix ("item:2" -> 2), or -1.
int HitIndex(const std::string& hit, const char* prefix)
{
    std::string head(prefix);
    return hit.compare(0, head.size(), head) == 0 ? std::stoi(hit.substr(head.size())) : -1;
}

void ShowPopup(WebMenu* menu)
{
    val title = menu->barElement["children"][menu->state.title];
    val popup = NewElement("div", "popup", static_cast<WebWindow*>(menu->owner)->frame);
    popup["dataset"].set("hit", std::string("popup"));
    SetPixels(popup, "left", PixelMeasure(title, "offsetLeft"));
    SetPixels(popup, "top",
              PixelMeasure(menu->barElement, "offsetTop") +
                  PixelMeasure(menu->barElement, "offsetHeight"));
    const std::vector<MenuItemTemplate>& items = Items(menu);
    for (size_t i = 0; i < items.size(); i++) {
        bool hot = static_cast<int>(i) == menu->state.item;
        val row = NewElement("div", hot ? "item hot" : "item", popup);
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
    for (size_t i = 0; i < menu->menuTemplate->items.size(); i++) {
        bool hot = menu->state.mode != MENU_CLOSED && static_cast<int>(i) == menu->state.title;
        titles[i].set("className", std::string(hot ? "title hot" : "title"));
    }
    if (!menu->popupElement.isNull()) {
        menu->popupElement.call<void>("remove");
        menu->popupElement = val::null();
    }
    if (menu->state.mode == MENU_POPUP)
        ShowPopup(menu);
}

// Win32 closes the menu first, then posts the command.
void Pick(WebMenu* menu, UINT command)
{
    menu->state = MenuState{MENU_CLOSED, 0, -1};
    Show(menu);
    if (command)
        PostToQueue(menu->owner, WM_COMMAND, MAKEWPARAM(command, 0), 0);
}

} // namespace

WebMenu* CreateMenuBar(WebWindow* owner, const MenuTemplate& bar, val parent)
{
    auto* menu = new WebMenu();
    menu->menuTemplate = &bar;
    menu->owner = owner;
    menu->state = MenuState{MENU_CLOSED, 0, -1};
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

void DestroyMenuBar(HostMenu* menu)
{
    delete static_cast<WebMenu*>(menu); // its elements go with the window's frame
}

bool MenuKey(HostMenu* hostMenu, UINT vk, bool alt)
{
    auto* menu = static_cast<WebMenu*>(hostMenu);
    if (!MenuTakesKey(menu->state, vk, alt))
        return false;
    UINT command = MenuKeyDown(&menu->state, *menu->menuTemplate, vk, alt);
    if (command)
        Pick(menu, command);
    else
        Show(menu);
    return true;
}

bool MenuMouse(HostMenu* hostMenu, int eventType, const std::string& hit)
{
    auto* menu = static_cast<WebMenu*>(hostMenu);
    MenuState& state = menu->state;
    bool open = state.mode == MENU_POPUP;
    int title = HitIndex(hit, "title:");
    int item = open ? HitIndex(hit, "item:") : -1;
    switch (eventType) {
    case EMSCRIPTEN_EVENT_MOUSEDOWN:
        if (item >= 0)
            return true;
        if (title >= 0 && !(open && title == state.title))
            MenuOpen(&state, title, -1);
        else if (state.mode != MENU_CLOSED)
            state = MenuState{MENU_CLOSED, 0, -1};
        else
            return false;
        Show(menu);
        return true;
    case EMSCRIPTEN_EVENT_MOUSEMOVE:
        if (open && ((title >= 0 && title != state.title) || (item >= 0 && item != state.item))) {
            MenuOpen(&state, title >= 0 ? title : state.title, item);
            Show(menu);
        }
        return open;
    case EMSCRIPTEN_EVENT_MOUSEUP:
        if (item >= 0)
            Pick(menu, Items(menu)[item].id);
        return item >= 0;
    }
    return false;
}

void HostMenuChanged(HostMenu* menu)
{
    Show(static_cast<WebMenu*>(menu));
}
