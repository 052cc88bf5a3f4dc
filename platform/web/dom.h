// Small helpers over the page's DOM, through js_value.h's val.
#ifndef ROBOT_OXEL_WEB_DOM_H
#define ROBOT_OXEL_WEB_DOM_H

#include <string>

#include "js_value.h"

val Document();
// The page's element of that id, or null.
val ElementById(const char* id);
// A new element of tag with a class, appended to parent; HIT labels it for HitAt.
val NewElement(const char* tag, const char* className, val parent, const std::string& hit = "");
// Gives an element an id of its own, PREFIX and a number, and returns it.
std::string GiveId(val element, const char* prefix);
// Sets an attribute ("role", "aria-label").
void SetAttribute(val element, const char* name, const std::string& value);
// Sets a style property to a length in CSS pixels.
void SetPixels(val element, const char* property, int pixels);
// Places an absolutely positioned element: its left, top, width and height in CSS pixels.
void SetBox(val element, int left, int top, int width, int height);
// Text with Win32's & mnemonics, the letter after & underlined ("&&" is a literal &).
void SetMnemonicText(val element, const std::string& text);
// An element's own measure ("clientWidth", "offsetLeft") in whole pixels.
int PixelMeasure(val element, const char* property);
// The data-hit label of the element at a point of the page and the element
// that carries it, or "" and null.
std::string HitAt(long clientX, long clientY, val* element);

#endif
