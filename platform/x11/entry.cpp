// Process entry: hands over to WinMain as the Win32 start-up code does.
// The program takes no options, so FLTK's argument parsing is never called.
#include "state.h"

#include <stdio.h>
#include <string>

int main(int argc, char** argv)
{
    std::string commandLine;
    for (int i = 1; i < argc; i++)
        commandLine += (i > 1 ? " " : "") + std::string(argv[i]);
    static int module;
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(&module);
    int code = WinMain(instance, NULL, &commandLine[0], SW_SHOWDEFAULT);
    if (code != 0 && !g_host.lastError.empty())
        fprintf(stderr, "robot-oxel: %s\n", g_host.lastError.c_str());
    return code;
}
