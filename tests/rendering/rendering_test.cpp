// Draws each model with the real GL (Mesa on the test's own Xvfb) and reads
// the back buffer back: grey where the geometry puts a line, white where
// nothing is drawn. Pixel positions are predicted from the projection: a
// 200 x 200 square about the window's centre, scaled to its shorter side.
#include <gtest/gtest.h>
// After GoogleTest: Xlib defines None, which GoogleTest uses as a name.
#include <GL/gl.h>
#include <GL/glx.h>
#include <X11/Xlib.h>
#include <math.h>
#include <stdlib.h>

#include <vector>

#include "projection.h"
#include "scene.h"
#include "view_state.h"

namespace {

const double kStep = M_PI / 8; // rim points, near enough for pixels

struct GlWindowSystem {
    Display* display;
    XVisualInfo* visual;
    GLXContext context;
};

GlWindowSystem g_gl;

class Rendering : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        g_gl.display = XOpenDisplay(NULL);
        ASSERT_TRUE(g_gl.display) << "no X display; run through with_xvfb.sh";
        int attributes[] = {GLX_RGBA, GLX_DOUBLEBUFFER, GLX_RED_SIZE, 8, GLX_GREEN_SIZE, 8,
                            GLX_BLUE_SIZE, 8, GLX_DEPTH_SIZE, 24, None};
        g_gl.visual = glXChooseVisual(g_gl.display, DefaultScreen(g_gl.display), attributes);
        ASSERT_TRUE(g_gl.visual) << "no double-buffered RGBA visual with depth";
        g_gl.context = glXCreateContext(g_gl.display, g_gl.visual, NULL, True);
        ASSERT_TRUE(g_gl.context);
    }

    static void TearDownTestSuite()
    {
        if (g_gl.context)
            glXDestroyContext(g_gl.display, g_gl.context);
        if (g_gl.visual)
            XFree(g_gl.visual);
        if (g_gl.display)
            XCloseDisplay(g_gl.display);
        g_gl = GlWindowSystem();
    }

    void SetUp() override
    {
        ASSERT_TRUE(g_gl.context);
        g_viewState = ViewState();
    }

    // One frame as the program paints it, in a fresh width x height window.
    void Draw(ModelKind model, int width, int height)
    {
        g_viewState.model = model;
        width_ = width;
        height_ = height;
        Window root = RootWindow(g_gl.display, g_gl.visual->screen);
        XSetWindowAttributes attributes = {};
        attributes.colormap = XCreateColormap(g_gl.display, root, g_gl.visual->visual, AllocNone);
        attributes.event_mask = StructureNotifyMask;
        Window window = XCreateWindow(g_gl.display, root, 0, 0, width, height, 0, g_gl.visual->depth,
                                      InputOutput, g_gl.visual->visual,
                                      CWColormap | CWEventMask, &attributes);
        XMapWindow(g_gl.display, window);
        XEvent event;
        do
            XWindowEvent(g_gl.display, window, StructureNotifyMask, &event);
        while (event.type != MapNotify);
        glXMakeCurrent(g_gl.display, window, g_gl.context);

        InitRenderState();
        ResizeView(width, height);
        DrawScene();
        glFinish();
        pixels_.assign(3 * width * height, 0);
        glReadBuffer(GL_BACK);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels_.data());
        EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));

        glXMakeCurrent(g_gl.display, None, NULL);
        XDestroyWindow(g_gl.display, window);
        XFreeColormap(g_gl.display, attributes.colormap);
    }

    // Calls check on each pixel within one pixel of where scene point (x, y)
    // lands; returns how many passed and how many were looked at.
    template <typename Check>
    std::pair<int, int> Around(double x, double y, Check check) const
    {
        double scale = (width_ < height_ ? width_ : height_) / 200.0;
        int column = static_cast<int>(floor(width_ / 2.0 + x * scale));
        int row = static_cast<int>(floor(height_ / 2.0 + y * scale));
        int passed = 0, looked = 0;
        for (int r = row - 1; r <= row + 1; r++)
            for (int c = column - 1; c <= column + 1; c++) {
                if (r < 0 || c < 0 || r >= height_ || c >= width_)
                    continue;
                const unsigned char* p = &pixels_[3 * (r * width_ + c)];
                looked++;
                passed += check(p[0], p[1], p[2]);
            }
        return {passed, looked};
    }

    ::testing::AssertionResult LineAt(double x, double y) const
    {
        std::pair<int, int> grey = Around(x, y, [](int r, int g, int b) {
            return abs(r - 128) <= 8 && abs(g - 128) <= 8 && abs(b - 128) <= 8;
        });
        if (grey.first > 0)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "no grey pixel at (" << x << ", " << y << ")";
    }

    ::testing::AssertionResult NothingAt(double x, double y) const
    {
        std::pair<int, int> white =
            Around(x, y, [](int r, int g, int b) { return r == 255 && g == 255 && b == 255; });
        if (white.first == white.second && white.second > 0)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "drawn near (" << x << ", " << y << ")";
    }

    // The cylinder of radius 20 end-on: a 16-gon with spokes from its centre.
    void ExpectCylinderEndOn() const
    {
        EXPECT_TRUE(LineAt(0.0, 0.0));
        for (int k = 0; k < 16; k++) {
            double a = k * kStep, between = a + kStep / 2;
            EXPECT_TRUE(LineAt(20.0 * sin(a), 20.0 * cos(a))) << "rim point " << k;
            EXPECT_TRUE(NothingAt(12.0 * sin(between), 12.0 * cos(between))) << "between spokes " << k;
            EXPECT_TRUE(NothingAt(26.0 * sin(a), 26.0 * cos(a))) << "outside rim point " << k;
        }
    }

    int width_ = 0, height_ = 0;
    std::vector<unsigned char> pixels_; // RGB rows from the bottom, as GL reads them
};

TEST_F(Rendering, CylinderSeenEndOnIsARimWithSpokes)
{
    Draw(MODEL_CYLINDER, 400, 400);
    ExpectCylinderEndOn();
}

TEST_F(Rendering, WideWindowKeepsTheCylinderRound)
{
    Draw(MODEL_CYLINDER, 600, 300);
    ExpectCylinderEndOn();
    EXPECT_TRUE(NothingAt(-190.0, 0.0));
}

TEST_F(Rendering, TallWindowKeepsTheCylinderRound)
{
    Draw(MODEL_CYLINDER, 300, 600);
    ExpectCylinderEndOn();
    EXPECT_TRUE(NothingAt(0.0, 190.0));
}

TEST_F(Rendering, CylinderTurnedAboutYShowsItsSideTowardsPlusX)
{
    g_viewState.rotY = 90.0f;
    Draw(MODEL_CYLINDER, 400, 400);
    EXPECT_TRUE(LineAt(0.0, 10.0));  // bottom cap edge-on
    EXPECT_TRUE(LineAt(20.0, 10.0)); // top cap edge-on
    EXPECT_TRUE(LineAt(10.0, 20.0)); // wall
    EXPECT_TRUE(NothingAt(10.0, 3.8)); // between two wall lines
    EXPECT_TRUE(NothingAt(-10.0, 0.0));
}

TEST_F(Rendering, UpperArmOutlineTapersBetweenItsRoundedEnds)
{
    Draw(MODEL_ARM1, 400, 400);
    EXPECT_TRUE(LineAt(15.0, 0.0));
    EXPECT_TRUE(LineAt(-70.0, 0.0));
    EXPECT_TRUE(LineAt(-30.0, 12.5));
    EXPECT_TRUE(LineAt(-30.0, -12.5));
    EXPECT_TRUE(NothingAt(-30.0, 0.0));
    EXPECT_TRUE(NothingAt(-30.0, 17.0));
    EXPECT_TRUE(NothingAt(20.0, 0.0));
    EXPECT_TRUE(NothingAt(11.0 * sin(2.5 * kStep), 11.0 * cos(2.5 * kStep))); // between spokes
}

TEST_F(Rendering, ForearmOutlineEndsInAFlatFace)
{
    Draw(MODEL_ARM2, 400, 400);
    EXPECT_TRUE(LineAt(10.0, 0.0));
    EXPECT_TRUE(LineAt(-50.0, 0.0));
    EXPECT_TRUE(LineAt(-25.0, 7.5));
    EXPECT_TRUE(NothingAt(-25.0, 0.0));
    EXPECT_TRUE(NothingAt(-25.0, 12.0));
    EXPECT_TRUE(NothingAt(-55.0, 0.0));
    EXPECT_TRUE(NothingAt(15.0, 0.0));
}

TEST_F(Rendering, RobotStandsOnItsBasePlateAtYMinus50)
{
    Draw(MODEL_ROBOT, 400, 400);
    for (double x : {-25.0, -15.0, 15.0, 25.0}) {
        EXPECT_TRUE(LineAt(x, -50.0)) << "base plate bottom";
        EXPECT_TRUE(LineAt(x, -45.0)) << "base plate top";
    }
    EXPECT_TRUE(LineAt(-10.0, -25.0)); // column sides
    EXPECT_TRUE(LineAt(10.0, -25.0));
    EXPECT_TRUE(NothingAt(0.0, -55.0));
    EXPECT_TRUE(NothingAt(-40.0, -47.5));
    EXPECT_TRUE(NothingAt(-20.0, -25.0));
}

} // namespace
