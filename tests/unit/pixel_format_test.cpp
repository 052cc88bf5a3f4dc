#include <gtest/gtest.h>

#include "pixel_format.h"

namespace {

PIXELFORMATDESCRIPTOR Format(BYTE red, BYTE redShift, BYTE green, BYTE greenShift, BYTE blue,
                             BYTE blueShift)
{
    PIXELFORMATDESCRIPTOR pfd = {};
    pfd.cColorBits = 8;
    pfd.cRedBits = red;
    pfd.cRedShift = redShift;
    pfd.cGreenBits = green;
    pfd.cGreenShift = greenShift;
    pfd.cBlueBits = blue;
    pfd.cBlueShift = blueShift;
    return pfd;
}

TEST(PaletteEntry, SpreadsThreeThreeTwoBitsEvenlyTruncatingEachLevel)
{
    PIXELFORMATDESCRIPTOR pfd = Format(3, 0, 3, 3, 2, 6);
    const int eighths[] = {0, 36, 72, 109, 145, 182, 218, 255};
    const int quarters[] = {0, 85, 170, 255};
    for (UINT i = 0; i < 256; i++) {
        PALETTEENTRY e = RgbPaletteEntry(i, &pfd);
        EXPECT_EQ(e.peRed, eighths[i & 7]) << i;
        EXPECT_EQ(e.peGreen, eighths[(i >> 3) & 7]) << i;
        EXPECT_EQ(e.peBlue, quarters[i >> 6]) << i;
        EXPECT_EQ(e.peFlags, 0) << i;
    }
}

TEST(PaletteEntry, ChannelWithoutBitsIsZero)
{
    PIXELFORMATDESCRIPTOR pfd = Format(3, 0, 0, 3, 0, 6);
    for (UINT i = 0; i < 256; i++) {
        PALETTEENTRY e = RgbPaletteEntry(i, &pfd);
        EXPECT_EQ(e.peGreen, 0) << i;
        EXPECT_EQ(e.peBlue, 0) << i;
    }
}

} // namespace
