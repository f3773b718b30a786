#include "print/FontNamesWorker.h"

#include <utility>

namespace letterloom {

FontNamesWorker::FontNamesWorker(FontNamesSource source)
    : source_(std::move(source)), thread_([this] { Run(); }) {}

FontNamesWorker::~FontNamesWorker() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    stop_.Request();
    stepGiven_.notify_one();
    if (thread_.joinable()) thread_.join();
}

void FontNamesWorker::Run() {
    // Nothing may leave a thread's function: what fails reaches Take.
    try {
        names_ = source_(stop_);
    } catch (...) {
        error_ = std::current_exception();
    }
    {
        std::unique_lock lock(mutex_);
        stepGiven_.wait(lock, [this] { return hasStep_ || stopping_; });
        if (stopping_) return;
    }
    // step_ no longer changes once given. It only prepares: the names are as good without it.
    if (step_ && !error_) try {
            step_(names_);
        } catch (...) {
        }
    const std::lock_guard lock(mutex_);
    ready_ = true;
    if (notifyWindow_) ::PostMessageA(notifyWindow_, notifyMessage_, 0, 0);
}

void FontNamesWorker::ThenOnWorker(NamesStep step) {
    {
        const std::lock_guard lock(mutex_);
        if (hasStep_) return;
        hasStep_ = true;
        step_ = std::move(step);
    }
    stepGiven_.notify_one();
}

bool FontNamesWorker::Ready() const {
    const std::lock_guard lock(mutex_);
    return ready_;
}

void FontNamesWorker::NotifyWhenReady(HWND window, UINT message) {
    const std::lock_guard lock(mutex_);
    notifyWindow_ = window;
    notifyMessage_ = message;
    if (ready_ && window) ::PostMessageA(window, message, 0, 0);
}

std::vector<std::string> FontNamesWorker::Take() {
    if (!Ready()) return {};
    if (error_) std::rethrow_exception(std::exchange(error_, nullptr));
    return std::exchange(names_, {});
}

}  // namespace letterloom
