#include "print/FontSearchWorker.h"

#include <utility>

#include "toolkit/FontGlyphs.h"

namespace letterloom {

namespace {
constexpr size_t kProgressSteps = 100;
// The interface thread waits at most about a stretch for drawing text; the rests cost the search
// about a fifth of its time.
constexpr LONGLONG kWorkStretchMs = 3;
constexpr DWORD kRestMs = 1;

LONGLONG Ticks() {
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    return now.QuadPart;
}
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
        // The interface thread goes first whenever it has something to do. Under Wine the
        // priority never reaches the host's scheduler, and the font machinery's lock, held for
        // most of each family, goes back to a thread that takes it again at once before a
        // waiting one: the interface thread's drawing would wait for the whole search. So the
        // search rests a moment after every stretch of work.
        ::SetThreadPriority(::GetCurrentThread(), THREAD_PRIORITY_BELOW_NORMAL);
        tk::GlyphProbe coverage;
        const size_t step = names_.size() / kProgressSteps + 1;
        LARGE_INTEGER frequency;
        ::QueryPerformanceFrequency(&frequency);
        const LONGLONG stretch = frequency.QuadPart * kWorkStretchMs / 1000;
        LONGLONG restAfter = Ticks() + stretch;
        for (size_t i = 0; i < names_.size() && !stop_; ++i) {
            if (coverage.HasAll(names_[i], characters_)) found_.push_back(names_[i]);
            if ((i + 1) % step == 0)
                ::PostMessageA(window_, progressMessage_, id_, static_cast<LPARAM>(i + 1));
            if (Ticks() >= restAfter) {
                ::Sleep(kRestMs);
                restAfter = Ticks() + stretch;
            }
        }
    } catch (...) {
        error_ = std::current_exception();
    }
    ::PostMessageA(window_, doneMessage_, id_, 0);
}

}  // namespace letterloom
