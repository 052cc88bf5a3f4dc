// Checks shared by the solid, robot and scene tests, over recorded primitives.
#ifndef ROBOT_OXEL_TESTS_SOLID_CHECKS_H
#define ROBOT_OXEL_TESTS_SOLID_CHECKS_H

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "gl_recorder.h"

// Resets the recorder before each test and fails one that left a GL error behind.
class RecordedTest : public ::testing::Test {
protected:
    void SetUp() override { ResetGlRecorder(); }
    void TearDown() override { EXPECT_EQ(glGetError(), GL_NO_ERROR); }
};

inline void ExpectPoint(const GlPoint& p, double x, double y, double z, double tolerance = 1e-9)
{
    EXPECT_NEAR(p.x, x, tolerance);
    EXPECT_NEAR(p.y, y, tolerance);
    EXPECT_NEAR(p.z, z, tolerance);
}

inline void ExpectOnlyPrimitiveCalls()
{
    const std::set<std::string> allowed = {"glBegin", "glEnd", "glVertex2d", "glVertex3d"};
    for (const GlCall& call : GlCalls())
        EXPECT_TRUE(allowed.count(call.name)) << call.name;
}

// Scene-space corners of the box around primitives [first, last).
inline std::pair<GlPoint, GlPoint> SceneBounds(size_t first, size_t last)
{
    GlPoint lo = {1e300, 1e300, 1e300}, hi = {-1e300, -1e300, -1e300};
    for (size_t p = first; p < last; p++)
        for (const GlVertex& v : GlPrimitives()[p].vertices) {
            lo = {std::min(lo.x, v.scene.x), std::min(lo.y, v.scene.y), std::min(lo.z, v.scene.z)};
            hi = {std::max(hi.x, v.scene.x), std::max(hi.y, v.scene.y), std::max(hi.z, v.scene.z)};
        }
    return {lo, hi};
}

// The faces (triangles or quads) a primitive's vertices make, by GL's rules for its mode.
inline std::vector<std::vector<GlPoint>> Faces(const GlPrimitive& primitive)
{
    const std::vector<GlVertex>& v = primitive.vertices;
    std::vector<std::vector<GlPoint>> faces;
    if (primitive.mode == GL_TRIANGLE_FAN)
        for (size_t i = 1; i + 1 < v.size(); i++)
            faces.push_back({v[0].local, v[i].local, v[i + 1].local});
    if (primitive.mode == GL_QUAD_STRIP)
        for (size_t i = 0; i + 3 < v.size(); i += 2)
            faces.push_back({v[i].local, v[i + 1].local, v[i + 3].local, v[i + 2].local});
    if (primitive.mode == GL_QUADS)
        for (size_t i = 0; i + 3 < v.size(); i += 4)
            faces.push_back({v[i].local, v[i + 1].local, v[i + 2].local, v[i + 3].local});
    return faces;
}

// Counter-clockwise seen from outside: each face's normal points away from
// the point inside, which must lie within the convex part the primitive bounds.
inline void ExpectWoundOutwards(const GlPrimitive& primitive, GlPoint inside)
{
    for (const std::vector<GlPoint>& face : Faces(primitive)) {
        GlPoint n = {0, 0, 0}, centre = {0, 0, 0};
        for (size_t i = 0; i < face.size(); i++) {
            const GlPoint& a = face[i];
            const GlPoint& b = face[(i + 1) % face.size()];
            n = {n.x + (a.y - b.y) * (a.z + b.z), n.y + (a.z - b.z) * (a.x + b.x),
                 n.z + (a.x - b.x) * (a.y + b.y)};
            centre = {centre.x + a.x, centre.y + a.y, centre.z + a.z};
        }
        double k = 1.0 / face.size();
        double outwards = n.x * (centre.x * k - inside.x) + n.y * (centre.y * k - inside.y) +
                          n.z * (centre.z * k - inside.z);
        EXPECT_GT(outwards, 0.0) << "face at " << centre.x * k << ", " << centre.y * k << ", "
                                 << centre.z * k;
    }
}

#endif
