// The randomised message test: its random source, the state it predicts, the
// steps it takes and the checks after each. Everything runs on one thread.
#ifndef ROBOT_OXEL_TESTS_STRESS_H
#define ROBOT_OXEL_TESTS_STRESS_H

#include <windows.h>

#include <stdint.h>

#include <random>
#include <string>

#include "view_state.h"

struct StressRun {
    uint64_t seed;
    std::mt19937_64 random;
    HWND window;
    ViewState expected; // what the keys and commands so far should have made of the view
    long step;
    std::string action; // the step being taken, for the failure report
    int dialogsRun;
    int framesChecked;
};

extern StressRun g_run;

// Prints the failure with the seed that reproduces it and ends the process.
[[noreturn]] void Fail(const char* format, ...);

int RandomBelow(int bound);
bool Chance(int percent);

// Hands out queued messages and the paints that follow until nothing is left.
void Pump();

// One random step each; every message goes through the layer's queue.
void SendKeys();
void SendCommand();
void RunAboutDialog();
void ResizeFrame();
void MinimiseAndRestore();
void UncoverClient();

// The invariants after every step; fails the run on the first broken one.
void CheckAfterStep();
void ExpectGlClean(const char* when);

#endif
