#include <gtest/gtest.h>

#include "pixel_format_distance.h"

namespace {

// The program's request: double-buffered RGBA, 24 colour bits, 32 depth bits.
PIXELFORMATDESCRIPTOR Request()
{
    PIXELFORMATDESCRIPTOR pfd = {};
    pfd.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    pfd.iPixelType = PFD_TYPE_RGBA;
    pfd.cColorBits = 24;
    pfd.cDepthBits = 32;
    return pfd;
}

const VisualTraits kExact = {true, true, 0, 24, 0, 32, 0, 0};

TEST(PixelFormatDistance, RejectsSingleBufferedColourIndexAndOverlayVisuals)
{
    VisualTraits single = kExact, indexed = kExact, overlay = kExact;
    single.doubleBuffer = false;
    indexed.rgba = false;
    overlay.level = 1;
    EXPECT_EQ(PixelFormatDistance(Request(), single), -1);
    EXPECT_EQ(PixelFormatDistance(Request(), indexed), -1);
    EXPECT_EQ(PixelFormatDistance(Request(), overlay), -1);
}

TEST(PixelFormatDistance, ExactMatchScoresZeroAndAShortfallCostsMoreThanTheSameSurplus)
{
    EXPECT_EQ(PixelFormatDistance(Request(), kExact), 0);
    VisualTraits shallow = kExact, deep = kExact;
    shallow.depthBits = 24;
    deep.depthBits = 40;
    EXPECT_GT(PixelFormatDistance(Request(), shallow), PixelFormatDistance(Request(), deep));
    EXPECT_GT(PixelFormatDistance(Request(), deep), 0);
}

TEST(PixelFormatDistance, PrefersNoAlphaWhenNoneIsAsked)
{
    VisualTraits withAlpha = kExact;
    withAlpha.alphaBits = 8;
    EXPECT_GT(PixelFormatDistance(Request(), withAlpha), 0);
}

} // namespace
