// The window's menu bar, built from a MENU template: popups of command
// items with & mnemonics and check marks, drawn on the page from the core's
// state (the core works the menu loop). NOTE: the mnemonics are always
// underlined; Windows shows them once Alt is pressed.
// Assistive technology sees a menubar of menuitems with popups (menus); a
// popup with a check mark among its items is a choice of one, its items
// menuitemradios, checked or not. While the menu is worked, the bar has the
// focus and names the lit title or item as its aria-activedescendant.
// Not implemented: separators, nested popups, disabled items.
#include "state.h"

#include "dom.h"

namespace {

std::string TitleId(int title)
{
    return "menu-title-" + std::to_string(title);
}

std::string ItemId(int item)
{
    return "menu-item-" + std::to_string(item);
}

void ShowPopup(CoreMenu* menu)
{
    NativeWindow* native = menu->owner->native;
    val title = native->bar["children"][menu->state.title];
    val popup = NewElement("div", "popup", native->frame, "popup");
    SetPixels(popup, "left", PixelMeasure(title, "offsetLeft"));
    SetPixels(popup, "top",
              PixelMeasure(native->bar, "offsetTop") + PixelMeasure(native->bar, "offsetHeight"));
    SetAttribute(popup, "role", "menu");
    SetAttribute(popup, "aria-labelledby", TitleId(menu->state.title));
    const std::vector<MenuItemTemplate>& items = menu->menuTemplate->items[menu->state.title].items;
    bool choice = false;
    for (const MenuItemTemplate& item : items)
        choice = choice || IsChecked(menu, item.id);
    for (size_t i = 0; i < items.size(); i++) {
        bool hot = static_cast<int>(i) == menu->state.item;
        bool checked = IsChecked(menu, items[i].id);
        val row = NewElement("div", hot ? "item hot" : "item", popup, "item:" + std::to_string(i));
        row.set("id", ItemId(static_cast<int>(i)));
        SetAttribute(row, "role", choice ? "menuitemradio" : "menuitem");
        if (choice)
            SetAttribute(row, "aria-checked", checked ? "true" : "false");
        // A check mark only beside a checked item, as Win32 draws one.
        val mark = NewElement("span", "check", row);
        mark.set("textContent", std::string(checked ? "\u2713" : ""));
        SetAttribute(mark, "aria-hidden", "true");
        SetMnemonicText(NewElement("span", "label", row), items[i].text);
    }
    native->popup = popup;
}

} // namespace

val CreateMenuBar(const MenuTemplate& menu, val parent)
{
    val bar = NewElement("div", "menubar", parent, "menubar");
    SetAttribute(bar, "role", "menubar");
    bar.set("tabIndex", -1); // focused while the menu is worked, never by Tab
    for (size_t i = 0; i < menu.items.size(); i++) {
        val title = NewElement("span", "title", bar, "title:" + std::to_string(i));
        title.set("id", TitleId(static_cast<int>(i)));
        SetAttribute(title, "role", "menuitem");
        SetAttribute(title, "aria-haspopup", "menu");
        SetAttribute(title, "aria-expanded", "false");
        SetMnemonicText(title, menu.items[i].text);
    }
    return bar;
}

// Brings the page in line with the menu's state.
void HostDrawMenu(CoreMenu* menu)
{
    NativeWindow* native = menu->owner->native;
    const MenuState& state = menu->state;
    val titles = native->bar["children"];
    for (size_t i = 0; i < menu->menuTemplate->items.size(); i++) {
        bool hot = state.mode != MENU_CLOSED && static_cast<int>(i) == state.title;
        titles[i].set("className", std::string(hot ? "title hot" : "title"));
        SetAttribute(titles[i], "aria-expanded",
                     hot && state.mode == MENU_POPUP ? "true" : "false");
    }
    if (!native->popup.isNull()) {
        native->popup.call<void>("remove");
        native->popup = val::null();
    }
    if (state.mode == MENU_POPUP)
        ShowPopup(menu);
    val bar = native->bar;
    if (state.mode == MENU_CLOSED) {
        bar.call<void>("removeAttribute", std::string("aria-activedescendant"));
        if (Document()["activeElement"].strictlyEquals(bar))
            bar.call<void>("blur");
    } else {
        bool onItem = state.mode == MENU_POPUP && state.item >= 0;
        SetAttribute(bar, "aria-activedescendant",
                     onItem ? ItemId(state.item) : TitleId(state.title));
        bar.call<void>("focus");
    }
    NoteMenuDrawn(menu);
}
