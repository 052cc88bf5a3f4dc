// Stand-in for the Win32 calls of app/ and render/, linked into unit tests
// instead of a host. It keeps what the calls leave behind (check marks, item
// texts, the context made current, the palette, the quit code) and how often
// each was made; the answers of a few are settable.
#ifndef ROBOT_OXEL_TESTS_WIN32_FAKE_H
#define ROBOT_OXEL_TESTS_WIN32_FAKE_H

#include <windows.h>

#include <map>
#include <set>
#include <string>
#include <vector>

struct Win32Fake {
    std::map<std::string, int> count;  // calls of each function
    std::set<UINT> checked;            // menu items with a check mark
    std::map<int, std::string> texts;  // dialog item texts; "(null)" for NULL
    PIXELFORMATDESCRIPTOR format;      // what DescribePixelFormat answers
    bool failContext;                  // wglCreateContext answers NULL
    HGLRC current;                     // made current by wglMakeCurrent
    std::vector<PALETTEENTRY> palette; // given to CreatePalette
    int quitCode;                      // given to PostQuitMessage, -1 before
    INT_PTR dialogResult;              // given to EndDialog, -1 before
};

extern const HGLRC kFakeContext;
extern const HPALETTE kFakePalette;
extern const LRESULT kDefWindowProcResult;

// The one fake; ResetWin32 forgets everything: a true-colour format, nothing checked.
Win32Fake& Win32();
void ResetWin32();

#endif
