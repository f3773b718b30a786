#pragma once
// Everything one run of the program owns, made in the order start-up needs it. WinMain makes one
// and runs its main window; a test makes its own, fresh.
#include <string>
#include <utility>
#include <vector>

#include "about/HtmlHelp.h"
#include "app/MainWindow.h"
#include "logic/Settings.h"
#include "print/CommonDialogs.h"
#include "print/FontNamesWorker.h"
#include "print/InstalledFonts.h"
#include "print/PrintOptionsDialog.h"
#include "print/PrintProgressDialog.h"
#include "print/PrintTools.h"
#include "print/PrinterPreparation.h"
#include "toolkit/Application.h"
#include "toolkit/Printer.h"

namespace letterloom {

// The font names collected on the worker's thread, in this process.
inline std::vector<std::string> CollectFontNamesHere(const tk::StopSignal&) {
    return CollectInstalledFontNames();
}

struct Program {
    // fontNamesSource collects the installed families, from the moment the program is made.
    explicit Program(FontNamesSource fontNamesSource = CollectFontNamesHere)
        : fontNamesWorker(std::move(fontNamesSource)) {}
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Made first, so that the names are collected while everything else is made; the thread
    // stops last.
    FontNamesWorker fontNamesWorker;
    // Made early, so that it goes late: the help viewers close before the program ends.
    HtmlHelp help;
    logic::Settings settings = logic::DefaultSettings();
    // The installed families, once the worker has them.
    std::vector<std::string> fontNames;
    tk::Printer printer{PrinterWording()};
    CommonDialogs dialogs{printer};
    PrintOptionsDialog printOptions{printer, dialogs.printerSetup};
    PrintProgressDialog printProgress;
    PrintTools printing{printer, dialogs, printOptions, printProgress};
    MainWindow mainWindow{settings, fontNamesWorker, fontNames, printing, help};
    tk::MainFormScope mainFormScope{mainWindow};
};

}  // namespace letterloom
