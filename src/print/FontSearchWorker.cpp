#include "print/FontSearchWorker.h"

#include <utility>

#include "toolkit/GlyphCoverage.h"

namespace letterloom {

namespace {
constexpr size_t kProgressSteps = 100;
}  // namespace

FontSearchWorker::FontSearchWorker(std::vector<std::string> names, std::wstring characters,
                                   HWND window, UINT progressMessage, UINT doneMessage, WPARAM id)
    : names_(std::move(names)),
      characters_(std::move(characters)),
      window_(window),
      progressMessage_(progressMessage),
      doneMessage_(doneMessage),
      id_(id),
      thread_([this] { Search(); }) {}

FontSearchWorker::~FontSearchWorker() { Stop(); }

void FontSearchWorker::Stop() noexcept {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
}

std::vector<std::string> FontSearchWorker::Finish() {
    if (thread_.joinable()) thread_.join();
    if (error_) std::rethrow_exception(error_);
    return std::move(found_);
}

void FontSearchWorker::Search() {
    // Nothing may leave a thread's function: what fails reaches Finish.
    try {
        tk::GlyphCoverage coverage;
        const size_t step = names_.size() / kProgressSteps + 1;
        for (size_t i = 0; i < names_.size() && !stop_; ++i) {
            if (coverage.HasGlyphs(names_[i], characters_)) found_.push_back(names_[i]);
            if ((i + 1) % step == 0)
                ::PostMessageA(window_, progressMessage_, id_, static_cast<LPARAM>(i + 1));
        }
    } catch (...) {
        error_ = std::current_exception();
    }
    ::PostMessageA(window_, doneMessage_, id_, 0);
}

}  // namespace letterloom
