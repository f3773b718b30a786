// The print dialogs on screens of any density: the font follows the screen's pixels per inch, and
// every control keeps its designed place, scaled with the font. Wine takes the density from the
// prefix's LogPixels when a program starts, so the other densities run in a process of their own.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "PrintTestSupport.h"
#include "toolkit/UniqueHandle.h"

namespace printtest {
namespace {

constexpr const char* kDesktopKey = "Control Panel\\Desktop";
constexpr const char* kExpectedDpi = "LETTERLOOM_EXPECTED_DPI";

struct Designed {
    HWND control;
    RECT at96;
};

int FontHeight(HWND window) {
    LOGFONTA font{};
    ::GetObjectA(reinterpret_cast<HGDIOBJ>(::SendMessageA(window, WM_GETFONT, 0, 0)), sizeof font,
                 &font);
    return font.lfHeight;
}

// Every control of the design at 96 pixels per inch, scaled by the factor of the client width.
void ExpectScaled(tk::Form& dialog, int designWidth, const std::vector<Designed>& controls,
                  int pixelsPerInch) {
    const RECT client = dialog.ClientRect();
    const double factor = static_cast<double>(client.right) / designWidth;
    EXPECT_NEAR(factor, pixelsPerInch / 96.0, 0.2 * pixelsPerInch / 96.0);
    for (const Designed& c : controls) {
        const RECT r = tk::Window::FromHandle(c.control)->BoundsRect();
        EXPECT_NEAR(r.left, c.at96.left * factor, 1.5) << c.at96.left;
        EXPECT_NEAR(r.top, c.at96.top * factor, 1.5) << c.at96.top;
        EXPECT_NEAR(r.right - r.left, c.at96.right * factor, 1.5) << c.at96.right;
        EXPECT_NEAR(r.bottom - r.top, c.at96.bottom * factor, 1.5) << c.at96.bottom;
        EXPECT_EQ(FontHeight(c.control), -::MulDiv(9, pixelsPerInch, 72));
    }
}

TEST(DialogScaleTest, BothPrintDialogsFollowThisScreen) {
    const int dpi = tk::ScreenPixelsPerInch();
    if (const char* expected = std::getenv(kExpectedDpi)) {
        ASSERT_EQ(dpi, std::atoi(expected));
    }
    tk::Printer printer(letterloom::PrinterWording());
    tk::PrinterSetupDialog printerSetup(printer);
    letterloom::PrintOptionsDialog options(printer, printerSetup);
    EXPECT_EQ(options.GetFont().height, -::MulDiv(9, dpi, 72));
    ExpectScaled(options, 324,
                 {{options.PerPageLabel().Handle(), {216, 8, 108, 13}},
                  {options.PrintButton().Handle(), {152, 72, 83, 25}},
                  {options.CancelButton().Handle(), {240, 72, 83, 25}},
                  {options.PrinterSetupButton().Handle(), {0, 72, 89, 25}}},
                 dpi);
    letterloom::PrintProgressDialog progress;
    EXPECT_EQ(progress.GetFont().height, -::MulDiv(9, dpi, 72));
    ExpectScaled(progress, 257,
                 {{progress.Progress().Handle(), {24, 72, 209, 17}},
                  {progress.CancelButton().Handle(), {80, 104, 97, 25}}},
                 dpi);
    EXPECT_TRUE(ShowsWholeText(progress.PageLabel().Handle()));
    EXPECT_TRUE(ShowsWholeText(progress.DeviceLabel().Handle()));
}

// Sets the prefix's LogPixels for the programs started while it lives.
class ScreenDensity {
public:
    explicit ScreenDensity(DWORD pixelsPerInch) {
        HKEY key = nullptr;
        ::RegCreateKeyExA(HKEY_CURRENT_USER, kDesktopKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                          &key, nullptr);
        key_.reset(key);
        DWORD size = sizeof previous_;
        hadValue_ = ::RegQueryValueExA(key, "LogPixels", nullptr, nullptr,
                                       reinterpret_cast<BYTE*>(&previous_), &size) == ERROR_SUCCESS;
        Set(pixelsPerInch);
    }
    ~ScreenDensity() {
        if (hadValue_)
            Set(previous_);
        else
            ::RegDeleteValueA(key_.get(), "LogPixels");
    }
    ScreenDensity(const ScreenDensity&) = delete;
    ScreenDensity& operator=(const ScreenDensity&) = delete;

private:
    void Set(DWORD value) {
        ::RegSetValueExA(key_.get(), "LogPixels", 0, REG_DWORD,
                         reinterpret_cast<const BYTE*>(&value), sizeof value);
    }
    tk::UniqueKey key_;
    DWORD previous_ = 0;
    bool hadValue_ = false;
};

TEST(DialogScaleTest, BothPrintDialogsFollowScreensOf120And144PixelsPerInch) {
    char self[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, self, MAX_PATH);
    for (int dpi : {120, 144}) {
        SCOPED_TRACE(dpi);
        ScreenDensity density(static_cast<DWORD>(dpi));
        ::SetEnvironmentVariableA(kExpectedDpi, std::to_string(dpi).c_str());
        std::string command = std::string("\"") + self +
                              "\" --gtest_filter=DialogScaleTest.BothPrintDialogsFollowThisScreen";
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION started{};
        ASSERT_TRUE(::CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                     nullptr, &startup, &started));
        const tk::UniqueKernelHandle process(started.hProcess);
        const tk::UniqueKernelHandle thread(started.hThread);
        ASSERT_EQ(::WaitForSingleObject(process.get(), 60000), WAIT_OBJECT_0);
        DWORD exitCode = 1;
        ::GetExitCodeProcess(process.get(), &exitCode);
        EXPECT_EQ(exitCode, 0u) << "the run at " << dpi
                                << " pixels per inch failed (its output above)";
        ::SetEnvironmentVariableA(kExpectedDpi, nullptr);
    }
}

}  // namespace
}  // namespace printtest
