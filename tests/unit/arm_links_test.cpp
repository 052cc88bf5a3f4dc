#include <math.h>

#include <tuple>

#include "solids.h"
#include "recorded_test.h"

namespace {

const double kStep = 0.39268749952316284; // pi/8 with pi = 3.1415, as a float widened

class UpperArm : public RecordedTest {};
class Forearm : public RecordedTest {};

void ExpectModesAndCounts(const std::vector<GLenum>& modes, const std::vector<size_t>& counts)
{
    ExpectOnlyPrimitiveCalls();
    const std::vector<GlPrimitive>& p = GlPrimitives();
    ASSERT_EQ(p.size(), modes.size());
    for (size_t i = 0; i < p.size(); i++) {
        EXPECT_EQ(p[i].mode, modes[i]) << "primitive " << i;
        EXPECT_EQ(p[i].vertices.size(), counts[i]) << "primitive " << i;
    }
}

// A rounded end starting at primitive first: lower half disc (rim by
// glVertex2d), upper half disc retracing it backwards at z = 10, and a
// wall pairing each upper rim point with the point below it.
void ExpectRoundedEnd(size_t first, double cx, double r)
{
    const std::vector<GlVertex>& lower = GlPrimitives()[first].vertices;
    const std::vector<GlVertex>& upper = GlPrimitives()[first + 1].vertices;
    const std::vector<GlVertex>& wall = GlPrimitives()[first + 2].vertices;
    ExpectPoint(lower[0].local, cx, 0.0, 0.0, 0.0);
    ExpectPoint(upper[0].local, cx, 0.0, 10.0, 0.0);
    for (size_t k = 0; k < lower.size(); k++)
        EXPECT_EQ(lower[k].is2d, k > 0);
    for (size_t k = 1; k < 10; k++) {
        EXPECT_NEAR(hypot(lower[k].local.x - cx, lower[k].local.y), r, 1e-12);
        ExpectPoint(upper[k].local, lower[10 - k].local.x, lower[10 - k].local.y, 10.0, 1e-12);
        ExpectPoint(wall[2 * k - 2].local, upper[k].local.x, upper[k].local.y, 10.0, 0.0);
        ExpectPoint(wall[2 * k - 1].local, upper[k].local.x, upper[k].local.y, 0.0, 0.0);
    }
}

// The body quads of a link tapering from width 2 * w0 at x = 0 to 2 * w1 at
// xEnd: faces bottom, top, +Y side, -Y side, then the end face if any.
void ExpectTaperedBody(size_t index, double w0, double xEnd, double w1, size_t faces)
{
    const GlPrimitive& body = GlPrimitives()[index];
    ASSERT_EQ(body.vertices.size(), 4 * faces);
    for (size_t f = 0; f < faces; f++) {
        std::set<std::tuple<double, double, double>> distinct;
        for (size_t k = 0; k < 4; k++) {
            const GlVertex& v = body.vertices[4 * f + k];
            const GlPoint& p = v.local;
            bool corner = ((p.x == 0.0 && fabs(p.y) == w0) || (p.x == xEnd && fabs(p.y) == w1)) &&
                          (p.z == 0.0 || p.z == 10.0);
            bool onFace[] = {p.z == 0.0, p.z == 10.0, p.y > 0.0, p.y < 0.0, p.x == xEnd};
            EXPECT_TRUE(corner && onFace[f] && !v.is2d) << "face " << f << " vertex " << k;
            distinct.insert(std::make_tuple(p.x, p.y, p.z));
        }
        EXPECT_EQ(distinct.size(), 4u) << "face " << f;
    }
}

TEST_F(UpperArm, IsFanFanStripQuadsFanFanStripOf92Vertices)
{
    DrawUpperArm();
    ExpectModesAndCounts({GL_TRIANGLE_FAN, GL_TRIANGLE_FAN, GL_QUAD_STRIP, GL_QUADS,
                          GL_TRIANGLE_FAN, GL_TRIANGLE_FAN, GL_QUAD_STRIP},
                         {10, 10, 18, 16, 10, 10, 18});
}

TEST_F(UpperArm, IsTwoRoundedEndsJoinedByATaperedBody)
{
    DrawUpperArm();
    ExpectRoundedEnd(0, 0.0, 15.0);
    ExpectTaperedBody(3, 15.0, -60.0, 10.0, 4);
    ExpectRoundedEnd(4, -60.0, 10.0);
}

TEST_F(UpperArm, PivotEndStartsOnTheBodyEdgeAndMissesItByAHairAtTheOtherSide)
{
    DrawUpperArm();
    const std::vector<GlVertex>& rim = GlPrimitives()[0].vertices;
    ExpectPoint(rim[1].local, 0.0, 15.0, 0.0, 0.0);
    EXPECT_DOUBLE_EQ(rim[2].local.x, 15.0 * sin(kStep));
    EXPECT_DOUBLE_EQ(rim[2].local.y, 15.0 * cos(kStep));
    ExpectPoint(rim[9].local, 0.0014, -15.0, 0.0, 0.00005);
}

TEST_F(UpperArm, FarEndMissesTheBodyByTwoThousandths)
{
    DrawUpperArm();
    const std::vector<GlVertex>& rim = GlPrimitives()[4].vertices;
    ExpectPoint(rim[1].local, -59.9991, -10.0, 0.0, 0.00005);
    ExpectPoint(rim[9].local, -60.0019, 10.0, 0.0, 0.00005);
}

TEST_F(Forearm, IsFanFanStripQuadsOf58Vertices)
{
    DrawForearm();
    ExpectModesAndCounts({GL_TRIANGLE_FAN, GL_TRIANGLE_FAN, GL_QUAD_STRIP, GL_QUADS}, {10, 10, 18, 20});
}

TEST_F(Forearm, IsARoundedEndAndATaperedBodyClosedByAFlatFace)
{
    DrawForearm();
    ExpectRoundedEnd(0, 0.0, 10.0);
    ExpectTaperedBody(3, 10.0, -50.0, 5.0, 5);
    const std::vector<GlVertex>& rim = GlPrimitives()[0].vertices;
    ExpectPoint(rim[1].local, 0.0, 10.0, 0.0, 0.0);
    ExpectPoint(rim[9].local, 0.0009, -10.0, 0.0, 0.00005);
}

} // namespace
