// The palette-entry tests link render/pixel_format.cpp, which also calls
// these GDI functions; no unit test reaches them, so they only abort.
#include <stdlib.h>
#include <windows.h>

int WINAPI ChoosePixelFormat(HDC, const PIXELFORMATDESCRIPTOR*) { abort(); }
BOOL WINAPI SetPixelFormat(HDC, int, const PIXELFORMATDESCRIPTOR*) { abort(); }
int WINAPI GetPixelFormat(HDC) { abort(); }
int WINAPI DescribePixelFormat(HDC, int, UINT, LPPIXELFORMATDESCRIPTOR) { abort(); }
HPALETTE WINAPI CreatePalette(const LOGPALETTE*) { abort(); }
HPALETTE WINAPI SelectPalette(HDC, HPALETTE, BOOL) { abort(); }
UINT WINAPI RealizePalette(HDC) { abort(); }
