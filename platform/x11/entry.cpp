// Process entry: hands the core this host and the program's resource script,
// then over to WinMain as the Win32 start-up code does. The program takes no
// options: its command line is empty, and FLTK's argument parsing is never called.
#include <FL/x.H>
#include <stdio.h>

#include "embedded.h"
#include "host_platform.h"

int main()
{
    char commandLine[] = "";
    StartCore(g_resourceScript, g_resourceHeader);
    static int module;
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(&module);
    int code = WinMain(instance, NULL, commandLine, SW_SHOWDEFAULT);
    if (code != 0 && !LastError().empty())
        fprintf(stderr, "robot-oxel: %s\n", LastError().c_str());
    // Mesa's GLX frees what it made for the display only when the display is
    // closed; left to the process's end, valgrind finds it lost.
    if (fl_display)
        fl_close_display();
    return code;
}
