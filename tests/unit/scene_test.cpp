#include "solids.h"
#include "scene.h"
#include "view_state.h"
#include "recorded_test.h"

namespace {

class Scene : public RecordedTest {
protected:
    void SetUp() override
    {
        RecordedTest::SetUp();
        g_viewState = ViewState();
    }
};

// The frame's own calls, with the model's primitives left out.
std::vector<GlCall> FrameCalls()
{
    std::vector<GlCall> frame;
    bool inPrimitive = false;
    for (const GlCall& call : GlCalls()) {
        if (call.name == "glBegin" || call.name == "glEnd")
            inPrimitive = call.name == "glBegin";
        else if (!inPrimitive)
            frame.push_back(call);
    }
    return frame;
}

std::vector<GlCall> Frame(float rotX, float rotY)
{
    return {{"glClear", {GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT}},
            {"glPushMatrix", {}},
            {"glRotatef", {rotX, 1, 0, 0}},
            {"glRotatef", {rotY, 0, 1, 0}},
            {"glPopMatrix", {}},
            {"glMatrixMode", {GL_MODELVIEW}},
            {"glFlush", {}}};
}

TEST_F(Scene, ClearsTurnsDrawsAndFlushesInThatOrder)
{
    g_viewState.rotX = 15.0f;
    g_viewState.rotY = -40.0f;
    g_viewState.model = MODEL_ARM2;
    DrawScene();
    EXPECT_EQ(FrameCalls(), Frame(15.0f, -40.0f));
    EXPECT_EQ(GlStackDepth(GL_MODELVIEW), 1);
}

TEST_F(Scene, DrawsTheChosenModelBetweenTheTurnsAndThePop)
{
    g_viewState.waist = 10.0;
    g_viewState.shoulder = 20.0;
    g_viewState.elbow = 30.0;
    void (*const reference[])() = {[] { DrawCylinder(20.0, 20.0); }, DrawUpperArm, DrawForearm,
                                   [] { DrawRobot(10.0, 20.0, 30.0); }};
    for (int model = MODEL_CYLINDER; model <= MODEL_ROBOT; model++) {
        ResetGlRecorder();
        reference[model]();
        std::vector<GlCall> expected = GlCalls();
        ResetGlRecorder();
        g_viewState.model = static_cast<ModelKind>(model);
        DrawScene();
        std::vector<GlCall> drawn(GlCalls().begin() + 4, GlCalls().end() - 3);
        EXPECT_EQ(drawn, expected) << "model " << model;
        EXPECT_EQ(GlStackDepth(GL_MODELVIEW), 1);
    }
}

TEST_F(Scene, OutOfRangeModelDrawsNothing)
{
    for (int model : {4, -1}) {
        ResetGlRecorder();
        g_viewState.model = static_cast<ModelKind>(model);
        DrawScene();
        EXPECT_EQ(GlCalls(), Frame(0.0f, 0.0f)) << "model " << model;
    }
}

TEST_F(Scene, ModelTurnsAboutYInItsOwnFrameThenAboutX)
{
    g_viewState.rotX = 90.0f;
    g_viewState.rotY = 90.0f;
    DrawScene();
    ExpectPoint(GlPrimitives()[1].vertices[0].scene, 20, 0, 0); // cylinder's top centre
    ResetGlRecorder();
    g_viewState.model = MODEL_ROBOT;
    g_viewState.rotY = 0.0f;
    DrawScene();
    ExpectPoint(GlPrimitives()[0].vertices[0].scene, 0, 0, -50); // base turns too
}

} // namespace
