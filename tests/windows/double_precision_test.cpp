// Doubles must be computed with 53-bit significands from the moment the
// process starts: the solids' rim loops and the palette's truncations are
// defined in that arithmetic. On i686 the compiler's default is the x87
// unit with 64-bit significands, so check both what the compiler emits and
// what the start-up code left in the x87 unit, which the C library uses.
#include <float.h>
#include <stdio.h>

static_assert(FLT_EVAL_METHOD == 0, "doubles are evaluated in x87 registers, not as doubles");

namespace {

// Taken by the run-time's start-up, before main and before later static initialisers.
const unsigned int g_startControl = _controlfp(0, 0);

int g_passed = 0;
int g_failed = 0;

void Expect(bool ok, const char* behaviour)
{
    printf("%s: %s\n", ok ? "ok" : "FAILED", behaviour);
    (ok ? g_passed : g_failed)++;
}

} // namespace

int main()
{
    Expect((g_startControl & _MCW_PC) == _PC_53, "x87 precision is 53 bits before main");
    Expect((_controlfp(0, 0) & _MCW_PC) == _PC_53, "x87 precision is 53 bits in main");

    // 1 + 2^-53 + 2^-60 rounded to a double after each addition is 1; kept
    // in 64 bits and rounded once at the end it is 1 + 2^-52.
    volatile double one = 1.0, halfUlp = 0x1p-53, tiny = 0x1p-60;
    volatile double sum = one + halfUlp + tiny;
    Expect(sum == 1.0, "double sums round to 53 bits after each addition");

    // The x87 unit itself: under 64-bit precision 1 + 2^-60 stays above 1.
    volatile long double x87One = 1.0L, x87Tiny = 0x1p-60L;
    volatile long double x87Sum = x87One + x87Tiny;
    Expect(x87Sum == 1.0L, "x87 sums round to 53 bits");

    printf("%d passed, %d failed\n", g_passed, g_failed);
    return g_failed == 0 ? 0 : 1;
}
