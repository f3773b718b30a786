#pragma once
// Everything one run of the program owns, made in the order start-up needs it. WinMain makes one
// and runs its main window; a test makes its own, fresh.
#include <string>
#include <vector>

#include "about/HtmlHelp.h"
#include "app/MainWindow.h"
#include "logic/Settings.h"
#include "print/CommonDialogs.h"
#include "print/PrintOptionsDialog.h"
#include "print/PrintProgressDialog.h"
#include "print/PrintTools.h"
#include "print/PrinterPreparation.h"
#include "toolkit/Application.h"
#include "toolkit/Printer.h"

namespace letterloom {

struct Program {
    Program() = default;
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Made first, so that it goes last: the help viewers close before the program ends.
    HtmlHelp help;
    logic::Settings settings = logic::DefaultSettings();
    // The installed families, collected at the main window's first showing.
    std::vector<std::string> fontNames;
    tk::Printer printer{PrinterWording()};
    CommonDialogs dialogs{printer};
    PrintOptionsDialog printOptions{printer, dialogs.printerSetup};
    PrintProgressDialog printProgress;
    PrintTools printing{printer, dialogs, printOptions, printProgress};
    MainWindow mainWindow{settings, fontNames, printing, help};
    tk::MainFormScope mainFormScope{mainWindow};
};

}  // namespace letterloom
