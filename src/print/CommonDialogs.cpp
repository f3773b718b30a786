#include "print/CommonDialogs.h"

namespace letterloom {

CommonDialogs::CommonDialogs(tk::Printer& printer) : printerSetup(printer), print(printer) {
    exportFile.defaultExt = "txt";
    exportFile.filter = "文本文件 (*.txt)|*.txt|CSV (*.csv)|*.csv";
    exportFile.title = "导出字体列表";
}

}  // namespace letterloom
