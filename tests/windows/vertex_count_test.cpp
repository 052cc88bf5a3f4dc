// The solids' primitives and vertex counts as built for Windows: 17 rim
// points over a full turn and 9 over a half turn, which only exact double
// arithmetic on the angle steps gives.
#include <GL/gl.h>
#include <stdio.h>

#include "solids.h"
#include "gl_counter.h"

namespace {

int g_passed = 0;
int g_failed = 0;

// Draws one solid and compares every primitive's mode and vertex count.
void ExpectPrimitives(const char* solid, void (*draw)(), const PrimitiveCount* expected, int count)
{
    ResetGlCounter();
    draw();
    bool ok = CountedPrimitives() == count;
    int total = 0;
    for (int i = 0; i < CountedPrimitives(); i++) {
        PrimitiveCount got = CountedPrimitive(i);
        total += got.vertices;
        if (i < count && (got.mode != expected[i].mode || got.vertices != expected[i].vertices)) {
            printf("  %s primitive %d: mode 0x%x with %d vertices, expected 0x%x with %d\n", solid,
                   i, got.mode, got.vertices, expected[i].mode, expected[i].vertices);
            ok = false;
        }
    }
    printf("%s: %s draws %d primitives of %d vertices in all\n", ok ? "ok" : "FAILED", solid,
           CountedPrimitives(), total);
    (ok ? g_passed : g_failed)++;
}

void DrawModelCylinder()
{
    DrawCylinder(20.0, 20.0);
}

// Full-turn caps of 1 + 17 and a wall of 17 pairs.
const PrimitiveCount kCylinder[] = {
    {GL_TRIANGLE_FAN, 18}, {GL_TRIANGLE_FAN, 18}, {GL_QUAD_STRIP, 34}};

// Half-turn ends of 1 + 9 with walls of 9 pairs, around the link bodies.
const PrimitiveCount kUpperArm[] = {
    {GL_TRIANGLE_FAN, 10}, {GL_TRIANGLE_FAN, 10}, {GL_QUAD_STRIP, 18}, {GL_QUADS, 16},
    {GL_TRIANGLE_FAN, 10}, {GL_TRIANGLE_FAN, 10}, {GL_QUAD_STRIP, 18}};
const PrimitiveCount kForearm[] = {
    {GL_TRIANGLE_FAN, 10}, {GL_TRIANGLE_FAN, 10}, {GL_QUAD_STRIP, 18}, {GL_QUADS, 20}};

} // namespace

int main()
{
    ExpectPrimitives("cylinder 20 x 20", DrawModelCylinder, kCylinder, 3);
    ExpectPrimitives("upper arm", DrawUpperArm, kUpperArm, 7);
    ExpectPrimitives("forearm", DrawForearm, kForearm, 4);
    printf("%d passed, %d failed\n", g_passed, g_failed);
    return g_failed == 0 ? 0 : 1;
}
