// Doubles are computed with 53-bit significands from process start, which
// the solids' rim loops and the palette's truncations rely on: the compiler
// keeps them in SSE2 registers, and the start-up code leaves the x87 unit,
// still used inside the C library, at 53 bits.
#include <float.h>
#include <stdio.h>

static_assert(FLT_EVAL_METHOD == 0, "doubles are evaluated in x87 registers, not as doubles");

// Summed in the x87 unit (long double) during the run-time's start-up, before
// main: at 64 bits 1 + 2^-60 stays above 1. The 64-bit run-time's _controlfp
// does not report the x87 precision, so the sum is the one test for both.
static volatile long double g_one = 1.0L, g_tiny = 0x1p-60L;
static const bool g_x87At53Bits = g_one + g_tiny == g_one;

int main()
{
    printf("%s: x87 sums round to 53 bits from process start\n", g_x87At53Bits ? "ok" : "FAILED");
    return g_x87At53Bits ? 0 : 1;
}
