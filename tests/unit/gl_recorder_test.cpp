#include <GL/glu.h>

#include "recorded_test.h"

namespace {

// The other tests lean on these: their fixture fails on any queued error.
TEST(GlRecorder, QueuesTheErrorsGlWouldRaiseForMisuse)
{
    ResetGlRecorder();
    glPopMatrix();
    glBegin(GL_LINES);
    glTranslated(1.0, 0.0, 0.0);
    glEnd();
    glEnd();
    EXPECT_EQ(glGetError(), GLenum(GL_STACK_UNDERFLOW));
    EXPECT_EQ(glGetError(), GLenum(GL_INVALID_OPERATION));
    EXPECT_EQ(glGetError(), GLenum(GL_INVALID_OPERATION));
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    EXPECT_EQ(GlTopMatrix(GL_MODELVIEW)[12], 0.0);
}

TEST(GlRecorder, AnswersQueriesAsSetAndErrorsOldestFirst)
{
    ResetGlRecorder();
    SetGlString(GL_VENDOR, "Vendor");
    SetGluErrorString(GL_NO_ERROR, "no error");
    QueueGlError(GL_INVALID_ENUM);
    QueueGlError(GL_OUT_OF_MEMORY);
    EXPECT_STREQ(reinterpret_cast<const char*>(glGetString(GL_VENDOR)), "Vendor");
    EXPECT_EQ(glGetString(GL_RENDERER), nullptr);
    EXPECT_EQ(gluGetString(GLU_VERSION), nullptr);
    EXPECT_STREQ(reinterpret_cast<const char*>(gluErrorString(GL_NO_ERROR)), "no error");
    EXPECT_EQ(glGetError(), GLenum(GL_INVALID_ENUM));
    EXPECT_EQ(glGetError(), GLenum(GL_OUT_OF_MEMORY));
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    EXPECT_EQ(GlCalls().size(), 7u);
}

} // namespace
