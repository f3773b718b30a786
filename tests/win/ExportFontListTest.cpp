// Exporting the font list through File > 导出字体列表: the save dialog, the bytes of the file and
// every way writing it can fail.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "SaveDialogDriver.h"
#include "print/CommonDialogs.h"
#include "support/ProgramFixture.h"
#include "support/UnixPrograms.h"
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
    std::unique_ptr<testsupport::SaveDialogDriver> Export(std::optional<std::string> answer,
                                                          int fileType = 0) {
        auto driver =
            std::make_unique<testsupport::SaveDialogDriver>(kTitle, std::move(answer), fileType);
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

using Rows = std::vector<std::vector<std::string>>;

// A file's rows as Python's csv module reads them (read_csv.py beside this file).
Rows ReadCsv(const std::string& unixPath) {
    const std::string out = unixPath + ".rows";
    ::DeleteFileA(testsupport::WindowsPath(out).c_str());
    testsupport::RunUnix("Z:\\usr\\bin\\python3 \"" LETTERLOOM_TESTS_SOURCE_DIR
                         "/read_csv.py\" \"" +
                         unixPath + "\" \"" + out + "\"");
    EXPECT_TRUE(testsupport::WaitFor([&] { return Exists(testsupport::WindowsPath(out)); }));
    Rows rows;
    std::string field;
    for (const char c : ReadAll(testsupport::WindowsPath(out))) {
        if (c == '\x1e') {
            rows.emplace_back();
        } else if (c == '\x1f') {
            if (rows.empty()) rows.emplace_back();
            rows.back().push_back(std::exchange(field, {}));
        } else {
            field += c;
        }
    }
    // Each row was ended after its fields: the last one opened is empty.
    if (!rows.empty()) rows.pop_back();
    return rows;
}

// What the test's own enumeration of a family finds: its character sets and its type.
struct Enumerated {
    std::set<std::string> charsets;
    std::string type;
};

int CALLBACK NoteFace(const LOGFONTA* font, const TEXTMETRICA* metrics, DWORD fontType,
                      LPARAM param) {
    // The documented values of the sets these tests meet.
    std::istringstream names(
        "0 ANSI 238 EASTEUROPE 204 RUSSIAN 161 GREEK 162 TURKISH 186 BALTIC 134 GB2312 "
        "128 SHIFTJIS 129 HANGUL 136 CHINESEBIG5 130 JOHAB");
    std::string name = std::to_string(font->lfCharSet);
    for (std::pair<int, std::string> entry; names >> entry.first >> entry.second;)
        if (entry.first == font->lfCharSet) name = entry.second;
    auto& found = *reinterpret_cast<Enumerated*>(param);
    found.charsets.insert(name);
    // A bitmap font's metrics are plain ones, without the flags.
    const auto opentype = [&] {
        return (reinterpret_cast<const NEWTEXTMETRICEXA*>(metrics)->ntmTm.ntmFlags &
                (NTM_PS_OPENTYPE | NTM_TT_OPENTYPE)) != 0;
    };
    if (found.type.empty())
        found.type = (fontType & RASTER_FONTTYPE)     ? "raster"
                     : opentype()                     ? "OpenType"
                     : (fontType & TRUETYPE_FONTTYPE) ? "TrueType"
                                                      : "other";
    return TRUE;
}

Enumerated Enumerate(const std::string& family) {
    Enumerated found;
    LOGFONTA wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    family.copy(wanted.lfFaceName, LF_FACESIZE - 1);
    const tk::WindowDC screen(nullptr);
    ::EnumFontFamiliesExA(screen.get(), &wanted, NoteFace, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

std::set<std::string> Words(const std::string& text) {
    std::set<std::string> words;
    std::istringstream in(text);
    for (std::string word; in >> word;) words.insert(word);
    return words;
}

TEST_F(ExportFontListTest, CsvTypeWritesOneRowOfFactsPerFamilyThatAStandardReaderReads) {
    const std::string unixFile = LETTERLOOM_TESTS_BINARY_DIR "/export-facts.csv";
    ::DeleteFileA(testsupport::WindowsPath(unixFile).c_str());
    const std::string typed = testsupport::WindowsPath(LETTERLOOM_TESTS_BINARY_DIR "/export-facts");
    const auto driver = Export(typed, 1);  // the second type; the name gets its extension
    EXPECT_EQ(driver->Answered(), 1);
    EXPECT_TRUE(driver->Others().empty());
    EXPECT_EQ(program->dialogs.exportFile.filterIndex, 2);

    const std::string bytes = ReadAll(testsupport::WindowsPath(unixFile));
    const std::vector<std::string> names = form->FontList().Names();
    const Rows rows = ReadCsv(unixFile);
    ASSERT_EQ(rows.size(), names.size() + 1) << (rows.empty() ? bytes : rows[0][0]);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"Name", "Character sets", "Pitch and family",
                                                 "Type", "Weights and styles", "Font file"}));
    std::map<std::string, std::vector<std::string>> byName;
    for (size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(rows[i + 1].size(), 6u) << names[i];
        EXPECT_EQ(rows[i + 1][0], names[i]);
        byName[names[i]] = rows[i + 1];
    }
    // Every row ends with CR LF, and no name holds a line break.
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), static_cast<long>(rows.size()));
    EXPECT_EQ(bytes.find("\r\n", bytes.size() - 2), bytes.size() - 2);

    EXPECT_EQ(byName["Default"], (std::vector<std::string>{"Default", "", "", "", "", ""}));
    const struct {
        const char* family;
        const char* type;
        const char* styles;
        const char* fileEnd;
    } families[] = {
        {"Liberation Sans", "TrueType", "Regular Bold Italic Bold Italic",
         "LiberationSans-Regular.ttf"},
        {"C059", "OpenType", "Regular Bold Italic Bold Italic", "C059-Roman.otf"},
        {"Courier", "raster", "Regular", "coure.fon"},
        {"\xCE\xC4\xC8\xAA\xE6\xE4\xD5\xFD\xBA\xDA", "TrueType", "Medium", "wqy-zenhei.ttc"},
    };
    for (const auto& family : families) {
        const auto row = byName.find(family.family);
        ASSERT_NE(row, byName.end()) << family.family;
        const Enumerated expected = Enumerate(family.family);
        EXPECT_EQ(expected.type, family.type) << family.family;
        EXPECT_EQ(row->second[3], expected.type) << family.family;
        EXPECT_EQ(Words(row->second[1]), expected.charsets) << family.family;
        EXPECT_EQ(row->second[4], family.styles) << family.family;
        EXPECT_TRUE(row->second[5].ends_with(family.fileEnd)) << row->second[5];
    }
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
