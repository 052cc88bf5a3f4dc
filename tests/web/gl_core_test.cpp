// The browser host's GL subset, natively: where vertices land, the edges
// each primitive kind gives in line mode, and GL's error rules.
#include "gl_context.h"

#include <GL/glu.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

// Records what the subset hands to its backend.
struct Recorder : GlBackend {
    std::vector<double> ends; // 4 doubles per segment end
    std::string calls;        // "clear viewport lines ..."
    float lineColor[4];
    bool depthTest = false;
    void Clear(GLbitfield, const float*) override
    {
        calls += "clear ";
    }
    void Viewport(int, int, int, int) override
    {
        calls += "viewport ";
    }
    void DrawLines(const double* xyzw, size_t count, const float rgba[4], bool depth) override
    {
        calls += "lines ";
        ends.insert(ends.end(), xyzw, xyzw + count * 4);
        std::copy(rgba, rgba + 4, lineColor);
        depthTest = depth;
    }
    const char* String(GLenum) override
    {
        return "WebKit";
    }
};

class GlCore : public ::testing::Test {
  protected:
    void SetUp() override
    {
        context_ = GlCreateContext(&recorder_);
        GlMakeCurrent(context_);
    }
    void TearDown() override
    {
        GlDeleteContext(context_);
    }

    std::vector<GLenum> PendingErrors()
    {
        std::vector<GLenum> codes;
        for (GLenum code; (code = glGetError()) != GL_NO_ERROR;)
            codes.push_back(code);
        return codes;
    }

    Recorder recorder_;
    GlContext* context_ = nullptr;
};

struct Placement {
    const char* name;
    std::function<void()> setup;
    double in[3];
    double clip[4];
};

TEST_F(GlCore, VerticesLandWhereTheMatricesPutThem)
{
    auto ortho = [](double l, double r, double b, double t, double n, double f) {
        glMatrixMode(GL_PROJECTION);
        glOrtho(l, r, b, t, n, f);
        glMatrixMode(GL_MODELVIEW);
    };
    const Placement rows[] = {
        {"ortho of a 600 x 300 client",
         [&] { ortho(-200, 200, -100, 100, -100, 100); },
         {200, -100, 100},
         {1, -1, -1, 1}},
        {"ortho off centre", [&] { ortho(0, 10, 0, 20, 0, 1); }, {5, 10, -0.5}, {0, 0, 0, 1}},
        {"translation", [] { glTranslated(1, 2, 3); }, {4, 5, 6}, {5, 7, 9, 1}},
        {"quarter turn about an unnormalised axis",
         [] { glRotated(90, 0, 0, 2); },
         {1, 0, 0},
         {0, 1, 0, 1}},
        {"the later rotation acts first",
         [] { glRotated(90, 1, 0, 0), glRotated(90, 0, 1, 0); },
         {1, 0, 0},
         {0, 1, 0, 1}},
        {"projection after model-view",
         [&] { ortho(-2, 2, -2, 2, -2, 2), glTranslated(1, 0, 0); },
         {1, 0, 0},
         {1, 0, 0, 1}},
        {"pop restores the pushed matrix",
         [] { glPushMatrix(), glTranslated(5, 5, 5), glPopMatrix(); },
         {1, 1, 1},
         {1, 1, 1, 1}},
        {"load identity on the current stack only",
         [&] { ortho(-2, 2, -2, 2, -2, 2), glTranslated(4, 0, 0), glLoadIdentity(); },
         {2, 0, 0},
         {1, 0, 0, 1}},
        {"double precision", [] { glTranslated(-1e8, 0, 0); }, {1e8 + 1, 0, 0}, {1, 0, 0, 1}},
    };
    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    for (const Placement& row : rows) {
        SCOPED_TRACE(row.name);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        row.setup();
        recorder_.ends.clear();
        // A degenerate triangle: every edge end is the vertex.
        glBegin(GL_TRIANGLE_FAN);
        for (int i = 0; i < 3; i++)
            glVertex3d(row.in[0], row.in[1], row.in[2]);
        glEnd();
        glFlush();
        ASSERT_EQ(recorder_.ends.size(), 3u * 2 * 4);
        for (int i = 0; i < 4; i++)
            EXPECT_NEAR(recorder_.ends[i], row.clip[i], 1e-12) << "component " << i;
        EXPECT_TRUE(PendingErrors().empty());
    }
}

struct Outline {
    const char* name;
    GLenum mode;
    int vertices;
    GLenum front, back, frontFace;
    const char* edges; // vertex index pairs
};

TEST_F(GlCore, LineModeDrawsTheEdgesOfEachPolygon)
{
    const GLenum L = GL_LINE, F = GL_FILL;
    const Outline rows[] = {
        {"fan", GL_TRIANGLE_FAN, 4, L, L, GL_CCW, "01 12 20 02 23 30 "},
        {"fan without a triangle", GL_TRIANGLE_FAN, 2, L, L, GL_CCW, ""},
        {"quad strip", GL_QUAD_STRIP, 6, L, L, GL_CCW, "01 13 32 20 23 35 54 42 "},
        {"quad strip, odd vertex dropped", GL_QUAD_STRIP, 5, L, L, GL_CCW, "01 13 32 20 "},
        {"quads", GL_QUADS, 8, L, L, GL_CCW, "01 12 23 30 45 56 67 74 "},
        {"quads, incomplete one dropped", GL_QUADS, 7, L, L, GL_CCW, "01 12 23 30 "},
        {"front faces outlined", GL_TRIANGLE_FAN, 3, L, F, GL_CCW, "01 12 20 "},
        {"back faces outlined", GL_TRIANGLE_FAN, 3, F, L, GL_CCW, ""},
        {"clockwise front faces", GL_TRIANGLE_FAN, 3, L, F, GL_CW, ""},
        {"fill draws nothing", GL_QUADS, 4, F, F, GL_CCW, ""},
    };
    for (const Outline& row : rows) {
        SCOPED_TRACE(row.name);
        glPolygonMode(GL_FRONT, row.front);
        glPolygonMode(GL_BACK, row.back);
        glFrontFace(row.frontFace);
        recorder_.ends.clear();
        // On y = x * x, so every polygon below is convex and counter-clockwise.
        glBegin(row.mode);
        for (int i = 0; i < row.vertices; i++)
            glVertex2d(i, i * i);
        glEnd();
        glFlush();
        std::string edges;
        for (size_t end = 0; end < recorder_.ends.size(); end += 4)
            edges += std::to_string(static_cast<int>(recorder_.ends[end])) + (end % 8 ? " " : "");
        EXPECT_EQ(edges, row.edges);
        EXPECT_TRUE(PendingErrors().empty());
    }
}

struct Misuse {
    const char* name;
    std::function<void()> calls;
    std::vector<GLenum> errors;
};

TEST_F(GlCore, MisuseRaisesGlErrors)
{
    const Misuse rows[] = {
        {"a 33rd model-view matrix",
         [] {
             for (int i = 0; i < 32; i++)
                 glPushMatrix();
         },
         {GL_STACK_OVERFLOW}},
        {"a 3rd projection matrix",
         [] { glMatrixMode(GL_PROJECTION), glPushMatrix(), glPushMatrix(); },
         {GL_STACK_OVERFLOW}},
        {"pop at the bottom, twice: pending once",
         [] { glPopMatrix(), glPopMatrix(); },
         {GL_STACK_UNDERFLOW}},
        {"unknown matrix mode", [] { glMatrixMode(0); }, {GL_INVALID_ENUM}},
        {"glBegin inside glBegin",
         [] { glBegin(GL_QUADS), glBegin(GL_QUADS), glEnd(); },
         {GL_INVALID_OPERATION}},
        {"glEnd alone", [] { glEnd(); }, {GL_INVALID_OPERATION}},
        {"matrix call inside glBegin",
         [] { glBegin(GL_QUADS), glPushMatrix(), glEnd(); },
         {GL_INVALID_OPERATION}},
        {"distinct errors oldest first",
         [] { glPopMatrix(), glOrtho(0, 0, 0, 1, 0, 1), glMatrixMode(0), glPopMatrix(); },
         {GL_STACK_UNDERFLOW, GL_INVALID_VALUE, GL_INVALID_ENUM}},
    };
    for (const Misuse& row : rows) {
        SCOPED_TRACE(row.name);
        GlDeleteContext(context_);
        context_ = GlCreateContext(&recorder_);
        GlMakeCurrent(context_);
        row.calls();
        EXPECT_EQ(PendingErrors(), row.errors);
    }
}

} // namespace
