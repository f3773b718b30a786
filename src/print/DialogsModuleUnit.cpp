#include "print/DialogsModuleUnit.h"

namespace letterloom {

TDialogModule* DialogModule = nullptr;

TDialogModule::TDialogModule() { DialogModule = this; }

TDialogModule::~TDialogModule() {
    if (DialogModule == this) DialogModule = nullptr;
}

}  // namespace letterloom
