// The browser host's GL subset, natively: where vertices land and the edges
// each primitive kind gives in line mode.
#include "gl_context.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

namespace {

// Keeps the segment ends the subset hands to its backend, 4 doubles each.
struct Recorder : GlBackend {
    std::vector<double> ends;
    // clang-format off
    void Clear(GLbitfield, const float*) override {}
    void Viewport(int, int, int, int) override {}
    void DrawLines(const double* xyzw, size_t count, const float*, bool) override { ends.insert(ends.end(), xyzw, xyzw + count * 4); }
    const char* String(GLenum) override { return "WebKit"; }
    // clang-format on
};

struct Row {
    const char* name;
    std::function<void()> calls;
    std::vector<double> want; // clip coordinates of the vertex, or edges
};

class GlCore : public ::testing::Test {
  protected:
    // Runs each row on a fresh context; what returns what the row gave.
    void Run(const std::vector<Row>& rows, const std::function<std::vector<double>()>& what)
    {
        for (const Row& row : rows) {
            GlContext* context = GlCreateContext(&recorder_);
            GlMakeCurrent(context);
            recorder_.ends.clear();
            row.calls();
            glFlush();
            EXPECT_EQ(what(), row.want) << row.name;
            GlDeleteContext(context);
        }
    }
    Recorder recorder_;
};

void Ortho(double l, double r, double b, double t, double n, double f)
{
    glMatrixMode(GL_PROJECTION);
    glOrtho(l, r, b, t, n, f);
    glMatrixMode(GL_MODELVIEW);
}

// A degenerate triangle at the point, in line mode: every segment end is the point.
std::function<void()> At(std::function<void()> setup, double x, double y, double z)
{
    return [=] {
        glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
        setup();
        glBegin(GL_TRIANGLE_FAN);
        for (int i = 0; i < 3; i++)
            glVertex3d(x, y, z);
        glEnd();
    };
}

TEST_F(GlCore, VerticesLandWhereTheMatricesPutThem)
{
    Run({{"ortho of a 600 x 300 client",
          At([] { Ortho(-200, 200, -100, 100, -100, 100); }, 200, -100, 100),
          {1, -1, -1, 1}},
         {"quarter turn, unnormalised axis",
          At([] { glRotated(90, 0, 0, 2); }, 1, 0, 0),
          {0, 1, 0, 1}},
         {"the later rotation acts first",
          At([] { glRotated(90, 1, 0, 0), glRotated(90, 0, 1, 0); }, 1, 0, 0),
          {0, 1, 0, 1}},
         {"projection after model-view",
          At([] { Ortho(-2, 2, -2, 2, -2, 2), glTranslated(1, 0, 0); }, 1, 0, 0),
          {1, 0, 0, 1}},
         {"double precision", At([] { glTranslated(-1e8, 0, 0); }, 1e8 + 1, 0, 0), {1, 0, 0, 1}}},
        [&] {
            std::vector<double> first; // rounded off the last bits that sin and cos leave
            for (size_t k = 0; k < 4 && recorder_.ends.size() == 24; k++)
                first.push_back(std::round(recorder_.ends[k] * 1e12) / 1e12);
            return first;
        });
}

// Vertices on y = x * x, so that every polygon is convex and counter-clockwise.
std::function<void()> Outline(GLenum mode, int vertices, GLenum front = GL_LINE,
                              GLenum back = GL_LINE, GLenum frontFace = GL_CCW)
{
    return [=] {
        glPolygonMode(GL_FRONT, front);
        glPolygonMode(GL_BACK, back);
        glFrontFace(frontFace);
        glBegin(mode);
        for (int i = 0; i < vertices; i++)
            glVertex2d(i, i * i);
        glEnd();
    };
}

TEST_F(GlCore, LineModeDrawsTheEdgesOfEachPolygon)
{
    // Edges as vertex index pairs: 1, 3 is the edge from vertex 1 to 3.
    Run({{"fan", Outline(GL_TRIANGLE_FAN, 4), {0, 1, 1, 2, 2, 0, 0, 2, 2, 3, 3, 0}},
         {"quad strip",
          Outline(GL_QUAD_STRIP, 6),
          {0, 1, 1, 3, 3, 2, 2, 0, 2, 3, 3, 5, 5, 4, 4, 2}},
         {"quad strip, odd vertex dropped", Outline(GL_QUAD_STRIP, 5), {0, 1, 1, 3, 3, 2, 2, 0}},
         {"quads, incomplete one dropped", Outline(GL_QUADS, 7), {0, 1, 1, 2, 2, 3, 3, 0}},
         {"front faces outlined",
          Outline(GL_TRIANGLE_FAN, 3, GL_LINE, GL_FILL),
          {0, 1, 1, 2, 2, 0}},
         {"back faces outlined", Outline(GL_TRIANGLE_FAN, 3, GL_FILL, GL_LINE), {}},
         {"clockwise front faces", Outline(GL_TRIANGLE_FAN, 3, GL_LINE, GL_FILL, GL_CW), {}}},
        [&] {
            std::vector<double> edges;
            for (size_t end = 0; end < recorder_.ends.size(); end += 4)
                edges.push_back(recorder_.ends[end]);
            return edges;
        });
}

} // namespace
