#pragma once
// Looks for the font families that have a glyph for every character of a text, on a thread of
// its own with its own device context, so that the interface goes on while thousands of fonts
// are realised one after the other.
#include <windows.h>

#include <atomic>
#include <exception>
#include <string>
#include <thread>
#include <vector>

namespace letterloom {

class FontSearchWorker {
public:
    // Starts judging names for characters (UTF-16, see logic::CharactersToJudge). It posts to
    // window progressMessage (wParam id, lParam the families judged so far) about a hundred times
    // on the way, and doneMessage (wParam id) once at the end, also when it failed.
    FontSearchWorker(std::vector<std::string> names, std::wstring characters, HWND window,
                     UINT progressMessage, UINT doneMessage, WPARAM id);
    // Stops the search.
    ~FontSearchWorker();
    FontSearchWorker(const FontSearchWorker&) = delete;
    FontSearchWorker& operator=(const FontSearchWorker&) = delete;

    WPARAM Id() const { return id_; }
    // Asks the search to stop after the family it is judging, and waits for it.
    void Stop() noexcept;
    // Waits for the end; the families found, in the order given, or what the search threw.
    std::vector<std::string> Finish();

private:
    void Search();

    const std::vector<std::string> names_;
    const std::wstring characters_;
    const HWND window_;
    const UINT progressMessage_;
    const UINT doneMessage_;
    const WPARAM id_;
    std::vector<std::string> found_;
    std::exception_ptr error_;
    std::atomic<bool> stop_{false};
    std::thread thread_;  // last: it starts once the rest is ready
};

}  // namespace letterloom
