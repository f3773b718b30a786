#pragma once
// The times at which the interface thread ran its waiting messages, for a benchmark's longest
// stretch without them.
#include <windows.h>

#include <algorithm>
#include <vector>

#include "BenchClock.h"
#include "toolkit/UniqueHandle.h"

inline constexpr UINT kPumpMarker = WM_APP + 1;

// Keeps one marker message waiting in the interface thread's queue at all times: each time a
// message pump takes it, a helper thread posts the next. The times at which the markers are
// taken are the times at which waiting messages ran.
class PumpRecorder {
public:
    PumpRecorder() {
        WNDCLASSA wc{};
        wc.lpfnWndProc = WindowProc;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.lpszClassName = "BenchPumpMarker";
        ::RegisterClassA(&wc);
        window_ = ::CreateWindowExA(0, wc.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                    wc.hInstance, nullptr);
        ::SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        taken_.reset(::CreateEventA(nullptr, FALSE, FALSE, nullptr));
        thread_.reset(::CreateThread(nullptr, 0, Poster, this, 0, nullptr));
    }
    ~PumpRecorder() {
        ::InterlockedExchange(&stop_, 1);
        ::SetEvent(taken_.get());
        ::WaitForSingleObject(thread_.get(), INFINITE);
        ::DestroyWindow(window_);
    }
    PumpRecorder(const PumpRecorder&) = delete;
    PumpRecorder& operator=(const PumpRecorder&) = delete;

    // Posts the first marker; later ones follow each pump.
    void Start() {
        times_.clear();
        recording_ = true;
        ::PostMessageA(window_, kPumpMarker, 0, 0);
    }
    void Stop() {
        recording_ = false;
        MSG msg;
        while (::PeekMessageA(&msg, window_, kPumpMarker, kPumpMarker, PM_REMOVE)) {
        }
    }
    const std::vector<double>& Times() const { return times_; }

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
        if (msg == kPumpMarker) {
            auto* self = reinterpret_cast<PumpRecorder*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
            if (self && self->recording_) {
                self->times_.push_back(Now());
                ::SetEvent(self->taken_.get());
            }
            return 0;
        }
        return ::DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    static DWORD WINAPI Poster(void* param) {
        auto* self = static_cast<PumpRecorder*>(param);
        while (true) {
            ::WaitForSingleObject(self->taken_.get(), INFINITE);
            if (self->stop_) return 0;
            ::PostMessageA(self->window_, kPumpMarker, 0, 0);
        }
    }

    HWND window_ = nullptr;
    tk::UniqueKernelHandle taken_;
    tk::UniqueKernelHandle thread_;
    volatile LONG stop_ = 0;
    bool recording_ = false;
    std::vector<double> times_;
};

// The longest stretch between start and end in which no waiting message ran, from the times a
// recorder took.
inline double LongestGap(const std::vector<double>& times, double start, double end) {
    double previous = start;
    double longest = 0;
    for (double t : times) {
        if (t < start || t > end) continue;
        longest = std::max(longest, t - previous);
        previous = t;
    }
    return std::max(longest, end - previous);
}
