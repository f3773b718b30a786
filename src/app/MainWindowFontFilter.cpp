// The font list's filter: the find command, the search behind it, the list it leaves and the
// status text that names it.
#include <utility>

#include "app/FindFontsDialog.h"
#include "app/MainWindow.h"
#include "logic/FontFilter.h"
#include "print/FontSearchWorker.h"
#include "toolkit/FontGlyphs.h"

namespace letterloom {

void MainWindow::OnFindFonts() {
    // The search needs the names; its menu item is greyed meanwhile, its shortcut does nothing.
    if (!fontNamesArrived_) return;
    FindFontsDialog dialog(Handle(), findHistory_);
    const std::optional<std::string> text = dialog.Ask();
    if (!text) return;
    logic::RememberText(findHistory_, *text);
    FindFonts(*text);
}

void MainWindow::FindFonts(const std::string& text) {
    StopFontSearch();
    const std::wstring wide = tk::AnsiToWide(text);
    const std::u16string judged =
        logic::CharactersToJudge(std::u16string(wide.begin(), wide.end()));
    if (judged.empty()) {
        ShowAllFonts();
        return;
    }
    searchText_ = text;
    progressBar_.SetMax(static_cast<int>(fontNames_.size()));
    progressBar_.SetPosition(0);
    search_ = std::make_unique<FontSearchWorker>(
        fontNames_, std::wstring(judged.begin(), judged.end()), Handle(), kFontSearchProgress,
        kFontSearchDone, ++searchesStarted_);
}

void MainWindow::ShowAllFonts() {
    StopFontSearch();
    if (!filter_) return;
    filter_.reset();
    filterStatus_.clear();
    ShowStatus();
    ShowFontList();
}

void MainWindow::StopFontSearch() {
    if (!search_) return;
    search_.reset();
    progressBar_.SetPosition(0);
}

void MainWindow::OnFontSearchProgress(WPARAM id, LPARAM judged) {
    if (search_ && search_->Id() == id) progressBar_.SetPosition(static_cast<int>(judged));
}

void MainWindow::OnFontSearchDone(WPARAM id) {
    // A search stopped before it ended still says so.
    if (!search_ || search_->Id() != id) return;
    const std::unique_ptr<FontSearchWorker> search = std::move(search_);
    progressBar_.SetPosition(0);
    filter_ = FontFilter{searchText_, search->Finish()};
    ShowFontList();
    filterStatus_ =
        logic::FilterStatusText(filter_->text, filter_->names.size(), fontNames_.size());
    ShowStatus();
}

const std::vector<std::string>& MainWindow::ShownNames() const {
    return filter_ ? filter_->names : fontNames_;
}

void MainWindow::ShowFontList(Painting painting) {
    fontList_->ShowNames(ShownNames());
    pages_.SetActivePage(&fontList_->Sheet());
    SyncPages(true, painting);
}

}  // namespace letterloom
