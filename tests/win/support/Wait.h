#pragma once
// Waiting in tests and benchmarks, never for a fixed time: for a condition, polled on the
// interface thread while its messages run, or on a driver thread that works the interface
// thread's windows from outside. The one loop behind them is the only place that rests.
#include <windows.h>

#include <functional>

#include "toolkit/UniqueHandle.h"

namespace testsupport {

// Long enough for anything that comes at all; a wait that ends this way fails its test.
constexpr DWORD kWaitMs = 5000;

// Runs every waiting message of this thread.
void Pump();

// Runs this thread's messages and polls the condition until it holds or timeoutMs have passed;
// whether it held.
bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs = kWaitMs);

// The same on a driver thread, which has no messages of its own to run.
bool PollFor(const std::function<bool()>& condition, DWORD timeoutMs = kWaitMs);

// A window of the thread that makes it. A marker posted to it is handled only after every
// message posted to that thread before it, and notes whether the thread had nothing else
// waiting then.
class QueueMarker {
public:
    QueueMarker();
    ~QueueMarker();
    QueueMarker(const QueueMarker&) = delete;
    QueueMarker& operator=(const QueueMarker&) = delete;

    // From any thread: posts markers until one finds its thread with nothing else to run. What
    // was posted to the thread before, and what that posted in turn, has run then.
    bool Reach(DWORD timeoutMs = kWaitMs);

private:
    HWND window_;
    LONG posted_ = 0;
};

// Runs this thread's messages until it has nothing else to run (a QueueMarker reached).
bool Settle();

// A Win32 thread of its own (<thread> brings in <chrono>, whose texts have no GBK form) that
// runs step over and over, polling for the interface thread's windows, until step returns true
// or the thread's owner is destroyed.
class DriverThread {
public:
    explicit DriverThread(std::function<bool()> step);
    ~DriverThread();
    DriverThread(const DriverThread&) = delete;
    DriverThread& operator=(const DriverThread&) = delete;

private:
    static DWORD WINAPI Main(void* self);
    std::function<bool()> step_;
    volatile LONG stop_ = 0;
    tk::UniqueKernelHandle thread_;
};

}  // namespace testsupport
