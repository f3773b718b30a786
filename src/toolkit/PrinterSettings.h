#pragma once
// The movable memory blocks in which the platform hands over printer names and document settings.
#include <windows.h>

#include "toolkit/Printer.h"
#include "toolkit/UniqueHandle.h"

namespace tk {

UniqueGlobal CopyGlobal(HGLOBAL block);
PrinterNames NamesOf(HGLOBAL devNames);
UniqueGlobal MakeDevNames(const PrinterNames& names);

}  // namespace tk
