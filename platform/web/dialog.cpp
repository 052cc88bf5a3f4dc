// Modal dialogs over the DOM: the frame, the controls the core places from
// the template, their texts and focus. The dialog's font is the template's
// as the page renders it; the core decides what keys and clicks do, and Tab
// is the browser's, moving the focus between the buttons. Assistive
// technology sees a modal dialog named by its caption, and each static text
// ending in ':' as the term naming the static to its right on its row (the
// template pairs a label with its value by place, not by order).
// Not implemented: modeless dialogs, edit, list and check-box controls,
// moving the dialog.
#include "state.h"

#include <math.h>

#include "dom.h"

namespace {

// MulDiv(points, 96, 72): a 96 dpi screen, as Win32 assumes.
std::string FontOf(const DialogTemplate& dialog)
{
    int pixels = ((dialog.fontPoints ? dialog.fontPoints : 8) * 96 + 36) / 72;
    std::string name = dialog.fontName.empty() ? "MS Sans Serif" : dialog.fontName;
    return std::to_string(pixels) + "px \"" + name + "\", sans-serif";
}

// Pairs a new static with a label or value made before it on its row.
void PairWithLabel(const std::vector<val>& controls, val element)
{
    for (val other : controls) {
        if (other["className"].as<std::string>() != "static" ||
            PixelMeasure(other, "offsetTop") != PixelMeasure(element, "offsetTop"))
            continue;
        bool otherFirst = PixelMeasure(other, "offsetLeft") < PixelMeasure(element, "offsetLeft");
        val label = otherFirst ? other : element;
        val value = otherFirst ? element : other;
        std::string text = label["textContent"].as<std::string>();
        if (text.empty() || text.back() != ':')
            continue;
        SetAttribute(label, "role", "term");
        SetAttribute(value, "role", "definition");
        SetAttribute(value, "aria-labelledby", GiveId(label, "label-"));
    }
}

} // namespace

void HostMeasureText(const DialogTemplate& dialog, const char* text, int* width, int* height)
{
    val context = Document()
                      .call<val>("createElement", std::string("canvas"))
                      .call<val>("getContext", std::string("2d"));
    context.set("font", FontOf(dialog));
    val metrics = context.call<val>("measureText", std::string(text));
    *width = static_cast<int>(metrics["width"].as<double>());
    *height = static_cast<int>(lround(metrics["fontBoundingBoxAscent"].as<double>() +
                                      metrics["fontBoundingBoxDescent"].as<double>()));
}

void HostMakeControl(CoreWindow* dialog, const ControlTemplate& control, int x, int y, int width,
                     int height)
{
    val client = dialog->native->client;
    val element = val::null();
    if (control.kind == "DEFPUSHBUTTON" || control.kind == "PUSHBUTTON") {
        element =
            NewElement("button", control.kind == "DEFPUSHBUTTON" ? "button default" : "button",
                       client, "button:" + std::to_string(control.id));
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
    SetBox(element, x, y, width, height);
    if (element["className"].as<std::string>() == "static")
        PairWithLabel(dialog->native->controls, element);
    dialog->native->controls.push_back(element);
}

// The style places the client area; the caption and border lie outside it, as on Win32.
bool MakeDialogFrame(CoreWindow* dialog, const FrameStyle& style)
{
    auto* native = new NativeWindow();
    dialog->native = native;
    native->frame = NewWindowFrame(dialog, style.title);
    SetAttribute(native->frame, "aria-modal", "true");
    val client = NewElement("div", "dialog-client", native->frame);
    native->client = client;
    int unused, lineHeight;
    HostMeasureText(*dialog->dialogTemplate, "", &unused, &lineHeight);
    client["style"].set("font", FontOf(*dialog->dialogTemplate));
    SetPixels(client, "lineHeight", lineHeight);
    SetPixels(client, "width", style.width);
    SetPixels(client, "height", style.height);
    SetPixels(native->frame, "left",
              style.x - PixelMeasure(native->frame, "clientLeft") -
                  PixelMeasure(client, "offsetLeft"));
    SetPixels(native->frame, "top",
              style.y - PixelMeasure(native->frame, "clientTop") -
                  PixelMeasure(client, "offsetTop"));
    dialog->clientWidth = style.width;
    dialog->clientHeight = style.height;
    return true;
}

void HostSetControlText(CoreWindow* dialog, int index, const char* text)
{
    SetMnemonicText(dialog->native->controls[index], text);
}

void HostFocusControl(CoreWindow* dialog, int index)
{
    dialog->native->controls[index].call<void>("focus");
}

int HostFocusedControl(CoreWindow* dialog)
{
    val focused = Document()["activeElement"];
    const std::vector<val>& controls = dialog->native->controls;
    for (size_t i = 0; i < controls.size(); i++) {
        if (controls[i].strictlyEquals(focused))
            return static_cast<int>(i);
    }
    return -1;
}

void DialogClick(CoreWindow* dialog, const std::string& hit)
{
    if (hit == "close")
        CoreClose(dialog);
    else if (hit.compare(0, 7, "button:") == 0)
        CoreButton(dialog, std::stoi(hit.substr(7)));
}
