#include "pixel_format.h"

#include <stdlib.h>

namespace {

const PIXELFORMATDESCRIPTOR kPixelFormat = {
    sizeof(PIXELFORMATDESCRIPTOR),
    1,
    PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER,
    PFD_TYPE_RGBA,
    24, // colour bits
    0,
    0,
    0,
    0,
    0,
    0, // red, green, blue bits and shifts
    0,
    0, // alpha
    0,
    0,
    0,
    0,
    0,  // accumulation
    32, // depth bits
    0,  // stencil bits
    0,  // aux buffers
    PFD_MAIN_PLANE,
    0,
    0,
    0,
    0,
};

// Level of one channel, scaled to 0..255 and truncated, as (level * 255) / mask.
BYTE ChannelLevel(UINT index, int shift, int bits)
{
    if (bits == 0)
        return 0;
    BYTE mask = static_cast<BYTE>((1u << bits) - 1);
    double level = ((index >> shift) & mask) * 255.0 / mask;
    return static_cast<BYTE>(level);
}

} // namespace

void SetupPixelFormat(HDC dc)
{
    int format = ChoosePixelFormat(dc, &kPixelFormat);
    SetPixelFormat(dc, format, &kPixelFormat);
}

PALETTEENTRY RgbPaletteEntry(UINT index, const PIXELFORMATDESCRIPTOR* pfd)
{
    PALETTEENTRY entry;
    entry.peRed = ChannelLevel(index, pfd->cRedShift, pfd->cRedBits);
    entry.peGreen = ChannelLevel(index, pfd->cGreenShift, pfd->cGreenBits);
    entry.peBlue = ChannelLevel(index, pfd->cBlueShift, pfd->cBlueBits);
    entry.peFlags = 0;
    return entry;
}

HPALETTE CreateRgbPalette(HDC dc)
{
    // Zeroed, so a format that cannot be described reads as needing no palette.
    PIXELFORMATDESCRIPTOR pfd = {};
    DescribePixelFormat(dc, GetPixelFormat(dc), sizeof(pfd), &pfd);
    // A palette holds at most 65535 entries (a 16-bit count).
    if (!(pfd.dwFlags & PFD_NEED_PALETTE) || pfd.cColorBits > 15)
        return NULL;

    UINT count = 1u << pfd.cColorBits;
    LOGPALETTE* logPalette =
        static_cast<LOGPALETTE*>(malloc(sizeof(LOGPALETTE) + count * sizeof(PALETTEENTRY)));
    if (!logPalette)
        return NULL;
    logPalette->palVersion = 0x300;
    logPalette->palNumEntries = static_cast<WORD>(count);
    for (UINT i = 0; i < count; i++)
        logPalette->palPalEntry[i] = RgbPaletteEntry(i, &pfd);

    HPALETTE palette = CreatePalette(logPalette);
    SelectPalette(dc, palette, FALSE);
    RealizePalette(dc);
    free(logPalette);
    return palette;
}
