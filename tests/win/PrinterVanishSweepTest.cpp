// A printer that vanishes after the user chose it in a dialog, before the job takes it: every job
// reports it as promised, gives the main window back, prints nothing, and prints again once the
// printer is back.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "PrintTestSupport.h"
#include "print/FontListPrintout.h"
#include "shared/RegistryKeys.h"
#include "support/DialogWatcher.h"
#include "toolkit/Printer.h"

namespace printtest {
namespace {

// The platform knows its printers by their keys; without its key a printer is gone for the rest
// of the process, as when it was removed while the dialog was open.
class VanishingPrinter {
public:
    explicit VanishingPrinter(const std::string& name)
        : key_("System\\CurrentControlSet\\Control\\Print\\Printers\\" + name),
          kept_(key_ + " (kept by the test)") {}
    ~VanishingPrinter() { Return(); }
    VanishingPrinter(const VanishingPrinter&) = delete;
    VanishingPrinter& operator=(const VanishingPrinter&) = delete;

    void Vanish() {
        const tk::UniqueKey kept = testshared::CreateKey(HKEY_LOCAL_MACHINE, kept_.c_str());
        gone_ = ::RegCopyTreeA(HKEY_LOCAL_MACHINE, key_.c_str(), kept.get()) == ERROR_SUCCESS &&
                ::RegDeleteTreeA(HKEY_LOCAL_MACHINE, key_.c_str()) == ERROR_SUCCESS;
    }
    void Return() {
        if (!gone_) return;
        ::RegCopyTreeA(HKEY_LOCAL_MACHINE, kept_.c_str(),
                       testshared::CreateKey(HKEY_LOCAL_MACHINE, key_.c_str()).get());
        ::RegDeleteTreeA(HKEY_LOCAL_MACHINE, kept_.c_str());
        gone_ = false;
    }
    bool Gone() const { return gone_; }

private:
    std::string key_;
    std::string kept_;
    bool gone_ = false;
};

class PrinterVanishSweepTest : public PrintTest {};

TEST_F(PrinterVanishSweepTest, AJobWhosePrinterVanishedReportsItAndPrintsNothing) {
    UseFonts(3);
    form->FontList().List().SetItems(program->fontNames);
    const std::string queue = program->printer.Current().device;
    const struct Case {
        const char* command;
        bool optionsDialog;  // else the platform's print dialog
    } cases[] = {{"PrintFontList", true}, {"PrintCharMaps", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        form->FontList().List().SetSelected(1, true);
        VanishingPrinter printer(queue);
        // The printer goes while the dialog is open; then the user confirms the dialog.
        std::unique_ptr<OnNextPump> print;
        if (c.optionsDialog)
            print = std::make_unique<OnNextPump>([&] {
                printer.Vanish();
                options->PrintButton().Click();
            });
        testsupport::DialogWatcher watcher([&](HWND) {
            if (!c.optionsDialog && !printer.Gone()) printer.Vanish();
            return false;
        });
        Command(c.command);
        ASSERT_TRUE(testsupport::Settle());
        ASSERT_TRUE(printer.Gone());
        std::vector<std::string> texts;
        for (const auto& seen : watcher.Seen()) texts.push_back(seen.text);
        ASSERT_FALSE(texts.empty());
        EXPECT_EQ(texts.back(), "已选的打印机无效.");
        EXPECT_TRUE(::IsWindowEnabled(form->Handle()));
        EXPECT_FALSE(progress->Visible());
        EXPECT_FALSE(program->printer.Printing());
        // The choice of printer is kept: once the printer is back, jobs print on it again.
        printer.Return();
        EXPECT_EQ(program->printer.Current().device, queue);
        EXPECT_TRUE(PdfsBeforeMarker().empty());
        DeletePdfFiles();
    }
}

}  // namespace
}  // namespace printtest
