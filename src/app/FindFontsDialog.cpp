#include "app/FindFontsDialog.h"

#include "logic/ProgramFace.h"
#include "toolkit/DialogLayout.h"

namespace letterloom {

namespace {
constexpr int kClientWidth = 324;
constexpr int kClientHeight = 72;
constexpr int kDialogPoints = 9;
constexpr int kVisibleEntries = 10;
}  // namespace

FindFontsDialog::FindFontsDialog(HWND owner, const std::vector<std::string>& history) {
    const tk::DialogLayout at(logic::kProgramFace, kDialogPoints);
    CreateForm("查找可显示文字的字体", WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME,
               at(kClientWidth), at(kClientHeight), owner);
    SetFont(at.Font());
    tk::CenterOnScreen(Handle());
    label_.Create(Handle(), "文字(&T):");
    label_.SetBounds(at(8), at(12), at(56), at(13));
    text_.Create(Handle());
    text_.SetItems(history);
    if (!history.empty()) text_.SetText(history.front());
    text_.PlaceIn(RECT{at(64), at(6), at(316), at(27)}, kVisibleEntries);
    okButton_.Create(Handle(), "确定", IDOK, BS_DEFPUSHBUTTON);
    okButton_.SetBounds(at(152), at(40), at(83), at(25));
    okButton_.onClick = [this] { SetModalResult(tk::kModalOk); };
    cancelButton_.Create(Handle(), "取消", IDCANCEL);
    cancelButton_.SetBounds(at(240), at(40), at(83), at(25));
    cancelButton_.onClick = [this] { SetModalResult(tk::kModalCancel); };
    RememberFocus(text_.Handle());
    SetDialogKeys(true);
}

std::optional<std::string> FindFontsDialog::Ask() {
    // The whole text selected, so that typing replaces it and Enter repeats it.
    ::SendMessageA(text_.Handle(), CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
    if (ShowModal() != tk::kModalOk) return std::nullopt;
    return text_.Text();
}

}  // namespace letterloom
