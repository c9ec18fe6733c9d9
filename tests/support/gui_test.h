#pragma once
// Helpers for tests that open real windows (the *_gui test folders). The
// gui test main starts wx only when a display is set, so the same program's
// unit suites also run without one.
#include <functional>

namespace qf::test {

// True when wx runs on a display.
bool HaveDisplay();
// Lets the event loop handle what is queued (input, paints, timers, posted
// messages) for about the given time, at least once.
void PumpEvents(int milliseconds = 0);
// Pumps until `done` holds or the time runs out; returns done().
bool PumpUntil(const std::function<bool()>& done, int timeoutMilliseconds = 3000);

} // namespace qf::test
