// The robot's chain, the scene, the projection and the palette levels, against the GL recorder.
#include <gtest/gtest.h>
#include <math.h>

#include "gl_recorder.h"
#include "pixel_format.h"
#include "projection.h"
#include "scene.h"
#include "view_state.h"

namespace {

const GlMatrix kIdentity = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

// Primitives of the robot: base, column, turret and axle (three each), then the two links.
const size_t kBase = 0, kFarEnd = 16, kForearm = 19, kForearmBody = 22;

struct RobotPoint {
    double waist, shoulder, elbow;
    size_t primitive, vertex;
    double x, y, z;
};

// At rest the base stands on y = -50, the upper arm points at the viewer from
// the axle's end and the forearm hangs down beside it.
const RobotPoint kRobotPoints[] = {
    {0, 0, 0, kBase, 1, 0, -50, -30},
    {0, 0, 0, kFarEnd, 0, 20, 15, 60},
    {0, 0, 0, kForearm, 0, 10, 15, 60},
    {0, 0, 0, kForearmBody, 17, 10, -35, 65},
    {90, 0, 0, kBase, 1, 0, -50, -30}, // the waist turns what stands on the column
    {90, 0, 0, kForearmBody, 17, 65, -35, -10},
    {0, 90, 0, kFarEnd, 0, 20, -45, 0},       // the upper arm hangs down
    {0, 0, 90, kForearmBody, 17, 10, 10, 10}, // the forearm folds back along it
};

TEST(Robot, EachPartLandsWhereTheJointsPutIt)
{
    for (const RobotPoint& row : kRobotPoints) {
        ResetGl();
        DrawRobot(row.waist, row.shoulder, row.elbow);
        ASSERT_EQ(Gl().primitives.size(), 23u);
        const GlPoint& v = Gl().primitives[row.primitive].vertices.at(row.vertex);
        for (int k = 0; k < 3; k++)
            EXPECT_NEAR(v[k], (&row.x)[k], 1e-9)
                << "joints " << row.waist << ", " << row.shoulder << ", " << row.elbow
                << ": primitive " << row.primitive << " vertex " << row.vertex;
    }
}

struct SceneRow {
    ModelKind model;
    float rotX, rotY;
    size_t primitives;
    GlPoint firstVertexOfSecond; // the centre of the second primitive's fan, turned
};

// The model turns about Y in its own frame first, then about X.
const SceneRow kScenes[] = {
    {MODEL_CYLINDER, 0, 0, 3, {0, 0, 20}}, {MODEL_CYLINDER, 90, 90, 3, {20, 0, 0}},
    {MODEL_ARM1, 0, 0, 7, {0, 0, 10}},     {MODEL_ARM2, 0, 0, 4, {0, 0, 10}},
    {MODEL_ROBOT, 0, 0, 23, {0, -45, 0}},
};

TEST(Scene, DrawsTheModelTurnedAndLeavesTheMatricesAsItFoundThem)
{
    for (const SceneRow& row : kScenes) {
        ResetGl();
        g_viewState = ViewState{row.rotX, row.rotY, row.model, 0, 0, 0};
        DrawScene();
        ASSERT_EQ(Gl().primitives.size(), row.primitives) << "model " << row.model;
        const GlPoint& v = Gl().primitives[1].vertices[0];
        for (int k = 0; k < 3; k++)
            EXPECT_NEAR(v[k], row.firstVertexOfSecond[k], 1e-9) << "model " << row.model;
        EXPECT_EQ(Gl().last["glClear"],
                  std::vector<double>{GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT});
        EXPECT_EQ(Gl().count["glFlush"], 1);
        EXPECT_EQ(Gl().stack[0], std::vector<GlMatrix>{kIdentity});
        EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    }
}

struct Resize {
    int width, height;
    std::vector<double> viewport, ortho;
};

// A 200 x 200 square about the centre, the longer side widened; a side of 0 counts as 1.
const Resize kResizes[] = {
    {400, 400, {0, 0, 400, 400}, {-100, 100, -100, 100, -100, 100}},
    {600, 300, {0, 0, 600, 300}, {-200, 200, -100, 100, -100, 100}},
    {300, 700, {0, 0, 300, 700}, {-100, 100, -700 / 3.0, 700 / 3.0, -100, 100}},
    {700, 300, {0, 0, 700, 300}, {-700 / 3.0, 700 / 3.0, -100, 100, -100, 100}},
    {0, 300, {0, 0, 1, 300}, {-100, 100, -30000, 30000, -100, 100}},
    {300, 0, {0, 0, 300, 1}, {-30000, 30000, -100, 100, -100, 100}},
    {0, 0, {0, 0, 1, 1}, {-100, 100, -100, 100, -100, 100}},
};

TEST(ResizeView, KeepsTheCentralSquareAndWidensTheLongerSide)
{
    for (const Resize& row : kResizes) {
        ResetGl();
        glMatrixMode(GL_PROJECTION);
        glTranslated(5, 5, 5);
        ResizeView(row.width, row.height);
        EXPECT_EQ(Gl().last["glViewport"], row.viewport) << row.width << " x " << row.height;
        EXPECT_EQ(Gl().last["glOrtho"], row.ortho) << row.width << " x " << row.height;
        const GlMatrix& projection = Gl().stack[1].back(); // glOrtho on a fresh identity
        EXPECT_EQ(projection[0], 2 / (row.ortho[1] - row.ortho[0]));
        EXPECT_EQ(projection[12], 0);
        EXPECT_EQ(Gl().last["glMatrixMode"], std::vector<double>{GL_MODELVIEW});
    }
}

TEST(RenderState, IsGreyOutlinesOnWhiteDepthTested)
{
    ResetGl();
    InitRenderState();
    EXPECT_EQ(Gl().last["glPolygonMode"], (std::vector<double>{GL_FRONT_AND_BACK, GL_LINE}));
    EXPECT_EQ(Gl().last["glClearColor"], (std::vector<double>{1, 1, 1, 1}));
    EXPECT_EQ(Gl().last["glColor3f"], (std::vector<double>{0.5, 0.5, 0.5}));
    EXPECT_EQ(Gl().last["glEnable"], std::vector<double>{GL_DEPTH_TEST});
}

TEST(RgbPaletteEntry, SpreadsEachChannelEvenlyTruncatingItsLevels)
{
    PIXELFORMATDESCRIPTOR pfd = {};
    pfd.cRedBits = 3, pfd.cGreenBits = 3, pfd.cGreenShift = 3, pfd.cBlueBits = 2,
    pfd.cBlueShift = 6;
    // index, red, green, blue: levels 0 36 72 109 145 182 218 255, and 0 85 170 255
    const int rows[][4] = {{0, 0, 0, 0},   {1, 36, 0, 0},       {2, 72, 0, 0},
                           {7, 255, 0, 0}, {8 * 6, 0, 218, 0},  {8 * 5, 0, 182, 0},
                           {64, 0, 0, 85}, {255, 255, 255, 255}};
    for (const auto& row : rows) {
        PALETTEENTRY e = RgbPaletteEntry(row[0], &pfd);
        EXPECT_EQ((std::vector<int>{e.peRed, e.peGreen, e.peBlue, e.peFlags}),
                  (std::vector<int>{row[1], row[2], row[3], 0}))
            << "index " << row[0];
    }
    pfd.cBlueBits = 0;
    EXPECT_EQ(RgbPaletteEntry(255, &pfd).peBlue, 0);
}

} // namespace
