#include "support/Wait.h"

#include <algorithm>
#include <cstdio>
#include <exception>

#include "toolkit/Application.h"

namespace testsupport {

namespace {

constexpr UINT kMarker = WM_APP + 41;
// The rests between polls grow from 1 ms to this: a quick condition is seen at once, a slow one
// costs little.
constexpr DWORD kLongestRestMs = 20;

bool Poll(const std::function<bool()>& condition, DWORD timeoutMs, bool runMessages) {
    const DWORD start = ::GetTickCount();
    for (DWORD rest = 1;; rest = std::min(rest * 2, kLongestRestMs)) {
        if (runMessages) Pump();
        if (condition()) return true;
        const DWORD waited = ::GetTickCount() - start;
        if (waited >= timeoutMs) return false;
        // A message that comes meanwhile ends the rest on the interface thread.
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, std::min(rest, timeoutMs - waited),
                                    runMessages ? QS_ALLINPUT : 0);
    }
}

// Notes the marker's number, negative when other messages were waiting behind it.
LRESULT CALLBACK MarkerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg != kMarker) return ::DefWindowProcA(hwnd, msg, wParam, lParam);
    const bool idle = HIWORD(::GetQueueStatus(QS_ALLINPUT)) == 0;
    const auto marker = static_cast<LONG_PTR>(wParam);
    ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, idle ? marker : -marker);
    return 0;
}

}  // namespace

void Pump() { tk::Application::Instance().ProcessMessages(); }

bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs) {
    return Poll(condition, timeoutMs, true);
}

bool PollFor(const std::function<bool()>& condition, DWORD timeoutMs) {
    return Poll(condition, timeoutMs, false);
}

QueueMarker::QueueMarker() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = MarkerProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "LetterloomQueueMarker";
    ::RegisterClassA(&wc);  // fails harmlessly once the class is there
    window_ = ::CreateWindowExA(0, wc.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                wc.hInstance, nullptr);
}

QueueMarker::~QueueMarker() { ::DestroyWindow(window_); }

bool QueueMarker::Reach(DWORD timeoutMs) {
    LONG_PTR marker = 0;  // the one on its way
    const auto reached = [this, &marker] {
        const LONG_PTR noted = ::GetWindowLongPtrA(window_, GWLP_USERDATA);
        if (marker != 0 && noted == marker) return true;
        if (marker != 0 && noted != -marker) return false;
        marker = ++posted_;
        ::PostMessageA(window_, kMarker, static_cast<WPARAM>(marker), 0);
        return false;
    };
    const bool ownThread = ::GetWindowThreadProcessId(window_, nullptr) == ::GetCurrentThreadId();
    return ownThread ? WaitFor(reached, timeoutMs) : PollFor(reached, timeoutMs);
}

bool Settle() { return QueueMarker().Reach(); }

DriverThread::DriverThread(std::function<bool()> step)
    : step_(std::move(step)), thread_(::CreateThread(nullptr, 0, Main, this, 0, nullptr)) {}

DriverThread::~DriverThread() {
    ::InterlockedExchange(&stop_, 1);
    ::WaitForSingleObject(thread_.get(), INFINITE);
}

DWORD WINAPI DriverThread::Main(void* param) {
    auto* self = static_cast<DriverThread*>(param);
    try {
        PollFor([self] { return self->stop_ || self->step_(); }, INFINITE);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "a driver thread stopped at an error: %s\n", error.what());
    } catch (...) {
        std::fputs("a driver thread stopped at an error\n", stderr);
    }
    return 0;
}

}  // namespace testsupport
