// The framework's clock. Every reader of time (timers, double clicks, the
// program's own pauses) goes through these, so the headless backend's
// virtual clock governs all of them at once.
#pragma once

#include <cstdint>

// Milliseconds since an arbitrary start; the 32-bit form wraps after 49 days.
uint32_t GetTickCount();
uint64_t GetTickCount64();
// Blocks for `ms` without processing messages (on the headless backend the
// virtual clock simply moves on).
void Sleep(uint32_t ms);
