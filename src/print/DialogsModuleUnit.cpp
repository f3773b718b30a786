#include "print/DialogsModuleUnit.h"

namespace letterloom {

TDialogModule* DialogModule = nullptr;

TDialogModule::TDialogModule() {
    DialogModule = this;
    SaveDialog.defaultExt = "txt";
    SaveDialog.filter = "文本文件 (*.txt)|*.txt";
    SaveDialog.title = "导出字体列表";
}

TDialogModule::~TDialogModule() {
    if (DialogModule == this) DialogModule = nullptr;
}

}  // namespace letterloom
