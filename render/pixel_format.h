// The window's pixel format and, on a colour-mapped display, its palette.
#ifndef ROBOT_OXEL_RENDER_PIXEL_FORMAT_H
#define ROBOT_OXEL_RENDER_PIXEL_FORMAT_H

#include <windows.h>

// Sets the closest match to a double-buffered 24-bit RGBA format with a 32-bit depth buffer.
void SetupPixelFormat(HDC dc);

// Builds, selects and realises a palette spreading the format's red, green
// and blue bits evenly, if the format needs one; returns NULL otherwise.
HPALETTE CreateRgbPalette(HDC dc);

// Palette entry number index for a format with the given channel bits and shifts.
PALETTEENTRY RgbPaletteEntry(UINT index, const PIXELFORMATDESCRIPTOR* pfd);

#endif
