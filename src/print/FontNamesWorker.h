#pragma once
// Collects the installed font names on a thread of its own from the moment it is made, so that
// the program's other start-up steps, and the window, go on meanwhile.
#include <windows.h>

#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "toolkit/StopSignal.h"

namespace letterloom {

// Collects the names; returns soon, with anything, once stop is requested.
using FontNamesSource = std::function<std::vector<std::string>(const tk::StopSignal& stop)>;

class FontNamesWorker {
public:
    explicit FontNamesWorker(FontNamesSource source);
    // Stops the source and waits for the thread.
    ~FontNamesWorker();
    FontNamesWorker(const FontNamesWorker&) = delete;
    FontNamesWorker& operator=(const FontNamesWorker&) = delete;

    // What runs on the worker's thread with the collected names before they are ready (the
    // first screenful's faces); given once, from the thread that made the worker, nullptr for
    // nothing. The names are not ready until it is given. The step, and what it holds, live as
    // long as the worker.
    using NamesStep = std::function<void(const std::vector<std::string>&)>;
    void ThenOnWorker(NamesStep step);

    bool Ready() const;
    // Posts message to window once the names are ready, at once if they are. A null window
    // stops the notice.
    void NotifyWhenReady(HWND window, UINT message);
    // The names once ready, or throws what collecting them threw. Once: later calls give none.
    std::vector<std::string> Take();

private:
    void Run();

    FontNamesSource source_;
    tk::StopSignal stop_;
    mutable std::mutex mutex_;
    std::condition_variable stepGiven_;
    bool hasStep_ = false;
    bool stopping_ = false;
    NamesStep step_;
    bool ready_ = false;
    HWND notifyWindow_ = nullptr;
    UINT notifyMessage_ = 0;
    // Written by the thread before ready_, read by the owner after it.
    std::vector<std::string> names_;
    std::exception_ptr error_;
    // Last, so that it starts once everything above is made and stops before it goes.
    std::thread thread_;
};

}  // namespace letterloom
