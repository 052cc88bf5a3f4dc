#include "win32_fake.h"

namespace {

Win32Fake g_fake;
int g_dc, g_menu, g_context, g_palette;

// Counts the call and answers with result.
template <typename T> T Call(const char* name, T result)
{
    g_fake.count[name]++;
    return result;
}

} // namespace

const HGLRC kFakeContext = reinterpret_cast<HGLRC>(&g_context);
const HPALETTE kFakePalette = reinterpret_cast<HPALETTE>(&g_palette);
const LRESULT kDefWindowProcResult = 0x5EED;

Win32Fake& Win32()
{
    return g_fake;
}

void ResetWin32()
{
    g_fake = Win32Fake();
    g_fake.format.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    g_fake.format.cColorBits = 24;
    g_fake.quitCode = -1;
    g_fake.dialogResult = -1;
}

// One line a function:
// clang-format off
HDC WINAPI GetDC(HWND) { return Call("GetDC", reinterpret_cast<HDC>(&g_dc)); }
int WINAPI ChoosePixelFormat(HDC, const PIXELFORMATDESCRIPTOR*) { return Call("ChoosePixelFormat", 1); }
BOOL WINAPI SetPixelFormat(HDC, int, const PIXELFORMATDESCRIPTOR*) { return Call("SetPixelFormat", TRUE); }
int WINAPI GetPixelFormat(HDC) { return Call("GetPixelFormat", 1); }
int WINAPI DescribePixelFormat(HDC, int, UINT, LPPIXELFORMATDESCRIPTOR pfd) { *pfd = g_fake.format; return Call("DescribePixelFormat", 1); }
HPALETTE WINAPI CreatePalette(const LOGPALETTE* p) { g_fake.palette.assign(p->palPalEntry, p->palPalEntry + p->palNumEntries); return Call("CreatePalette", kFakePalette); }
HPALETTE WINAPI SelectPalette(HDC, HPALETTE, BOOL) { return Call("SelectPalette", HPALETTE()); }
UINT WINAPI RealizePalette(HDC) { return Call("RealizePalette", 7u); }
BOOL WINAPI UpdateColors(HDC) { return Call("UpdateColors", TRUE); }
BOOL WINAPI DeleteObject(HGDIOBJ) { return Call("DeleteObject", TRUE); }
BOOL WINAPI SwapBuffers(HDC) { return Call("SwapBuffers", TRUE); }
HGLRC WINAPI wglCreateContext(HDC) { return Call("wglCreateContext", g_fake.failContext ? HGLRC() : kFakeContext); }
BOOL WINAPI wglMakeCurrent(HDC, HGLRC context) { g_fake.current = context; return Call("wglMakeCurrent", TRUE); }
BOOL WINAPI wglDeleteContext(HGLRC) { return Call("wglDeleteContext", TRUE); }
BOOL WINAPI ValidateRect(HWND, const RECT*) { return Call("ValidateRect", TRUE); }
BOOL WINAPI InvalidateRect(HWND, const RECT* rect, BOOL erase) { return Call(rect || erase ? "InvalidateRect(part or erase)" : "InvalidateRect", TRUE); }
void WINAPI PostQuitMessage(int code) { g_fake.quitCode = Call("PostQuitMessage", code); }
LRESULT WINAPI DefWindowProc(HWND, UINT, WPARAM, LPARAM) { return Call("DefWindowProc", kDefWindowProcResult); }
BOOL WINAPI DestroyWindow(HWND) { return Call("DestroyWindow", TRUE); }
HMENU WINAPI GetMenu(HWND) { return Call("GetMenu", reinterpret_cast<HMENU>(&g_menu)); }
DWORD WINAPI CheckMenuItem(HMENU, UINT id, UINT check) { DWORD was = g_fake.checked.erase(id) ? MF_CHECKED : MF_UNCHECKED; if (check & MF_CHECKED) g_fake.checked.insert(id); return Call("CheckMenuItem", was); }
INT_PTR WINAPI DialogBoxParam(HINSTANCE, LPCSTR, HWND, DLGPROC, LPARAM) { return Call("DialogBoxParam", INT_PTR(1)); }
BOOL WINAPI EndDialog(HWND, INT_PTR result) { g_fake.dialogResult = result; return Call("EndDialog", TRUE); }
BOOL WINAPI SetDlgItemText(HWND, int id, LPCSTR text) { g_fake.texts[id] = text ? text : "(null)"; return Call("SetDlgItemText", TRUE); }
// clang-format on
