#include <math.h>

#include "projection.h"
#include "recorded_test.h"

namespace {

class RenderState : public RecordedTest {};
class ResizeView : public RecordedTest {};

TEST_F(RenderState, IsGreyOutlinesOnWhiteDepthTested)
{
    InitRenderState();
    std::vector<GlCall> expected = {{"glEnable", {GL_DEPTH_TEST}},
                                    {"glFrontFace", {GL_CCW}},
                                    {"glPolygonMode", {GL_FRONT_AND_BACK, GL_LINE}},
                                    {"glClearColor", {1, 1, 1, 1}},
                                    {"glColor3f", {0.5, 0.5, 0.5}}};
    EXPECT_EQ(GlCalls(), expected);
}

// A zero side is taken as 1 (a minimised window): the viewport gets 1 too.
TEST_F(ResizeView, KeepsTheCentralSquareAndWidensTheLongerSide)
{
    struct Case {
        int width, height;
        double viewportWidth, viewportHeight, xExtent, yExtent;
    } cases[] = {{400, 400, 400, 400, 100, 100},  {600, 300, 600, 300, 200, 100},
                 {300, 600, 300, 600, 100, 200},  {300, 0, 300, 1, 30000, 100},
                 {0, 300, 1, 300, 100, 30000},    {0, 0, 1, 1, 100, 100}};
    for (const Case& c : cases) {
        ResetGlRecorder();
        ::ResizeView(c.width, c.height);
        std::vector<GlCall> expected = {
            {"glViewport", {0, 0, c.viewportWidth, c.viewportHeight}},
            {"glMatrixMode", {GL_PROJECTION}},
            {"glLoadIdentity", {}},
            {"glOrtho", {-c.xExtent, c.xExtent, -c.yExtent, c.yExtent, -100, 100}},
            {"glMatrixMode", {GL_MODELVIEW}},
            {"glLoadIdentity", {}}};
        EXPECT_EQ(GlCalls(), expected) << c.width << " x " << c.height;
    }
}

TEST_F(ResizeView, UsesTheExactRatioNotIntegerDivision)
{
    ::ResizeView(640, 480);
    const std::vector<double>& wide = GlCalls()[3].args;
    EXPECT_DOUBLE_EQ(wide[1], 400.0 / 3.0);
    EXPECT_EQ(wide[0], -wide[1]);
    ResetGlRecorder();
    ::ResizeView(480, 640);
    const std::vector<double>& tall = GlCalls()[3].args;
    EXPECT_DOUBLE_EQ(tall[3], 400.0 / 3.0);
    EXPECT_EQ(tall[2], -tall[3]);
}

TEST_F(ResizeView, ReplacesTheProjectionAndResetsTheModelView)
{
    glTranslated(5.0, 5.0, 5.0);
    ::ResizeView(600, 300);
    ::ResizeView(400, 400);
    GlMatrix square = {0.01, 0, 0, 0, 0, 0.01, 0, 0, 0, 0, -0.01, 0, 0, 0, 0, 1};
    GlMatrix identity = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    EXPECT_EQ(GlTopMatrix(GL_PROJECTION), square);
    EXPECT_EQ(GlTopMatrix(GL_MODELVIEW), identity);
    EXPECT_EQ(GlStackDepth(GL_PROJECTION), 1);
}

} // namespace
