// DOM helpers for the browser host: elements, attributes, pixel styles, mnemonic texts, hit tests.
#include "dom.h"

val Document()
{
    return val::global("document");
}

val ElementById(const char* id)
{
    return Document().call<val>("getElementById", std::string(id));
}

val NewElement(const char* tag, const char* className, val parent, const std::string& hit)
{
    val element = Document().call<val>("createElement", std::string(tag));
    element.set("className", std::string(className));
    if (!hit.empty())
        element["dataset"].set("hit", hit);
    parent.call<void>("appendChild", element);
    return element;
}

std::string GiveId(val element, const char* prefix)
{
    static int given;
    std::string id = prefix + std::to_string(++given);
    element.set("id", id);
    return id;
}

void SetAttribute(val element, const char* name, const std::string& value)
{
    element.call<void>("setAttribute", std::string(name), value);
}

void SetPixels(val element, const char* property, int pixels)
{
    element["style"].set(property, std::to_string(pixels) + "px");
}

void SetBox(val element, int left, int top, int width, int height)
{
    SetPixels(element, "left", left);
    SetPixels(element, "top", top);
    SetPixels(element, "width", width);
    SetPixels(element, "height", height);
}

void SetMnemonicText(val element, const std::string& text)
{
    element.set("textContent", std::string());
    std::string run;
    for (size_t i = 0; i < text.size(); i++) {
        if (text[i] != '&' || i + 1 == text.size()) {
            run += text[i];
            continue;
        }
        i++;
        if (text[i] == '&') {
            run += '&';
            continue;
        }
        element.call<void>("append", run);
        run.clear();
        NewElement("u", "", element).set("textContent", std::string(1, text[i]));
    }
    element.call<void>("append", run);
}

int PixelMeasure(val element, const char* property)
{
    return element[property].as<int>();
}

std::string HitAt(long clientX, long clientY, val* element)
{
    val under = Document().call<val>("elementFromPoint", clientX, clientY);
    val labelled = under.isNull() ? under : under.call<val>("closest", std::string("[data-hit]"));
    *element = labelled;
    return labelled.isNull() ? std::string() : labelled["dataset"]["hit"].as<std::string>();
}
