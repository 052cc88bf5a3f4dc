// The window's menu bar, built from a MENU template and drawn here rather
// than by FLTK's menus, so that it looks and navigates as Win32's does:
// popups of command items with & mnemonics, one plain tick beside a checked
// item, F10 or Alt alone highlighting the first title, and every popup
// opened from the keyboard starting on its first item (menu_model.h).
// While a popup is open it holds the grab; our message loop keeps running,
// so the client area still repaints. Not implemented: separators, nested
// popups, disabled items, accelerators.
#include "state.h"

#include <FL/Fl.H>
#include <FL/Fl_Single_Window.H>
#include <FL/fl_draw.H>

#include <algorithm>

namespace {

const int kTitlePadding = 8; // pixels either side of a title, at 96 dpi
const int kTickMargin = 20;  // room for the tick left of an item's label

void SetMenuFont()
{
    fl_font(FL_HELVETICA, ScaledPixels(FL_NORMAL_SIZE));
}

// Labels underline the letter after '&', as Win32 menus do.
int TextWidth(const std::string& text)
{
    int w = 0, h = 0;
    fl_draw_shortcut = 1;
    fl_measure(text.c_str(), w, h, 0);
    fl_draw_shortcut = 0;
    return w;
}

void DrawLabel(const std::string& text, int x, int y, int w, int h, Fl_Align align)
{
    fl_draw_shortcut = 1;
    fl_draw(text.c_str(), x, y, w, h, align, nullptr, 0);
    fl_draw_shortcut = 0;
}

// The x of title index within the bar, and its width.
void TitleSpan(const PlatformMenu* menu, int index, int* x, int* width)
{
    SetMenuFont();
    *x = 0;
    for (int i = 0;; i++) {
        *width = TextWidth(menu->menuTemplate->items[i].text) + 2 * ScaledPixels(kTitlePadding);
        if (i == index)
            return;
        *x += *width;
    }
}

int TitleAt(const PlatformMenu* menu, int x)
{
    for (size_t i = 0; i < menu->menuTemplate->items.size(); i++) {
        int left, width;
        TitleSpan(menu, static_cast<int>(i), &left, &width);
        if (x >= left && x < left + width)
            return static_cast<int>(i);
    }
    return -1;
}

int ItemHeight()
{
    SetMenuFont();
    return fl_height() + ScaledPixels(6);
}

void Sync(PlatformMenu* menu);

void Pick(PlatformMenu* menu, UINT id)
{
    menu->state = MenuState{MENU_CLOSED, 0, -1};
    Sync(menu);
    if (id)
        PostToQueue(menu->owner, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

// A mouse event at root coordinates: over the bar it switches popups, over the popup it highlights.
void Track(PlatformMenu* menu, int event, int rootX, int rootY)
{
    Fl_Widget* bar = menu->bar;
    Fl_Window* frame = bar->window();
    int barX = rootX - frame->x_root() - bar->x(), barY = rootY - frame->y_root() - bar->y();
    if (barY >= 0 && barY < bar->h()) {
        int title = TitleAt(menu, barX);
        if (event == FL_PUSH && title == menu->state.title && menu->state.mode == MENU_POPUP)
            Pick(menu, 0);
        else if (title >= 0 && (event == FL_PUSH || title != menu->state.title)) {
            MenuOpen(&menu->state, title, -1);
            Sync(menu);
        }
        return;
    }
    Fl_Window* popup = menu->popup;
    int item = -1;
    if (popup && rootX >= popup->x() && rootX < popup->x() + popup->w() && rootY >= popup->y())
        item = (rootY - popup->y() - ScaledPixels(2)) / ItemHeight();
    int count = static_cast<int>(menu->menuTemplate->items[menu->state.title].items.size());
    if (item >= count)
        item = -1;
    if ((event == FL_RELEASE || event == FL_PUSH) && item >= 0) {
        // A release picks only after the button travelled from the title to the item.
        if (event == FL_PUSH || Fl::event_is_click() == 0)
            Pick(menu, menu->menuTemplate->items[menu->state.title].items[item].id);
        return;
    }
    if (event == FL_PUSH) {
        Pick(menu, 0); // a click outside the menus ends them
        return;
    }
    if (item != menu->state.item && (item >= 0 || event == FL_MOVE || event == FL_DRAG)) {
        menu->state.item = item;
        popup->redraw();
    }
}

class MenuBar : public Fl_Widget {
  public:
    MenuBar(PlatformMenu* menu, int x, int y, int width, int height)
        : Fl_Widget(x, y, width, height), menu_(menu)
    {
    }

    void draw() override
    {
        fl_rectf(x(), y(), w(), h(), FL_BACKGROUND_COLOR);
        for (size_t i = 0; i < menu_->menuTemplate->items.size(); i++) {
            int left, width;
            TitleSpan(menu_, static_cast<int>(i), &left, &width);
            bool lit =
                menu_->state.mode != MENU_CLOSED && menu_->state.title == static_cast<int>(i);
            if (lit)
                fl_rectf(x() + left, y() + ScaledPixels(2), width, h() - ScaledPixels(4),
                         FL_SELECTION_COLOR);
            fl_color(lit ? FL_WHITE : FL_BLACK);
            DrawLabel(menu_->menuTemplate->items[i].text, x() + left, y(), width, h(),
                      FL_ALIGN_CENTER);
        }
    }

    int handle(int event) override
    {
        if (event != FL_PUSH)
            return Fl_Widget::handle(event);
        Track(menu_, FL_PUSH, Fl::event_x_root(), Fl::event_y_root());
        return 1;
    }

  private:
    PlatformMenu* menu_;
};

class MenuPopup : public Fl_Single_Window {
  public:
    explicit MenuPopup(PlatformMenu* menu) : Fl_Single_Window(1, 1), menu_(menu)
    {
        set_override();
        set_menu_window();
        end();
    }

    void draw() override
    {
        const MenuItemTemplate& popup = menu_->menuTemplate->items[menu_->state.title];
        int row = ItemHeight(), inset = ScaledPixels(2);
        fl_draw_box(FL_UP_BOX, 0, 0, w(), h(), FL_BACKGROUND_COLOR);
        for (size_t i = 0; i < popup.items.size(); i++) {
            int top = inset + static_cast<int>(i) * row;
            bool lit = menu_->state.item == static_cast<int>(i);
            if (lit)
                fl_rectf(inset, top, w() - 2 * inset, row, FL_SELECTION_COLOR);
            fl_color(lit ? FL_WHITE : FL_BLACK);
            if (IsChecked(menu_, popup.items[i].id))
                DrawTick(inset + ScaledPixels(5), top + row / 2);
            DrawLabel(popup.items[i].text, inset + ScaledPixels(kTickMargin), top, w(), row,
                      FL_ALIGN_LEFT);
        }
    }

    int handle(int event) override
    {
        switch (event) {
        case FL_KEYBOARD:
            return MenuHandlesKey(menu_, VirtualKeyOfEvent(), Fl::event_state()) ? 1 : 0;
        case FL_PUSH:
        case FL_RELEASE:
        case FL_MOVE:
        case FL_DRAG:
            Track(menu_, event, Fl::event_x_root(), Fl::event_y_root());
            return 1;
        }
        return Fl_Single_Window::handle(event);
    }

  private:
    // Two strokes, as Win32 draws a menu check mark.
    static void DrawTick(int x, int y)
    {
        int s = ScaledPixels(3);
        fl_line_style(FL_SOLID, std::max(2, ScaledPixels(2)));
        fl_line(x, y, x + s, y + s, x + 3 * s, y - 2 * s);
        fl_line_style(0);
    }

    PlatformMenu* menu_;
};

// Shows what the state says: the lit title, the open popup and its highlight.
void Sync(PlatformMenu* menu)
{
    menu->bar->redraw();
    if (menu->state.mode != MENU_POPUP) {
        if (menu->popup && menu->popup->shown()) {
            Fl::grab(nullptr);
            menu->popup->hide();
        }
        return;
    }
    const MenuItemTemplate& popup = menu->menuTemplate->items[menu->state.title];
    int width = 0;
    SetMenuFont();
    for (const MenuItemTemplate& item : popup.items)
        width = std::max(width, TextWidth(item.text));
    int left, titleWidth;
    TitleSpan(menu, menu->state.title, &left, &titleWidth);
    Fl_Window* frame = menu->bar->window();
    if (!menu->popup)
        menu->popup = new MenuPopup(menu);
    menu->popup->resize(frame->x_root() + menu->bar->x() + left,
                        frame->y_root() + menu->bar->y() + menu->bar->h(),
                        width + ScaledPixels(kTickMargin + 24),
                        static_cast<int>(popup.items.size()) * ItemHeight() + ScaledPixels(4));
    menu->popup->redraw();
    if (!menu->popup->shown())
        menu->popup->show();
    Fl::grab(menu->popup);
}

} // namespace

int MenuBarHeight()
{
    SetMenuFont();
    return fl_height() + ScaledPixels(8);
}

PlatformMenu* CreateMenuBar(PlatformWindow* owner, const MenuTemplate& menuTemplate, int width,
                            int height)
{
    auto* menu = new PlatformMenu();
    menu->owner = owner;
    menu->menuTemplate = &menuTemplate; // parsed once, kept for the whole run
    menu->state = MenuState{MENU_CLOSED, 0, -1};
    for (const MenuItemTemplate& popup : menuTemplate.items) {
        for (const MenuItemTemplate& item : popup.items) {
            if (item.checked)
                menu->checked.push_back(item.id);
        }
    }
    menu->bar = new MenuBar(menu, 0, 0, width, height);
    return menu;
}

// NOTE: Alt combinations, F10 and Alt alone are Win32's WM_SYSKEYDOWN: they
// belong to the menu bar and never reach the window as WM_KEYDOWN.
bool MenuHandlesKey(HostMenu* hostMenu, UINT vk, int flState)
{
    auto* menu = static_cast<PlatformMenu*>(hostMenu);
    bool alt = (flState & FL_ALT) != 0;
    if (vk == VK_MENU) {
        menu->altAlone = true;
        return true;
    }
    menu->altAlone = false;
    if (!MenuTakesKey(menu->state, vk, alt))
        return (flState & FL_META) != 0;
    UINT command = MenuKeyDown(&menu->state, *menu->menuTemplate, vk, alt);
    if (command || menu->state.mode == MENU_CLOSED)
        Pick(menu, command);
    else
        Sync(menu);
    return true;
}

void MenuKeyUp(HostMenu* hostMenu, UINT vk)
{
    auto* menu = static_cast<PlatformMenu*>(hostMenu);
    if (vk == VK_MENU && menu->altAlone) {
        menu->altAlone = false;
        MenuKeyDown(&menu->state, *menu->menuTemplate, VK_MENU, false);
        Sync(menu);
    }
}

void CloseMenus(HostMenu* menu)
{
    if (menu->state.mode != MENU_CLOSED)
        Pick(static_cast<PlatformMenu*>(menu), 0);
}

void DestroyMenuBar(HostMenu* hostMenu)
{
    auto* menu = static_cast<PlatformMenu*>(hostMenu);
    CloseMenus(menu);
    if (menu->popup)
        Fl::delete_widget(menu->popup);
    delete menu; // the bar is deleted later, with its window
}

void HostMenuChanged(HostMenu* menu)
{
    if (Fl_Window* popup = static_cast<PlatformMenu*>(menu)->popup)
        popup->redraw();
}
