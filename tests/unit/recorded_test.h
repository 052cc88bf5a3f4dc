// Fixture and checks shared by the tests run against the GL recorder.
#ifndef ROBOT_OXEL_TESTS_RECORDED_TEST_H
#define ROBOT_OXEL_TESTS_RECORDED_TEST_H

#include <gtest/gtest.h>

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

#endif
