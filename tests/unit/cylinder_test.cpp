#include <math.h>

#include "solids.h"
#include "recorded_test.h"

namespace {

const double kStep = 0.39268749952316284; // pi/8 with pi = 3.1415, as a float widened

class Cylinder : public RecordedTest {};

TEST_F(Cylinder, IsTwoFansThenAQuadStripOf70Vertices)
{
    DrawCylinder(20.0, 20.0);
    ExpectOnlyPrimitiveCalls();
    const std::vector<GlPrimitive>& p = GlPrimitives();
    ASSERT_EQ(p.size(), 3u);
    EXPECT_EQ(p[0].mode, GLenum(GL_TRIANGLE_FAN));
    EXPECT_EQ(p[1].mode, GLenum(GL_TRIANGLE_FAN));
    EXPECT_EQ(p[2].mode, GLenum(GL_QUAD_STRIP));
    EXPECT_EQ(p[0].vertices.size(), 18u);
    EXPECT_EQ(p[1].vertices.size(), 18u);
    EXPECT_EQ(p[2].vertices.size(), 34u);
    for (size_t i = 0; i < p.size(); i++)
        for (size_t k = 0; k < p[i].vertices.size(); k++)
            EXPECT_EQ(p[i].vertices[k].is2d, i == 0 && k > 0) << "primitive " << i << " vertex " << k;
}

TEST_F(Cylinder, RimsStartOnPlusYAndTurnOppositeWays)
{
    DrawCylinder(7.0, 3.0);
    const std::vector<GlVertex>& bottom = GlPrimitives()[0].vertices;
    const std::vector<GlVertex>& top = GlPrimitives()[1].vertices;
    ExpectPoint(bottom[0].local, 0.0, 0.0, 0.0, 0.0);
    ExpectPoint(bottom[1].local, 0.0, 3.0, 0.0, 0.0);
    EXPECT_DOUBLE_EQ(bottom[2].local.x, 3.0 * sin(kStep));
    EXPECT_DOUBLE_EQ(bottom[2].local.y, 3.0 * cos(kStep));
    ExpectPoint(top[0].local, 0.0, 0.0, 7.0, 0.0);
    ExpectPoint(top[1].local, 0.0, 3.0, 7.0, 0.0);
    EXPECT_DOUBLE_EQ(top[2].local.x, -3.0 * sin(kStep));
    EXPECT_DOUBLE_EQ(top[2].local.y, 3.0 * cos(kStep));
    for (size_t k = 1; k < 18; k++) {
        EXPECT_EQ(top[k].local.x, -bottom[k].local.x) << k;
        EXPECT_EQ(top[k].local.y, bottom[k].local.y) << k;
    }
}

TEST_F(Cylinder, WallPairsEachTopRimPointWithThePointBelowIt)
{
    DrawCylinder(7.0, 3.0);
    const std::vector<GlVertex>& top = GlPrimitives()[1].vertices;
    const std::vector<GlVertex>& wall = GlPrimitives()[2].vertices;
    for (size_t k = 1; k < 18; k++) {
        ExpectPoint(wall[2 * k - 2].local, top[k].local.x, top[k].local.y, 7.0, 0.0);
        ExpectPoint(wall[2 * k - 1].local, top[k].local.x, top[k].local.y, 0.0, 0.0);
    }
}

TEST_F(Cylinder, RimClosesAtFullTurnNotTwoPi)
{
    DrawCylinder(20.0, 20.0);
    const GlPoint& last = GlPrimitives()[0].vertices[17].local;
    EXPECT_DOUBLE_EQ(last.x, 20.0 * sin(16 * kStep));
    EXPECT_NEAR(last.x, -0.0037, 0.0001); // a hair short of the first rim point
    EXPECT_NEAR(last.y, 20.0, 1e-6);
}

TEST_F(Cylinder, ZeroRadiusStillEmitsEveryVertexOnTheAxis)
{
    DrawCylinder(10.0, 0.0);
    size_t count = 0;
    for (const GlPrimitive& p : GlPrimitives())
        for (const GlVertex& v : p.vertices) {
            EXPECT_EQ(v.local.x, 0.0);
            EXPECT_EQ(v.local.y, 0.0);
            count++;
        }
    EXPECT_EQ(count, 70u);
}

TEST_F(Cylinder, EachCallEmitsAfresh)
{
    DrawCylinder(20.0, 20.0);
    DrawCylinder(20.0, 20.0);
    const std::vector<GlCall>& calls = GlCalls();
    ASSERT_EQ(calls.size(), 2 * (70u + 6u));
    EXPECT_TRUE(std::equal(calls.begin(), calls.begin() + 76, calls.begin() + 76));
}

} // namespace
