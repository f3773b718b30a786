#pragma once
// Builds the installed font names on a thread of their own. The first enumeration of fonts in a
// process has the platform read every font file, which takes far longer than anything else at
// start-up; the interface thread meanwhile goes on with its own steps.
#include <exception>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace letterloom {

class FontNamesWorker {
public:
    // Starts collecting the names for target; then, on the same thread, hands them to afterNames
    // if given. target is touched only on the caller's thread.
    explicit FontNamesWorker(
        std::vector<std::string>& target,
        std::function<void(const std::vector<std::string>&)> afterNames = nullptr);
    // Waits for the worker; unless Finish ran, the names it collected go to the target.
    ~FontNamesWorker();
    FontNamesWorker(const FontNamesWorker&) = delete;
    FontNamesWorker& operator=(const FontNamesWorker&) = delete;

    // Waits for the worker and gives its names to the target, or throws what it threw.
    void Finish();

private:
    void Join() noexcept;

    std::vector<std::string>& target_;
    std::vector<std::string> names_;
    std::exception_ptr error_;
    bool finished_ = false;
    std::thread thread_;
};

}  // namespace letterloom
