#include "settings/frmConfigForm.h"

#include "logic/ProgramFace.h"
#include "settings/RegSave.h"

namespace letterloom {

TConfigForm* ConfigForm = nullptr;

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

TConfigForm::TConfigForm(HWND owner) {
    ConfigForm = this;
    SetFont(tk::FontSpec{.name = logic::kProgramFace});
    // No WS_CLIPCHILDREN: the group boxes paint no background of their own, the dialog does.
    CreateForm("Letterloom配置", WS_CAPTION | WS_THICKFRAME,
               WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, 0, 0, owner, true);
    ::SetWindowPos(Handle(), nullptr, (::GetSystemMetrics(SM_CXSCREEN) - kOuterWidth) / 2,
                   (::GetSystemMetrics(SM_CYSCREEN) - kOuterHeight) / 2, kOuterWidth, kOuterHeight,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    SetDialogKeys(true);
    CreateControls();
    FormCreate();
}

TConfigForm::~TConfigForm() {
    if (ConfigForm == this) ConfigForm = nullptr;
}

void TConfigForm::CreateControls() {
    GroupBox1.Create(Handle(), "字体大小");
    GroupBox1.SetBounds(kSizesGroup.left, kSizesGroup.top, 281, 89);
    Label1.Create(Handle(), "主要字体列表");
    Label1.SetBounds(kSizesGroup.left + 8, kSizesGroup.top + 24, 90, 12);
    FontListSize.Create(Handle());
    FontListSize.Place(kSizesGroup.left + 104, kSizesGroup.top + 24, 121, 22);
    Label2.Create(Handle(), "已选字体列表");
    Label2.SetBounds(kSizesGroup.left + 8, kSizesGroup.top + 64, 90, 12);
    SelectedListSize.Create(Handle());
    SelectedListSize.Place(kSizesGroup.left + 104, kSizesGroup.top + 56, 121, 22);

    GroupBox2.Create(Handle(), "预览文字");
    GroupBox2.SetBounds(kPreviewGroup.left, kPreviewGroup.top, 361, 57);
    PreviewString.Create(Handle());
    PreviewString.SetItems({std::begin(kSuggestions), std::end(kSuggestions)});
    ::SendMessageA(PreviewString.Handle(), CB_SETITEMHEIGHT, 0, kPreviewItemHeight);
    PreviewString.SetBounds(kPreviewGroup.left + 16, kPreviewGroup.top + 24, 329,
                            21 + kPreviewItemHeight * 4);

    BitBtn1.Create(Handle(), "取消", IDCANCEL);
    BitBtn1.SetBounds(296, 136, 75, 25);
    BitBtn1.SetGlyph(tk::Glyph::Cross);
    BitBtn1.onClick = [this] { SetModalResult(tk::kModalCancel); };
    BitBtn2.Create(Handle(), "确定", IDOK, BS_DEFPUSHBUTTON);
    BitBtn2.SetBounds(296, 104, 75, 25);
    BitBtn2.SetGlyph(tk::Glyph::Tick);
    BitBtn2.onClick = [this] { BitBtn2Click(); };
    focused_ = FontListSize.Handle();
}

LRESULT TConfigForm::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    // A plain window takes the focus itself when activated; hand it on to the control that had it.
    if (msg == WM_ACTIVATE && LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = ::GetFocus();
        if (focus && ::IsChild(Handle(), focus)) focused_ = focus;
    } else if (msg == WM_SETFOCUS && focused_ && ::IsWindow(focused_)) {
        ::SetFocus(focused_);
        return 0;
    }
    return tk::Form::HandleMessage(msg, wParam, lParam);
}

void TConfigForm::FormCreate() {
    PreviewString.SetText(ConfigData.PrevString);
    FontListSize.SetValue(ConfigData.FontListSize);
    SelectedListSize.SetValue(ConfigData.SelectedListSize);
}

void TConfigForm::BitBtn2Click() {
    ConfigData.PrevString = PreviewString.Text();
    ConfigData.FontListSize = FontListSize.Value();
    ConfigData.SelectedListSize = SelectedListSize.Value();
    SetModalResult(tk::kModalOk);
}

}  // namespace letterloom
