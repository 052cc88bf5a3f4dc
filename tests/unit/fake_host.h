// Stands in for a host under the Win32 core: the toolkit's events are
// scripted, one delivered each time the core waits; the frames made, the
// focus moves, control texts and buffer swaps are written to the trace.
#ifndef ROBOT_OXEL_TESTS_FAKE_HOST_H
#define ROBOT_OXEL_TESTS_FAKE_HOST_H

#include <functional>
#include <string>
#include <vector>

#include "host_platform.h"

struct FakeHost {
    std::vector<std::function<void()>> events; // the toolkit's, in order; then WM_QUIT
    size_t next;
    std::string trace; // what the core did, words separated by spaces
    int focused;       // the control with the focus, or -1
    bool noContext;    // wglCreateContext fails
};

const int kFakeOriginX = 100, kFakeOriginY = 60; // where every client area starts

FakeHost& Fake();
// Starts the core afresh on the stand-in, with the program's resource script.
void StartFakeCore(std::vector<std::function<void()>> events, bool noContext = false);
void Trace(const std::string& word);

#endif
