// The window's menu bar, drawn here rather than by FLTK's menus, so that it
// looks as Win32's does: popups of command items with & mnemonics, one plain
// tick beside a checked item. The core's state says what is lit and open;
// this draws it and tells the core where the mouse is. While a popup is open
// it holds the grab; our message loop keeps running, so the client area
// still repaints. Not implemented: separators, nested popups, disabled items,
// accelerators.
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
void TitleSpan(const MenuTemplate& menu, int index, int* x, int* width)
{
    SetMenuFont();
    *x = 0;
    for (int i = 0;; i++) {
        *width = TextWidth(menu.items[i].text) + 2 * ScaledPixels(kTitlePadding);
        if (i == index)
            return;
        *x += *width;
    }
}

int TitleAt(const MenuTemplate& menu, int x)
{
    for (size_t i = 0; i < menu.items.size(); i++) {
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

class MenuBar : public Fl_Widget {
  public:
    MenuBar(CoreMenu* menu, int x, int y, int width, int height)
        : Fl_Widget(x, y, width, height), menu_(menu)
    {
    }

    void draw() override
    {
        fl_rectf(x(), y(), w(), h(), FL_BACKGROUND_COLOR);
        const MenuTemplate& menu = *menu_->menuTemplate;
        for (size_t i = 0; i < menu.items.size(); i++) {
            int left, width;
            TitleSpan(menu, static_cast<int>(i), &left, &width);
            bool lit =
                menu_->state.mode != MENU_CLOSED && menu_->state.title == static_cast<int>(i);
            if (lit)
                fl_rectf(x() + left, y() + ScaledPixels(2), width, h() - ScaledPixels(4),
                         FL_SELECTION_COLOR);
            fl_color(lit ? FL_WHITE : FL_BLACK);
            DrawLabel(menu.items[i].text, x() + left, y(), width, h(), FL_ALIGN_CENTER);
        }
    }

  private:
    CoreMenu* menu_;
};

class MenuPopup : public Fl_Single_Window {
  public:
    explicit MenuPopup(CoreMenu* menu) : Fl_Single_Window(1, 1), menu_(menu)
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
        case FL_KEYUP:
            return KeyToCore(event) ? 1 : 0;
        case FL_PUSH:
        case FL_MOVE:
        case FL_DRAG:
        case FL_RELEASE:
            TrackMenuMouse(menu_->owner,
                           event == FL_PUSH      ? MOUSE_DOWN
                           : event == FL_RELEASE ? MOUSE_UP
                                                 : MOUSE_MOVE,
                           Fl::event_x_root(), Fl::event_y_root());
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

    CoreMenu* menu_;
};

} // namespace

int MenuBarHeight()
{
    SetMenuFont();
    return fl_height() + ScaledPixels(8);
}

Fl_Widget* CreateMenuBar(CoreMenu* menu, int width, int height)
{
    return new MenuBar(menu, 0, 0, width, height);
}

// What lies under the mouse at root coordinates: a title of the bar, an item of the open popup.
bool TrackMenuMouse(CoreWindow* window, MenuMouseEvent event, int rootX, int rootY)
{
    NativeWindow* native = window->native;
    if (!window->menu)
        return false;
    Fl_Widget* bar = native->bar;
    Fl_Window* frame = native->frame;
    int barX = rootX - frame->x_root() - bar->x(), barY = rootY - frame->y_root() - bar->y();
    int title = barY >= 0 && barY < bar->h() ? TitleAt(*window->menu->menuTemplate, barX) : -1;
    Fl_Window* popup = native->popup;
    int item = -1;
    if (popup && popup->shown() && rootX >= popup->x() && rootX < popup->x() + popup->w() &&
        rootY >= popup->y())
        item = (rootY - popup->y() - ScaledPixels(2)) / ItemHeight();
    return CoreMenuMouse(window, event, title, item);
}

// Shows what the state says: the lit title, the open popup and its highlight.
void HostDrawMenu(CoreMenu* menu)
{
    NativeWindow* native = menu->owner->native;
    native->bar->redraw();
    if (menu->state.mode != MENU_POPUP) {
        if (native->popup && native->popup->shown()) {
            Fl::grab(nullptr);
            native->popup->hide();
        }
        return;
    }
    const MenuItemTemplate& popup = menu->menuTemplate->items[menu->state.title];
    int width = 0;
    SetMenuFont();
    for (const MenuItemTemplate& item : popup.items)
        width = std::max(width, TextWidth(item.text));
    int left, titleWidth;
    TitleSpan(*menu->menuTemplate, menu->state.title, &left, &titleWidth);
    Fl_Widget* bar = native->bar;
    Fl_Window* frame = native->frame;
    if (!native->popup)
        native->popup = new MenuPopup(menu);
    native->popup->resize(frame->x_root() + bar->x() + left, frame->y_root() + bar->y() + bar->h(),
                          width + ScaledPixels(kTickMargin + 24),
                          static_cast<int>(popup.items.size()) * ItemHeight() + ScaledPixels(4));
    native->popup->redraw();
    if (!native->popup->shown())
        native->popup->show();
    Fl::grab(native->popup);
}
