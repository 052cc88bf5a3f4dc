// The window's menu bar, built from a MENU template: popups of command
// items with & mnemonics and check marks, drawn on the page from the core's
// state (the core works the menu loop). NOTE: the mnemonics are always
// underlined; Windows shows them once Alt is pressed.
// Not implemented: separators, nested popups, disabled items.
#include "state.h"

#include "dom.h"

namespace {

void ShowPopup(CoreMenu* menu)
{
    NativeWindow* native = menu->owner->native;
    val title = native->bar["children"][menu->state.title];
    val popup = NewElement("div", "popup", native->frame, "popup");
    SetPixels(popup, "left", PixelMeasure(title, "offsetLeft"));
    SetPixels(popup, "top",
              PixelMeasure(native->bar, "offsetTop") + PixelMeasure(native->bar, "offsetHeight"));
    const std::vector<MenuItemTemplate>& items = menu->menuTemplate->items[menu->state.title].items;
    for (size_t i = 0; i < items.size(); i++) {
        bool hot = static_cast<int>(i) == menu->state.item;
        val row = NewElement("div", hot ? "item hot" : "item", popup, "item:" + std::to_string(i));
        // A check mark only beside a checked item, as Win32 draws one.
        NewElement("span", "check", row)
            .set("textContent", std::string(IsChecked(menu, items[i].id) ? "\u2713" : ""));
        SetMnemonicText(NewElement("span", "label", row), items[i].text);
    }
    native->popup = popup;
}

} // namespace

val CreateMenuBar(const MenuTemplate& menu, val parent)
{
    val bar = NewElement("div", "menubar", parent, "menubar");
    for (size_t i = 0; i < menu.items.size(); i++) {
        val title = NewElement("span", "title", bar, "title:" + std::to_string(i));
        SetMnemonicText(title, menu.items[i].text);
    }
    return bar;
}

// Brings the page in line with the menu's state.
void HostDrawMenu(CoreMenu* menu)
{
    NativeWindow* native = menu->owner->native;
    val titles = native->bar["children"];
    for (size_t i = 0; i < menu->menuTemplate->items.size(); i++) {
        bool hot = menu->state.mode != MENU_CLOSED && static_cast<int>(i) == menu->state.title;
        titles[i].set("className", std::string(hot ? "title hot" : "title"));
    }
    if (!native->popup.isNull()) {
        native->popup.call<void>("remove");
        native->popup = val::null();
    }
    if (menu->state.mode == MENU_POPUP)
        ShowPopup(menu);
}
