// The help launcher against the real registration of the HTML Help library in the test prefix.
// Its state lasts a run, and ctest runs every test in a process of its own.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "about/HtmlHelp.h"
#include "shared/RegistryKeys.h"
#include "support/DialogWatcher.h"
#include "toolkit/UniqueHandle.h"

namespace {

constexpr const char* kServerKey = "CLSID\\{adb880a6-d8ff-11cf-9377-00aa003b7a11}\\InprocServer32";
constexpr UINT kCloseAllViewers = 0x0012;  // a command that shows nothing

// The library's registration as the prefix has it, put back by Restore and at the end.
class RegistrationBackup {
public:
    RegistrationBackup() {
        const tk::UniqueKey key = testshared::OpenKey(HKEY_CLASSES_ROOT, kServerKey);
        if (!key) return;
        char name[256];
        BYTE data[2048];
        for (DWORD i = 0;; ++i) {
            DWORD nameSize = sizeof name, dataSize = sizeof data, type = 0;
            if (::RegEnumValueA(key.get(), i, name, &nameSize, nullptr, &type, data, &dataSize) !=
                ERROR_SUCCESS)
                break;
            values_.push_back({name, type, std::vector<BYTE>(data, data + dataSize)});
        }
    }
    ~RegistrationBackup() { Restore(); }

    void Restore() const {
        const tk::UniqueKey key = testshared::CreateKey(HKEY_CLASSES_ROOT, kServerKey);
        for (const auto& value : values_)
            ::RegSetValueExA(key.get(), value.name.c_str(), 0, value.type, value.data.data(),
                             DWORD(value.data.size()));
    }
    bool Empty() const { return values_.empty(); }

private:
    struct Value {
        std::string name;
        DWORD type;
        std::vector<BYTE> data;
    };
    std::vector<Value> values_;
};

void RegisterLibraryFile(DWORD type, const std::string& file) {
    const tk::UniqueKey key = testshared::OpenKey(HKEY_CLASSES_ROOT, kServerKey, KEY_WRITE);
    ASSERT_TRUE(key);
    ::RegSetValueExA(key.get(), "", 0, type, reinterpret_cast<const BYTE*>(file.c_str()),
                     DWORD(file.size() + 1));
}

HWND Request(letterloom::HtmlHelp& help) {
    return help.Show(nullptr, letterloom::HelpFilePath(), kCloseAllViewers, 0);
}

TEST(HtmlHelpTest, TheFirstRequestLoadsTheLibraryAndLaterOnesReuseItUntilExit) {
    RegistrationBackup backup;
    ASSERT_FALSE(backup.Empty()) << "the prefix registers no HTML Help library";
    testsupport::DialogWatcher watcher;
    ASSERT_EQ(::GetModuleHandleA("hhctrl.ocx"), nullptr);
    letterloom::HtmlHelp help;

    Request(help);
    HMODULE loaded = ::GetModuleHandleA("hhctrl.ocx");
    EXPECT_NE(loaded, nullptr);
    // Registered nowhere now: a request that looked again would find nothing.
    RegisterLibraryFile(REG_SZ, "C:\\windows\\system32\\no-such-hhctrl.ocx");
    Request(help);
    EXPECT_TRUE(help.Loaded());
    EXPECT_EQ(::GetModuleHandleA("hhctrl.ocx"), loaded);
    EXPECT_TRUE(watcher.Seen().empty());

    help.Unload();
    EXPECT_FALSE(help.Loaded());
    EXPECT_EQ(::GetModuleHandleA("hhctrl.ocx"), nullptr);
}

// The stand-in library beside this test program.
constexpr const char* kStandInFile = "letterloom_help_stand_in.dll";

std::string StandInPath() {
    char program[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, program, MAX_PATH);
    std::string path = program;
    return path.substr(0, path.find_last_of('\\') + 1) + kStandInFile;
}

// How often the stand-in was asked to close its viewers, and how often the launcher still held
// the library at that moment.
struct Closes {
    int all = 0;
    int whileHeld = 0;
};

TEST(HtmlHelpTest, TheViewersAreClosedBeforeTheLibraryIsReleased) {
    RegistrationBackup backup;
    ASSERT_FALSE(backup.Empty());
    const std::string standIn = StandInPath();
    RegisterLibraryFile(REG_SZ, standIn);
    // The test's own reference keeps the stand-in's code in place, so that a close that came
    // after the release would be counted instead of running into freed code.
    tk::UniqueModule pinned(::LoadLibraryA(standIn.c_str()));
    ASSERT_TRUE(pinned) << standIn;
    using Listen = void (*)(void (*)(void*), void*);
    const auto listen = reinterpret_cast<Listen>(
        reinterpret_cast<void*>(::GetProcAddress(pinned.get(), "ListenForCloseAll")));
    ASSERT_NE(listen, nullptr);
    struct Seen {
        Closes closes;
        letterloom::HtmlHelp help;
    } seen;
    Closes& closes = seen.closes;
    listen(
        [](void* context) {
            auto& watched = *static_cast<Seen*>(context);
            ++watched.closes.all;
            if (watched.help.Loaded()) ++watched.closes.whileHeld;
        },
        &seen);

    seen.help.Show(nullptr, letterloom::HelpFilePath(), 0, 0);
    ASSERT_TRUE(seen.help.Loaded());
    seen.help.Unload();

    EXPECT_EQ(closes.all, 1) << "the viewers were not closed once";
    EXPECT_EQ(closes.whileHeld, closes.all) << "the viewers were closed after the release";
    listen(nullptr, nullptr);
    pinned.reset();
    EXPECT_EQ(::GetModuleHandleA(kStandInFile), nullptr) << "the launcher kept its reference";
}

struct MissingLibrary {
    const char* name;
    std::function<void()> breakRegistration;
};
void PrintTo(const MissingLibrary& row, std::ostream* out) { *out << row.name; }

class MissingHtmlHelpTest : public ::testing::TestWithParam<MissingLibrary> {};

TEST_P(MissingHtmlHelpTest, EveryRequestShowsTheMessageAndTheLibraryIsNotLookedForAgain) {
    RegistrationBackup backup;
    ASSERT_FALSE(backup.Empty());
    GetParam().breakRegistration();
    testsupport::DialogWatcher watcher;
    letterloom::HtmlHelp help;
    EXPECT_EQ(Request(help), nullptr);
    backup.Restore();
    EXPECT_EQ(Request(help), nullptr);

    EXPECT_FALSE(help.Loaded());
    EXPECT_EQ(::GetModuleHandleA("hhctrl.ocx"), nullptr);
    const auto seen = watcher.Seen();
    ASSERT_EQ(seen.size(), 2u);
    for (const auto& box : seen) {
        EXPECT_EQ(box.text, "HTML Help Is Not installed");
        EXPECT_EQ(box.caption, "HTMLHELP Error");
        EXPECT_TRUE(box.errorIcon);
    }
}

std::string ExpandedSystemLibrary() {
    char expanded[MAX_PATH] = {};
    ::ExpandEnvironmentStringsA("%SystemRoot%\\system32\\hhctrl.ocx", expanded, MAX_PATH);
    return expanded;
}

INSTANTIATE_TEST_SUITE_P(
    Registration, MissingHtmlHelpTest,
    ::testing::Values(
        MissingLibrary{"KeyMissing", [] { ::RegDeleteKeyA(HKEY_CLASSES_ROOT, kServerKey); }},
        MissingLibrary{"FileMissing",
                       [] { RegisterLibraryFile(REG_SZ, "C:\\windows\\system32\\no-hhctrl.ocx"); }},
        MissingLibrary{"EnvironmentReference",
                       [] {
                           // The reference names a real file once expanded, which the
                           // launcher does not do.
                           ASSERT_NE(::GetFileAttributesA(ExpandedSystemLibrary().c_str()),
                                     INVALID_FILE_ATTRIBUTES);
                           RegisterLibraryFile(REG_EXPAND_SZ, "%SystemRoot%\\system32\\hhctrl.ocx");
                       }}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
