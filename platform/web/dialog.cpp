// Modal dialogs built from DIALOG templates over the DOM, run on the calling
// thread by a nested message loop. Controls are placed from dialog units
// with base units measured from the template's font as the page renders it
// (Win32's rule: the alphabet's average width and the font's height) and
// rounded as MapDialogRect rounds. Enter presses the default button, Space
// the focused one, Escape sends IDCANCEL, the close box WM_CLOSE.
// Not implemented: modeless dialogs, edit, list and check-box controls,
// moving the dialog, DefDlgProc's own handling of WM_CLOSE.
#include "state.h"

#include <math.h>

#include <algorithm>

#include "dom.h"

namespace {

struct BaseUnits {
    int x;            // pixels per 4 horizontal dialog units
    int y;            // pixels per 8 vertical dialog units
    std::string font; // CSS font of the controls
};

BaseUnits MeasureBaseUnits(const DialogTemplate& dialog)
{
    // MulDiv(points, 96, 72): a 96 dpi screen, as Win32 assumes.
    int pixels = ((dialog.fontPoints ? dialog.fontPoints : 8) * 96 + 36) / 72;
    std::string name = dialog.fontName.empty() ? "MS Sans Serif" : dialog.fontName;
    BaseUnits units;
    units.font = std::to_string(pixels) + "px \"" + name + "\", sans-serif";
    val context = Document()
                      .call<val>("createElement", std::string("canvas"))
                      .call<val>("getContext", std::string("2d"));
    context.set("font", units.font);
    val metrics = context.call<val>(
        "measureText", std::string("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    units.x = (static_cast<int>(metrics["width"].as<double>()) / 26 + 1) / 2;
    units.y = static_cast<int>(lround(metrics["fontBoundingBoxAscent"].as<double>() +
                                      metrics["fontBoundingBoxDescent"].as<double>()));
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

val CreateControl(const ControlTemplate& control, const BaseUnits& units, val client)
{
    val element = val::null();
    if (control.kind == "DEFPUSHBUTTON" || control.kind == "PUSHBUTTON") {
        element = NewElement("button",
                             control.kind == "DEFPUSHBUTTON" ? "button default" : "button", client);
        element["dataset"].set("hit", "button:" + std::to_string(control.id));
    } else if (control.kind == "GROUPBOX") {
        // A fieldset's legend interrupts its top edge, as a group box's caption does.
        element = NewElement("fieldset", "groupbox", client);
        SetMnemonicText(NewElement("legend", "", element), control.text);
    } else {
        element = NewElement("div", "static", client);
        element["style"].set("textAlign", std::string(control.kind == "CTEXT"   ? "center"
                                                      : control.kind == "RTEXT" ? "right"
                                                                                : "left"));
    }
    if (control.kind != "GROUPBOX")
        SetMnemonicText(element, control.text);
    element["dataset"].set(
        "id", control.id); // the dialog item's id, so the page tells the controls apart
    SetPixels(element, "left", ToPixelsX(units, control.x));
    SetPixels(element, "top", ToPixelsY(units, control.y));
    SetPixels(element, "width", ToPixelsX(units, control.width));
    SetPixels(element, "height", ToPixelsY(units, control.height));
    return element;
}

int MeasureLeft(val element)
{
    return PixelMeasure(element, "offsetLeft") + PixelMeasure(element, "clientLeft");
}

int MeasureTop(val element)
{
    return PixelMeasure(element, "offsetTop") + PixelMeasure(element, "clientTop");
}

// The template places the client area from the owner's client area; the
// caption and border lie outside it, as on Win32.
void PlaceDialog(WebWindow* dialog, val client, const DialogTemplate& dialogTemplate,
                 const BaseUnits& units, WebWindow* owner)
{
    int x = ToPixelsX(units, dialogTemplate.x);
    int y = ToPixelsY(units, dialogTemplate.y);
    if (owner && owner->kind == KIND_MAIN) {
        x += MeasureLeft(owner->frame) + PixelMeasure(owner->canvas, "offsetLeft");
        y += MeasureTop(owner->frame) + PixelMeasure(owner->canvas, "offsetTop");
    }
    x -= PixelMeasure(dialog->frame, "clientLeft") + PixelMeasure(client, "offsetLeft");
    y -= PixelMeasure(dialog->frame, "clientTop") + PixelMeasure(client, "offsetTop");
    SetPixels(dialog->frame, "left", x);
    SetPixels(dialog->frame, "top", y);
}

WebControl* FindControl(WebWindow* dialog, int id)
{
    for (WebControl& control : dialog->controls) {
        if (control.id == id)
            return &control;
    }
    return nullptr;
}

// The id of a button element, from its hit label "button:ID".
int ButtonId(val button)
{
    return std::stoi(button["dataset"]["hit"].as<std::string>().substr(7));
}

void PostCommand(WebWindow* dialog, int id)
{
    PostToQueue(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

} // namespace

bool DialogKey(WebWindow* dialog, UINT vk)
{
    val focused = Document()["activeElement"];
    bool onButton = !focused.isNull() && dialog->frame.call<bool>("contains", focused) &&
                    focused["tagName"].as<std::string>() == "BUTTON";
    if (vk == VK_RETURN)
        PostCommand(dialog, onButton ? ButtonId(focused) : dialog->defaultButton);
    else if (vk == VK_SPACE && onButton)
        PostCommand(dialog, ButtonId(focused));
    else if (vk == VK_ESCAPE)
        PostCommand(dialog, IDCANCEL);
    // NOTE: Tab is the browser's: it moves the focus between the dialog's buttons.
    return vk != VK_TAB;
}

void DialogClick(WebWindow* dialog, const std::string& hit)
{
    if (hit == "close")
        PostToQueue(dialog, WM_CLOSE, 0, 0);
    else if (hit.compare(0, 7, "button:") == 0)
        PostCommand(dialog, std::stoi(hit.substr(7)));
}

INT_PTR WINAPI DialogBoxParam(HINSTANCE, LPCSTR templateName, HWND parent, DLGPROC dialogProc,
                              LPARAM initParam)
{
    const DialogTemplate* dialogTemplate =
        IS_INTRESOURCE(templateName) ? FindDialogTemplate(Resources(), LOWORD(templateName))
                                     : nullptr;
    if (!dialogTemplate || !dialogProc) {
        ReportError("USER32", "dialog resource not found");
        return -1;
    }
    BaseUnits units = MeasureBaseUnits(*dialogTemplate);

    auto* dialog = new WebWindow();
    dialog->kind = KIND_DIALOG;
    dialog->dialogProc = dialogProc;
    dialog->dc.window = dialog;
    dialog->frame = NewWindowFrame(dialog, dialogTemplate->caption.c_str());
    dialog->frame["style"].set("visibility", std::string("hidden"));
    val client = NewElement("div", "dialog-client", dialog->frame);
    client["style"].set("font", units.font);
    SetPixels(client, "lineHeight", units.y);
    SetPixels(client, "width", ToPixelsX(units, dialogTemplate->width));
    SetPixels(client, "height", ToPixelsY(units, dialogTemplate->height));
    val defaultButton = val::null();
    for (const ControlTemplate& control : dialogTemplate->controls) {
        val element = CreateControl(control, units, client);
        dialog->controls.push_back({control.id, element});
        if (control.kind == "DEFPUSHBUTTON") {
            dialog->defaultButton = control.id;
            defaultButton = element;
        }
    }
    PlaceDialog(dialog, client, *dialogTemplate, units, WindowFromHandle(parent));
    g_host.windows.push_back(dialog);

    // NOTE: as on Win32, WM_INITDIALOG comes before the dialog is shown.
    bool focusDefault = dialogProc(HandleOf(dialog), WM_INITDIALOG, 0, initParam);
    dialog->frame["style"].set("visibility", std::string("visible"));
    if (focusDefault && !defaultButton.isNull())
        defaultButton.call<void>("focus");
    // A WM_QUIT that ends the wait stays posted for the outer loop, as Win32 reposts it.
    INT_PTR result = RunDialog(dialog);
    dialog->frame.call<void>("remove");
    ForgetWindow(dialog);
    delete dialog;
    return result;
}

BOOL WINAPI SetDlgItemText(HWND handle, int id, LPCSTR text)
{
    WebWindow* dialog = WindowFromHandle(handle);
    WebControl* control = dialog ? FindControl(dialog, id) : nullptr;
    if (!control)
        return FALSE;
    SetMnemonicText(control->element, text ? text : "");
    return TRUE;
}
