// Exporting the font list through File > 导出字体列表: the save dialog, the bytes of the file and
// every way writing it can fail.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "SaveDialogDriver.h"
#include "print/CommonDialogs.h"
#include "support/ProgramFixture.h"
#include "toolkit/Error.h"
#include "toolkit/FileReplace.h"
#include "toolkit/UniqueHandle.h"

namespace {

constexpr const char* kTitle = "导出字体列表";

std::string ReadAll(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

void WriteAll(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

bool Exists(const std::string& path) {
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The names of a folder's files.
std::vector<std::string> FilesIn(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found{};
    const tk::UniqueFind search(::FindFirstFileA((folder + "\\*").c_str(), &found));
    if (!search) return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
    } while (::FindNextFileA(search.get(), &found));
    return names;
}

class ExportFontListTest : public testsupport::ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        char temp[MAX_PATH] = {};
        ::GetTempPathA(sizeof temp, temp);
        folder = std::string(temp) + "letterloom-export";
        ::CreateDirectoryA(folder.c_str(), nullptr);
        for (const auto& name : FilesIn(folder)) {
            const std::string path = folder + "\\" + name;
            ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            ::DeleteFileA(path.c_str());
        }
        StartProgram();
    }

    // File > 导出字体列表 as the menu runs it, the save dialog answered with this name (or
    // cancelled); returns the driver for what it saw.
    std::unique_ptr<testsupport::SaveDialogDriver> Export(std::optional<std::string> answer) {
        auto driver = std::make_unique<testsupport::SaveDialogDriver>(kTitle, std::move(answer));
        ::SendMessageA(form->Handle(), WM_COMMAND, form->FileMenu().CommandId("ExportFontList"), 0);
        EXPECT_TRUE(testsupport::Settle());  // whatever the command posted has run too
        return driver;
    }

    std::string folder;
};

TEST_F(ExportFontListTest, FileHoldsEveryItemInListOrderEachEndedByCrLf) {
    // "Default", a name of double-byte characters (宋体) and one of single bytes.
    form->FontList().List().SetItems({"Default", "\xcb\xce\xcc\xe5", "Arial"});
    form->FontList().List().SetItemIndex(1);
    const std::string path = folder + "\\fonts.txt";
    const auto driver = Export(path);
    EXPECT_EQ(driver->Answered(), 1);
    EXPECT_TRUE(driver->Others().empty());
    EXPECT_EQ(ReadAll(path), "Default\r\n\xcb\xce\xcc\xe5\r\nArial\r\n");
}

TEST_F(ExportFontListTest, ExistingFileIsReplacedWithoutAQuestion) {
    const std::string path = folder + "\\old.txt";
    WriteAll(path, std::string(5000, 'x'));
    form->FontList().List().SetItems({"Default"});
    const auto driver = Export(path);
    EXPECT_EQ(driver->Answered(), 1);  // a question would have been a second dialog
    EXPECT_TRUE(driver->Others().empty());
    EXPECT_EQ(ReadAll(path), "Default\r\n");
    EXPECT_EQ(FilesIn(folder), std::vector<std::string>{"old.txt"});
}

TEST_F(ExportFontListTest, NameWithoutExtensionGetsTxtAndIsProposedNextTime) {
    EXPECT_EQ(Export(folder + "\\list")->Answered(), 1);  // one driver at a time
    EXPECT_FALSE(ReadAll(folder + "\\list.txt").empty());
    EXPECT_FALSE(Exists(folder + "\\list"));
    const auto second = Export(std::nullopt);
    EXPECT_EQ(second->Proposed(), "list.txt");  // in its folder
}

TEST_F(ExportFontListTest, CancelTouchesNothing) {
    const std::string path = folder + "\\kept.txt";
    WriteAll(path, "kept\r\n");
    program->dialogs.exportFile.fileName = path;
    const auto driver = Export(std::nullopt);
    EXPECT_EQ(driver->Answered(), 1);
    EXPECT_EQ(driver->Proposed(), "kept.txt");
    EXPECT_TRUE(driver->Others().empty());
    EXPECT_EQ(ReadAll(path), "kept\r\n");
    EXPECT_EQ(program->dialogs.exportFile.fileName, path);
}

TEST_F(ExportFontListTest, ReadOnlyOrLockedFileIsReportedWithItsNameAndKept) {
    const std::string path = folder + "\\guarded.txt";
    for (const bool readOnly : {true, false}) {
        WriteAll(path, "old\r\n");
        if (readOnly) ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
        tk::UniqueFile lock(readOnly ? INVALID_HANDLE_VALUE
                                     : ::CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr,
                                                     OPEN_EXISTING, 0, nullptr));
        const auto driver = Export(path);
        EXPECT_EQ(driver->Others(),
                  std::vector<std::string>{"Letterloom: 无法创建文件 " + path + "."})
            << readOnly;
        lock.reset();
        ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        EXPECT_EQ(ReadAll(path), "old\r\n");
        EXPECT_EQ(FilesIn(folder), std::vector<std::string>{"guarded.txt"});
    }
}

TEST_F(ExportFontListTest, FolderThatIsMissingOrATargetThatIsAFolderCannotBeMade) {
    for (const std::string& path : {folder + "\\no such folder\\list.txt", folder}) {
        try {
            tk::ReplaceFileContents(path, "Default\r\n");
            ADD_FAILURE() << path;
        } catch (const tk::Error& error) {
            EXPECT_EQ(std::string(error.what()), "无法创建文件 " + path);
        }
    }
    EXPECT_TRUE(FilesIn(folder).empty());
}

// The build folder's full-disk fixture mounts a tiny file system filled to its last byte, with
// old.txt in it.
TEST_F(ExportFontListTest, FullDiskIsReportedAndLeavesNoPartialFile) {
    const char* fullDisk = std::getenv("LETTERLOOM_FULL_DISK");
    ULARGE_INTEGER free{};
    if (!fullDisk || !::GetDiskFreeSpaceExA(fullDisk, &free, nullptr, nullptr) ||
        free.QuadPart != 0 || !Exists(std::string(fullDisk) + "/old.txt"))
        GTEST_SKIP() << "no full file system mounted (needs root)";
    std::string disk = fullDisk;
    std::replace(disk.begin(), disk.end(), '/', '\\');
    for (const char* name : {"old.txt", "new.txt"}) {
        const auto driver = Export(disk + "\\" + name);
        EXPECT_EQ(driver->Others(), std::vector<std::string>{"Letterloom: 流写入错误."}) << name;
    }
    EXPECT_EQ(ReadAll(disk + "\\old.txt"), "old\r\n");
    EXPECT_FALSE(Exists(disk + "\\new.txt"));
    EXPECT_EQ(FilesIn(disk).size(), 2u);  // old.txt and the filler, no temporary file
}

}  // namespace
