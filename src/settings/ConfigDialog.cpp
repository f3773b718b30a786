#include "settings/ConfigDialog.h"

#include "logic/ProgramFace.h"
#include "toolkit/DialogLayout.h"

namespace letterloom {

namespace {

constexpr int kOuterWidth = 390;
constexpr int kOuterHeight = 195;
constexpr int kPreviewItemHeight = 13;

// The group boxes frame their controls; the controls themselves are the dialog's own, at the
// group's origin plus their place in it, so that the dialog keys reach them all.
struct Origin {
    int left;
    int top;
};
constexpr Origin kPreviewGroup{8, 8};
constexpr Origin kSizesGroup{8, 72};

const char* const kSuggestions[] = {
    "AaBbCcDc 12345 :-=织字汉化组",
    "Hello World,welcome to letterloom.example",
    "Thank you for choosing Letterloom",
};

}  // namespace

ConfigDialog::ConfigDialog(HWND owner, logic::Settings& settings) : settings_(settings) {
    SetFont(tk::FontSpec{.name = logic::kProgramFace});
    // No WS_CLIPCHILDREN: the group boxes paint no background of their own, the dialog does.
    CreateForm("Letterloom配置", WS_CAPTION | WS_THICKFRAME,
               WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, 0, 0, owner, true);
    ::SetWindowPos(Handle(), nullptr, 0, 0, kOuterWidth, kOuterHeight,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    tk::CenterOnScreen(Handle());
    SetDialogKeys(true);
    CreateControls();
    previewText_.SetText(settings_.previewText);
    fontListPoints_.SetValue(settings_.fontListPoints);
    selectedListPoints_.SetValue(settings_.selectedListPoints);
}

void ConfigDialog::CreateControls() {
    sizesGroup_.Create(Handle(), "字体大小");
    sizesGroup_.SetBounds(kSizesGroup.left, kSizesGroup.top, 281, 89);
    fontListLabel_.Create(Handle(), "主要字体列表");
    fontListLabel_.SetBounds(kSizesGroup.left + 8, kSizesGroup.top + 24, 90, 12);
    fontListPoints_.Create(Handle());
    fontListPoints_.Place(kSizesGroup.left + 104, kSizesGroup.top + 24, 121, 22);
    selectedListLabel_.Create(Handle(), "已选字体列表");
    selectedListLabel_.SetBounds(kSizesGroup.left + 8, kSizesGroup.top + 64, 90, 12);
    selectedListPoints_.Create(Handle());
    selectedListPoints_.Place(kSizesGroup.left + 104, kSizesGroup.top + 56, 121, 22);

    previewGroup_.Create(Handle(), "预览文字");
    previewGroup_.SetBounds(kPreviewGroup.left, kPreviewGroup.top, 361, 57);
    previewText_.Create(Handle());
    previewText_.SetItems({std::begin(kSuggestions), std::end(kSuggestions)});
    ::SendMessageA(previewText_.Handle(), CB_SETITEMHEIGHT, 0, kPreviewItemHeight);
    previewText_.SetBounds(kPreviewGroup.left + 16, kPreviewGroup.top + 24, 329,
                           21 + kPreviewItemHeight * 4);

    cancelButton_.Create(Handle(), "取消", IDCANCEL);
    cancelButton_.SetBounds(296, 136, 75, 25);
    cancelButton_.SetGlyph(tk::Glyph::Cross);
    cancelButton_.onClick = [this] { SetModalResult(tk::kModalCancel); };
    okButton_.Create(Handle(), "确定", IDOK, BS_DEFPUSHBUTTON);
    okButton_.SetBounds(296, 104, 75, 25);
    okButton_.SetGlyph(tk::Glyph::Tick);
    okButton_.onClick = [this] { OnOk(); };
    RememberFocus(fontListPoints_.Handle());
}

void ConfigDialog::OnOk() {
    settings_.previewText = previewText_.Text();
    settings_.fontListPoints = fontListPoints_.Value();
    settings_.selectedListPoints = selectedListPoints_.Value();
    SetModalResult(tk::kModalOk);
}

}  // namespace letterloom
