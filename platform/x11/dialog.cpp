// Modal dialogs built from DIALOG templates, run on the calling thread.
// Controls are placed from dialog units with base units measured from the
// template's font at the desktop's scale. Enter presses the default button,
// Escape sends IDCANCEL, the close box WM_CLOSE. Not implemented: modeless
// dialogs, edit, list and check-box controls, keyboard navigation between
// controls.
#include "state.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>
#include <FL/x.H>

#include <algorithm>

namespace {

struct BaseUnits {
    int x; // pixels per 4 horizontal dialog units
    int y; // pixels per 8 vertical dialog units
    int fontPixels;
};

// Win32's rule: the average width of the alphabet, rounded, and the font's height.
BaseUnits MeasureBaseUnits(const DialogTemplate& dialog)
{
    int points = dialog.fontPoints ? dialog.fontPoints : 8;
    BaseUnits units;
    // Truncated: at 96 dpi FLTK's 10 px sans then has Win32's base units for
    // 8 point MS Sans Serif (6 x 13), so layouts keep their size.
    units.fontPixels = static_cast<int>(points * 96 * g_platform.scale / 72);
    fl_font(FL_HELVETICA, units.fontPixels);
    double alphabet = fl_width("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    units.x = (static_cast<int>(alphabet) / 26 + 1) / 2;
    units.y = fl_height();
    return units;
}

// Rounded, as Win32's MapDialogRect does.
int ToPixelsX(const BaseUnits& units, int dialogUnits)
{
    return (dialogUnits * units.x + 2) / 4;
}

int ToPixelsY(const BaseUnits& units, int dialogUnits)
{
    return (dialogUnits * units.y + 4) / 8;
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
// button ringed by a dark frame; Enter presses the default button.
class PushButton : public Fl_Button {
  public:
    PushButton(int x, int y, int width, int height, bool isDefault)
        : Fl_Button(x, y, width, height), ring_(isDefault ? ScaledPixels(1) : 0)
    {
    }

    int handle(int event) override
    {
        if (ring_ && event == FL_SHORTCUT &&
            (Fl::event_key() == FL_Enter || Fl::event_key() == FL_KP_Enter)) {
            simulate_key_action();
            do_callback();
            return 1;
        }
        return Fl_Button::handle(event);
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

  private:
    int ring_; // pixels of the default button's frame
};

PlatformWindow* OwnerOf(Fl_Widget* widget)
{
    return static_cast<PlatformWindow*>(widget->window()->user_data());
}

void OnButton(Fl_Widget* button, void* data)
{
    int id = static_cast<int>(reinterpret_cast<intptr_t>(data));
    PostToQueue(OwnerOf(button), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

// FLTK calls this for the close box and for Escape.
void OnDialogCallback(Fl_Widget*, void* data)
{
    auto* dialog = static_cast<PlatformWindow*>(data);
    if (Fl::event() == FL_CLOSE)
        PostToQueue(dialog, WM_CLOSE, 0, 0);
    else
        PostToQueue(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

Fl_Widget* CreateControl(const ControlTemplate& control, const BaseUnits& units)
{
    int x = ToPixelsX(units, control.x);
    int y = ToPixelsY(units, control.y);
    int width = ToPixelsX(units, control.width);
    int height = ToPixelsY(units, control.height);
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
    widget->labelsize(units.fontPixels);
    widget->copy_label(LiteralLabel(control.text.c_str()).c_str());
    return widget;
}

// The template's position is the dialog's outer corner, counted from the
// owner's client area; its size is the client area's.
TopLevel DialogWindow(const DialogTemplate& dialog, const BaseUnits& units, PlatformWindow* owner)
{
    TopLevel style = {};
    style.dialog = true;
    style.title = dialog.caption.c_str();
    style.x = ToPixelsX(units, dialog.x);
    style.y = ToPixelsY(units, dialog.y);
    style.width = ToPixelsX(units, dialog.width);
    style.height = ToPixelsY(units, dialog.height);
    if (owner && owner->frame) {
        Display* display = g_platform.display;
        Window child;
        style.owner = fl_xid(owner->frame);
        XTranslateCoordinates(display, style.owner, DefaultRootWindow(display), style.x,
                              style.y + owner->menuHeight, &style.x, &style.y, &child);
    }
    return style;
}

PlatformControl* FindControl(PlatformWindow* dialog, int id)
{
    for (PlatformControl& control : dialog->controls) {
        if (control.id == id)
            return &control;
    }
    return nullptr;
}

} // namespace

INT_PTR WINAPI DialogBoxParam(HINSTANCE, LPCSTR templateName, HWND parent, DLGPROC dialogProc,
                              LPARAM initParam)
{
    if (!OpenDisplay())
        return -1;
    const DialogTemplate* dialogTemplate =
        IS_INTRESOURCE(templateName) ? FindDialogTemplate(Resources(), LOWORD(templateName))
                                     : nullptr;
    if (!dialogTemplate) {
        ReportError("USER32", "no dialog resource %s in robot_oxel.rc",
                    IS_INTRESOURCE(templateName) ? std::to_string(LOWORD(templateName)).c_str()
                                                 : templateName);
        return -1;
    }
    if (!dialogProc) {
        ReportError("USER32", "DialogBoxParam was given no dialog procedure");
        return -1;
    }
    BaseUnits units = MeasureBaseUnits(*dialogTemplate);
    TopLevel style = DialogWindow(*dialogTemplate, units, WindowFromHandle(parent));
    int width, height;
    Window xid = CreateTopLevel(style, &width, &height);
    if (!xid)
        return -1;

    auto* dialog = new PlatformWindow();
    dialog->kind = KIND_DIALOG;
    dialog->dialogProc = dialogProc;
    dialog->dc.window = dialog;
    auto* frame = new Fl_Window(width, height);
    dialog->frame = frame;
    frame->position(style.x, style.y);
    frame->copy_label(dialogTemplate->caption.c_str());
    frame->user_data(dialog);
    frame->callback(OnDialogCallback, dialog);
    Fl_Button* defaultButton = nullptr;
    for (const ControlTemplate& control : dialogTemplate->controls) {
        Fl_Widget* widget = CreateControl(control, units);
        dialog->controls.push_back({control.id, widget});
        if (control.kind == "DEFPUSHBUTTON")
            defaultButton = static_cast<Fl_Button*>(widget);
    }
    frame->end();
    frame->set_modal();
    AdoptTopLevel(frame, xid);
    g_host.windows.push_back(dialog);

    // NOTE: as on Win32, WM_INITDIALOG comes before the dialog is shown.
    bool focusDefault = dialogProc(HandleOf(dialog), WM_INITDIALOG, 0, initParam);
    if (!dialog->ended) {
        ShowTopLevel(frame);
        if (focusDefault && defaultButton)
            defaultButton->take_focus();
    }
    INT_PTR result = RunDialog(dialog);
    frame->hide();
    // NOTE: Win32 activates the owner when a modal dialog ends: its keys go there at once,
    // wherever the pointer is.
    PlatformWindow* owner = WindowFromHandle(parent);
    if (owner && owner->frame && owner->frame->shown()) {
        owner->frame->take_focus();
        XSetInputFocus(g_platform.display, fl_xid(owner->frame), RevertToParent, CurrentTime);
    }
    ForgetWindow(dialog);
    Fl::delete_widget(frame);
    delete dialog;
    return result;
}

BOOL WINAPI SetDlgItemText(HWND handle, int id, LPCSTR text)
{
    PlatformWindow* dialog = WindowFromHandle(handle);
    PlatformControl* control = dialog ? FindControl(dialog, id) : nullptr;
    if (!control)
        return FALSE;
    control->widget->copy_label(LiteralLabel(text ? text : "").c_str());
    control->widget->redraw();
    return TRUE;
}
