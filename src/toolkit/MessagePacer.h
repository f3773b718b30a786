#pragma once
// Keeps the interface responsive during a long loop on the interface thread. Asking the window
// system for waiting messages is a round trip that can cost more than a step of the loop, so the
// pacer asks at most once per interval: a message waits at most that long, or one step when a
// step takes longer.
#include <windows.h>

namespace tk {

class MessagePacer {
public:
    explicit MessagePacer(double intervalMs = 1.0);

    // Call after each step: runs the waiting messages when the interval has passed since they
    // last ran.
    void Step();

private:
    LONGLONG interval_;
    LONGLONG last_;
};

}  // namespace tk
