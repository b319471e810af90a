// The match clock's source: Allegro's timer thread adds one every second
// from start-up to exit; the match screen reads it on every pass of its loop.
#pragma once

#include <atomic>

extern std::atomic<int> elapsed_seconds;

// The once-a-second timer callback.
void increment_seconds();
