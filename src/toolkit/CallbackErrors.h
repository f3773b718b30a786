#pragma once
// Keeps exceptions out of the system's frames. A callback that the system calls (an enumeration,
// a window procedure) runs its work through Run, which catches what the work throws and tells the
// callback to stop; once the system call has returned, Rethrow raises it again in the caller.
#include <exception>
#include <utility>

namespace tk {

class CallbackErrors {
public:
    // Runs work; false when it threw (the first such exception is kept).
    template <typename Work>
    bool Run(Work&& work) noexcept {
        try {
            std::forward<Work>(work)();
            return true;
        } catch (...) {
            if (!error_) error_ = std::current_exception();
            return false;
        }
    }

    void Rethrow() {
        if (error_) std::rethrow_exception(std::exchange(error_, nullptr));
    }

private:
    std::exception_ptr error_;
};

}  // namespace tk
