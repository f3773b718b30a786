#include "print/FontNamesWorker.h"

#include <utility>

#include "print/InstalledFonts.h"

namespace letterloom {

FontNamesWorker::FontNamesWorker(std::vector<std::string>& target,
                                 std::function<void(const std::vector<std::string>&)> afterNames)
    : target_(target), thread_([this, afterNames = std::move(afterNames)] {
          // Nothing may leave a thread's function: what fails reaches Finish.
          try {
              names_ = CollectInstalledFontNames();
              if (afterNames) afterNames(names_);
          } catch (...) {
              error_ = std::current_exception();
          }
      }) {}

FontNamesWorker::~FontNamesWorker() {
    Join();
    // Left early (a later step failed): the names still become the list.
    if (!finished_ && !error_) target_ = std::move(names_);
}

void FontNamesWorker::Finish() {
    Join();
    finished_ = true;
    if (error_) std::rethrow_exception(error_);
    target_ = std::move(names_);
}

void FontNamesWorker::Join() noexcept {
    if (thread_.joinable()) thread_.join();
}

}  // namespace letterloom
