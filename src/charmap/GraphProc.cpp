#include "charmap/GraphProc.h"

#include "app/MainFormUnit.h"

namespace letterloom {

const uint8_t MapCellSize = logic::kMapCellSize;
uint8_t MapColumns = 5;
bool DrawingContinue = false;
bool MapReady = false;

void BuildCharMap(tk::ListBox& /*list*/) {
    if (MainForm->Pagine.ActivePage() != MainForm->MappaCaratteri) {
        DrawingContinue = false;
        return;
    }
}

}  // namespace letterloom
