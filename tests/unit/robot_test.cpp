#include <math.h>

#include <algorithm>

#include "solids.h"
#include "scene.h"
#include "recorded_test.h"

namespace {

// Primitives of the posed robot: four cylinders of three, then the two links.
const size_t kBase = 0, kColumn = 3, kTurret = 6, kAxle = 9, kUpperArm = 12, kForearm = 19, kEnd = 23;

class Robot : public RecordedTest {};

// Scene-space corners of the box around primitives [first, last).
std::pair<GlPoint, GlPoint> SceneBounds(size_t first, size_t last)
{
    GlPoint lo = {1e300, 1e300, 1e300}, hi = {-1e300, -1e300, -1e300};
    for (size_t p = first; p < last; p++)
        for (const GlVertex& v : GlPrimitives()[p].vertices) {
            lo = {std::min(lo.x, v.scene.x), std::min(lo.y, v.scene.y), std::min(lo.z, v.scene.z)};
            hi = {std::max(hi.x, v.scene.x), std::max(hi.y, v.scene.y), std::max(hi.z, v.scene.z)};
        }
    return {lo, hi};
}

GlPoint Scene(size_t primitive, size_t vertex)
{
    return GlPrimitives()[primitive].vertices[vertex].scene;
}

void ExpectBounds(size_t first, size_t last, GlPoint lo, GlPoint hi)
{
    std::pair<GlPoint, GlPoint> box = SceneBounds(first, last);
    ExpectPoint(box.first, lo.x, lo.y, lo.z, 1e-6);
    ExpectPoint(box.second, hi.x, hi.y, hi.z, 1e-6);
}

TEST_F(Robot, RestPoseStacksBaseColumnTurretAndAxle)
{
    DrawRobot(0.0, 0.0, 0.0);
    ASSERT_EQ(GlPrimitives().size(), kEnd);
    ExpectBounds(kBase, kColumn, {-30, -50, -30}, {30, -45, 30});
    ExpectBounds(kColumn, kTurret, {-10, -45, -10}, {10, -5, 10});
    ExpectBounds(kTurret, kAxle, {-10, -5, -10}, {10, 15, 10});
    ExpectBounds(kAxle, kUpperArm, {-20, 5, -10}, {20, 25, 10});
    ExpectPoint(Scene(kAxle, 0), -20, 15, 0);
    ExpectPoint(Scene(kAxle + 1, 0), 20, 15, 0);
}

TEST_F(Robot, RestPosePointsTheUpperArmAtTheViewerAndHangsTheForearmBesideIt)
{
    DrawRobot(0.0, 0.0, 0.0);
    ExpectPoint(Scene(kUpperArm, 0), 20, 15, 0);      // pivot
    ExpectPoint(Scene(kUpperArm + 4, 0), 20, 15, 60); // far-end centre
    ExpectPoint(Scene(kForearm, 0), 10, 15, 60);      // pivot
    ExpectPoint(Scene(kForearm + 3, 17), 10, -35, 65); // end face, z = 0 edge
    ExpectPoint(Scene(kForearm + 3, 18), 10, -35, 55);
    std::pair<GlPoint, GlPoint> upper = SceneBounds(kUpperArm, kForearm);
    std::pair<GlPoint, GlPoint> fore = SceneBounds(kForearm, kEnd);
    EXPECT_NEAR(upper.first.x, 20, 1e-9);
    EXPECT_NEAR(upper.second.x, 30, 1e-9);
    EXPECT_NEAR(fore.first.x, 10, 1e-9);
    EXPECT_NEAR(fore.second.x, 20, 1e-9);
}

TEST_F(Robot, WaistTurnsEverythingFromTheTurretOnAboutTheColumn)
{
    DrawRobot(0.0, 0.0, 0.0);
    std::vector<GlPrimitive> rest = GlPrimitives();
    ResetGlRecorder();
    DrawRobot(30.0, 0.0, 0.0);
    const double c = sqrt(3.0) / 2, s = 0.5;
    for (size_t i = 0; i < kEnd; i++)
        for (size_t k = 0; k < rest[i].vertices.size(); k++) {
            const GlPoint& p = rest[i].vertices[k].scene;
            const GlPoint& q = Scene(i, k);
            if (i < kTurret)
                ExpectPoint(q, p.x, p.y, p.z, 0.0);
            else
                ExpectPoint(q, p.x * c + p.z * s, p.y, p.z * c - p.x * s);
        }
}

TEST_F(Robot, ShoulderAndElbowSwingTheLinksAboutTheAxleDirection)
{
    DrawRobot(0.0, 90.0, 0.0);
    ExpectPoint(Scene(kUpperArm + 4, 0), 20, -45, 0); // upper arm hangs down
    ExpectPoint(Scene(kForearm, 0), 10, -45, 0);
    ResetGlRecorder();
    DrawRobot(0.0, 0.0, 90.0);
    // Forearm folded back along the upper arm: end face edge at z = 10.
    ExpectPoint(Scene(kForearm + 3, 17), 10, 10, 10);
    ExpectPoint(Scene(kForearm + 3, 18), 10, 20, 10);
}

TEST_F(Robot, JointAnglesArePassedOnUnwrapped)
{
    DrawRobot(400.0, -725.0, 1000.0);
    std::vector<std::vector<double>> rotations;
    for (const GlCall& call : GlCalls())
        if (call.name == "glRotated")
            rotations.push_back(call.args);
    std::vector<std::vector<double>> expected = {
        {-90, 1, 0, 0}, {400, 0, 0, 1}, {90, 0, 1, 0}, {-635, 0, 0, 1}, {1090, 0, 0, 1}};
    EXPECT_EQ(rotations, expected);
}

TEST_F(Robot, DrawsFromTheCurrentMatrixAndLeavesItAsItFoundIt)
{
    glTranslated(1.0, 2.0, 3.0);
    GlMatrix before = GlTopMatrix(GL_MODELVIEW);
    DrawRobot(10.0, 20.0, 30.0);
    ExpectPoint(Scene(kBase, 0), 1, -48, 3);
    EXPECT_EQ(GlCalls()[1].name, "glPushMatrix");
    EXPECT_EQ(GlCalls().back().name, "glPopMatrix");
    EXPECT_EQ(GlStackDepth(GL_MODELVIEW), 1);
    EXPECT_EQ(GlTopMatrix(GL_MODELVIEW), before);
}

} // namespace
