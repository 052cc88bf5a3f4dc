// Modal dialogs over FLTK: the frame, the controls the core places from the
// template, their texts and focus. The dialog's font is the template's at the
// desktop's scale. The core decides what keys and clicks do; Tab moves the
// focus between the buttons as FLTK does. Not implemented: modeless
// dialogs, edit, list and check-box controls.
#include "state.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>

namespace {

// Truncated: at 96 dpi FLTK's 10 px sans then has Win32's base units for
// 8 point MS Sans Serif (6 x 13), so layouts keep their size.
int FontPixels(const DialogTemplate& dialog)
{
    int points = dialog.fontPoints ? dialog.fontPoints : 8;
    return static_cast<int>(points * 96 * g_platform.scale / 72);
}

// FLTK reads '@' in a label as a symbol; a control's text is shown as it is.
std::string LiteralLabel(const char* text)
{
    std::string label;
    for (const char* p = text; *p; p++) {
        label += *p;
        if (*p == '@')
            label += '@';
    }
    return label;
}

// A frame whose caption interrupts its top edge, as Win32 draws a group box.
class GroupBox : public Fl_Box {
  public:
    GroupBox(int x, int y, int width, int height) : Fl_Box(x, y, width, height) {}

    void draw() override
    {
        fl_font(labelfont(), labelsize());
        int half = fl_height() / 2;
        draw_box(FL_ENGRAVED_FRAME, x(), y() + half, w(), h() - half, color());
        if (!label() || !*label())
            return;
        int textWidth = 0;
        int textHeight = 0;
        fl_measure(label(), textWidth, textHeight);
        int gap = ScaledPixels(2);
        fl_color(color());
        fl_rectf(x() + ScaledPixels(8) - gap, y(), textWidth + 2 * gap, fl_height());
        fl_color(labelcolor());
        fl_draw(label(), x() + ScaledPixels(8), y(), textWidth, fl_height(), FL_ALIGN_LEFT);
    }
};

// A push button as Win32 draws one: the label centred, and the default
// button ringed by a dark frame. Its keys are the core's.
class PushButton : public Fl_Button {
  public:
    PushButton(int x, int y, int width, int height, bool isDefault)
        : Fl_Button(x, y, width, height), ring_(isDefault ? ScaledPixels(1) : 0)
    {
    }

    void draw() override
    {
        fl_color(FL_BLACK);
        for (int i = 0; i < ring_; i++)
            fl_rect(x() + i, y() + i, w() - 2 * i, h() - 2 * i);
        int bx = x() + ring_, by = y() + ring_, bw = w() - 2 * ring_, bh = h() - 2 * ring_;
        Fl_Boxtype face = value() ? fl_down(box()) : box();
        draw_box(face, bx, by, bw, bh, color());
        draw_label(bx, by, bw, bh);
        if (Fl::focus() == this)
            draw_focus(face, bx, by, bw, bh);
    }

    int handle(int event) override
    {
        return event == FL_KEYBOARD || event == FL_SHORTCUT ? 0 : Fl_Button::handle(event);
    }

  private:
    int ring_; // pixels of the default button's frame
};

// The dialog's keys go to the core; FLTK's Escape and focus moves are not used otherwise.
class DialogFrame : public Fl_Window {
  public:
    DialogFrame(int width, int height) : Fl_Window(width, height) {}

    int handle(int event) override
    {
        if ((event == FL_KEYBOARD || event == FL_KEYUP) && KeyToCore(event))
            return 1;
        return Fl_Window::handle(event);
    }
};

void OnButton(Fl_Widget* button, void* data)
{
    auto* dialog = static_cast<CoreWindow*>(button->window()->user_data());
    CoreButton(dialog, static_cast<int>(reinterpret_cast<intptr_t>(data)));
}

} // namespace

void HostMeasureText(const DialogTemplate& dialog, const char* text, int* width, int* height)
{
    fl_font(FL_HELVETICA, FontPixels(dialog));
    *width = static_cast<int>(fl_width(text));
    *height = fl_height();
}

void HostMakeControl(CoreWindow* dialog, const ControlTemplate& control, int x, int y, int width,
                     int height)
{
    Fl_Widget* widget;
    if (control.kind == "DEFPUSHBUTTON" || control.kind == "PUSHBUTTON") {
        widget = new PushButton(x, y, width, height, control.kind == "DEFPUSHBUTTON");
        widget->callback(OnButton, reinterpret_cast<void*>(static_cast<intptr_t>(control.id)));
    } else if (control.kind == "GROUPBOX") {
        widget = new GroupBox(x, y, width, height);
    } else {
        // Opaque, so new text replaces the old without leaving traces.
        // NOTE: FLTK insets left- and right-aligned labels by 3 px; Win32 draws from the edge.
        widget = new Fl_Box(FL_FLAT_BOX, x - 3, y, width + 6, height, nullptr);
        Fl_Align side = control.kind == "CTEXT"   ? FL_ALIGN_CENTER
                        : control.kind == "RTEXT" ? FL_ALIGN_RIGHT
                                                  : FL_ALIGN_LEFT;
        widget->align(side | FL_ALIGN_TOP | FL_ALIGN_INSIDE | FL_ALIGN_WRAP | FL_ALIGN_CLIP);
    }
    widget->labelfont(FL_HELVETICA);
    widget->labelsize(FontPixels(*dialog->dialogTemplate));
    widget->copy_label(LiteralLabel(control.text.c_str()).c_str());
    dialog->native->frame->add(widget);
    dialog->native->controls.push_back(widget);
}

// The style's position is the dialog's outer corner, its size the client area's.
bool MakeDialogFrame(CoreWindow* dialog, const FrameStyle& style)
{
    int width, height;
    Window xid = CreateTopLevel(style, true, &width, &height);
    if (!xid)
        return false;
    auto* native = new NativeWindow();
    dialog->native = native;
    auto* frame = new DialogFrame(width, height);
    native->frame = frame;
    frame->end();
    frame->position(style.x, style.y);
    frame->copy_label(style.title);
    frame->user_data(dialog);
    frame->callback(OnCloseBox, dialog);
    frame->set_modal();
    AdoptTopLevel(frame, xid);
    dialog->clientWidth = width;
    dialog->clientHeight = height;
    return true;
}

void HostSetControlText(CoreWindow* dialog, int index, const char* text)
{
    Fl_Widget* widget = dialog->native->controls[index];
    widget->copy_label(LiteralLabel(text).c_str());
    widget->redraw();
}

void HostFocusControl(CoreWindow* dialog, int index)
{
    dialog->native->controls[index]->take_focus();
}

int HostFocusedControl(CoreWindow* dialog)
{
    const std::vector<Fl_Widget*>& controls = dialog->native->controls;
    for (size_t i = 0; i < controls.size(); i++) {
        if (Fl::focus() == controls[i])
            return static_cast<int>(i);
    }
    return -1;
}
