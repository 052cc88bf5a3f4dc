// The browser host's state, its handles and its error record.
#include "state.h"

#include <stdarg.h>
#include <stdio.h>

#include <algorithm>

#include "embedded.h"

WebState g_web;

// The first failure names the cause; what fails after it is only a consequence.
void ReportError(const char* area, const char* format, ...)
{
    if (!g_web.lastError.empty())
        return;
    char text[512];
    va_list args;
    va_start(args, format);
    vsnprintf(text, sizeof text, format, args);
    va_end(args);
    g_web.lastError = std::string(area) + ": " + text;
}

WebWindow* WindowFromHandle(HWND window)
{
    auto* record = reinterpret_cast<WebWindow*>(window);
    const auto& live = g_web.windows;
    return std::find(live.begin(), live.end(), record) != live.end() ? record : nullptr;
}

HWND HandleOf(WebWindow* window)
{
    return reinterpret_cast<HWND>(window);
}

WebWindow* ModalDialog()
{
    for (auto it = g_web.windows.rbegin(); it != g_web.windows.rend(); ++it) {
        if ((*it)->kind == KIND_DIALOG)
            return *it;
    }
    return nullptr;
}

// Parsed once, on first use; a broken script is a build mistake, reported like any failure.
const ResourceScript& Resources()
{
    if (!g_web.resourcesParsed) {
        std::string error;
        if (!ParseResourceScript(g_resourceScript, g_resourceHeader, &g_web.resources, &error))
            ReportError("resources", "robot_oxel.rc %s", error.c_str());
        g_web.resourcesParsed = true;
    }
    return g_web.resources;
}
