// Process entry: hands the core this host and the program's resource script,
// then over to WinMain as the Win32 start-up code does; then
// tells on the page that the program has ended, with its exit code, and
// offers to start it again (a fresh page, as a fresh process would be).
#include "state.h"

#include <emscripten/html5.h>

#include "dom.h"
#include "embedded.h"

namespace {

EM_BOOL OnRestart(int, const EmscriptenMouseEvent*, void*)
{
    val::global("location").call<void>("reload");
    return EM_TRUE;
}

void ShowEnded(int code)
{
    ElementById("exit-code").set("textContent", std::to_string(code));
    ElementById("exit-cause").set("textContent", LastError());
    ElementById("ended").set("hidden", false);
    emscripten_set_click_callback("#restart", nullptr, EM_FALSE, OnRestart);
}

} // namespace

int main()
{
    StartCore(g_resourceScript, g_resourceHeader);
    static int module;
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(&module);
    char commandLine[] = "";
    int code = WinMain(instance, NULL, commandLine, SW_SHOWDEFAULT);
    if (code != 0 && !LastError().empty())
        val::global("console").call<void>("error", "robot-oxel: " + LastError());
    ShowEnded(code);
    return code;
}
