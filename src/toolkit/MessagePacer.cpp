#include "toolkit/MessagePacer.h"

#include "toolkit/Application.h"

namespace tk {

namespace {

LONGLONG Ticks() {
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    return now.QuadPart;
}

LONGLONG TicksPerSecond() {
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    return frequency.QuadPart;
}

}  // namespace

MessagePacer::MessagePacer(double intervalMs)
    : interval_(static_cast<LONGLONG>(intervalMs * static_cast<double>(TicksPerSecond()) / 1000.0)),
      last_(Ticks()) {}

void MessagePacer::Step() {
    const LONGLONG now = Ticks();
    if (now - last_ < interval_) return;
    Application::Instance().ProcessMessages();
    last_ = Ticks();
}

}  // namespace tk
