// The solids against the GL recorder, drawn with an identity model-view.
#include <gtest/gtest.h>
#include <math.h>

#include "gl_recorder.h"
#include "solids.h"

namespace {

const double kStep = 0.39268749952316284; // pi/8 with pi = 3.1415, a float widened

void Cylinder20()
{
    DrawCylinder(20.0, 20.0);
}

struct Solid {
    const char* name;
    void (*draw)();
    const char* modes; // F fan, S quad strip, Q quads
    std::vector<size_t> counts;
};

const Solid kSolids[] = {
    {"cylinder", Cylinder20, "FFS", {18, 18, 34}},
    {"upper arm", DrawUpperArm, "FFSQFFS", {10, 10, 18, 16, 10, 10, 18}},
    {"forearm", DrawForearm, "FFSQ", {10, 10, 18, 20}},
};

TEST(Solids, AreTheirPrimitivesWithExactVertexCounts)
{
    for (const Solid& solid : kSolids) {
        ResetGl();
        solid.draw();
        std::string modes;
        std::vector<size_t> counts;
        for (const GlPrimitive& p : Gl().primitives) {
            modes += p.mode == GL_TRIANGLE_FAN ? 'F' : p.mode == GL_QUAD_STRIP ? 'S' : 'Q';
            counts.push_back(p.vertices.size());
        }
        EXPECT_EQ(modes, solid.modes) << solid.name;
        EXPECT_EQ(counts, solid.counts) << solid.name;
        EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR)) << solid.name;
    }
}

struct Point {
    void (*draw)();
    size_t primitive, vertex;
    double x, y, z;
};

// Rims step by a float's pi/8 from +Y towards +X; a half turn is 3.1415 and a full one 6.283.
const Point kPoints[] = {
    {Cylinder20, 0, 1, 0, 20, 0},
    {Cylinder20, 0, 2, 20 * sin(kStep), 20 * cos(kStep), 0},
    {Cylinder20, 0, 17, 20 * sin(16 * kStep), 20 * cos(16 * kStep), 0}, // x about -0.0037
    {Cylinder20, 1, 2, -20 * sin(kStep), 20 * cos(kStep), 20},          // the top rim runs back
    {Cylinder20, 2, 0, 0, 20, 20},
    {Cylinder20, 2, 3, -20 * sin(kStep), 20 * cos(kStep), 0},
    {DrawUpperArm, 0, 9, 15 * sin(8 * kStep), 15 * cos(8 * kStep), 0}, // about (0.0014, -15)
    {DrawUpperArm, 4, 1, -60 + 10 * sin(8 * kStep), 10 * cos(8 * kStep), 0},
    {DrawUpperArm, 4, 9, -60 + 10 * sin(16 * kStep), 10 * cos(16 * kStep), 0},
    {DrawForearm, 1, 9, 0, 10, 10},
    {DrawUpperArm, 3, 2, -60, 10, 0}, // the bodies taper to their far ends
    {DrawForearm, 3, 16, -50, 5, 10},
};

TEST(Solids, PointsLandWhereTheStepsTakeThem)
{
    for (const Point& row : kPoints) {
        ResetGl();
        row.draw();
        const GlPoint& v = Gl().primitives.at(row.primitive).vertices.at(row.vertex);
        // Within a last bit: C libraries round sin and cos differently (MinGW's, glibc's).
        for (int k = 0; k < 3; k++)
            EXPECT_NEAR(v[k], (&row.x)[k], 1e-12)
                << "primitive " << row.primitive << " vertex " << row.vertex;
    }
}

} // namespace
