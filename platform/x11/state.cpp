#include "state.h"

#include <stdarg.h>
#include <stdio.h>

#include <algorithm>

#include "embedded.h"

PlatformState g_platform;

// The first failure names the cause; what fails after it is only a consequence.
void ReportError(const char* area, const char* format, ...)
{
    if (!g_platform.lastError.empty())
        return;
    char text[512];
    va_list args;
    va_start(args, format);
    vsnprintf(text, sizeof text, format, args);
    va_end(args);
    g_platform.lastError = std::string(area) + ": " + text;
}

PlatformWindow* WindowFromHandle(HWND window)
{
    auto* record = reinterpret_cast<PlatformWindow*>(window);
    const auto& live = g_platform.windows;
    return std::find(live.begin(), live.end(), record) != live.end() ? record : nullptr;
}

HWND HandleOf(PlatformWindow* window)
{
    return reinterpret_cast<HWND>(window);
}

// Parsed once, on first use; a broken script is a build mistake, reported like any failure.
const ResourceScript& Resources()
{
    if (!g_platform.resourcesParsed) {
        std::string error;
        if (!ParseResourceScript(g_resourceScript, g_resourceHeader, &g_platform.resources,
                                 &error))
            ReportError("resources", "robot_oxel.rc %s", error.c_str());
        g_platform.resourcesParsed = true;
    }
    return g_platform.resources;
}
