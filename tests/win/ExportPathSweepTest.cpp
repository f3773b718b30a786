// Export targets the file system refuses: paths that are too long, a read-only folder and a full
// file system. Each is reported as promised and leaves every file as it was.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

#include "toolkit/Error.h"
#include "toolkit/FileReplace.h"
#include "toolkit/UniqueHandle.h"

namespace {

constexpr char kList[] = "Default\r\nSweep\r\n";

// A folder's files and their bytes.
std::map<std::string, std::string> FilesIn(const std::string& folder) {
    std::map<std::string, std::string> files;
    WIN32_FIND_DATAA found{};
    const tk::UniqueFind search(::FindFirstFileA((folder + "\\*").c_str(), &found));
    if (!search) return files;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        std::ifstream file(folder + "\\" + found.cFileName, std::ios::binary);
        std::ostringstream bytes;
        bytes << file.rdbuf();
        files[found.cFileName] = bytes.str();
    } while (::FindNextFileA(search.get(), &found));
    return files;
}

// A mounted test file system named by the environment, in Windows' form; empty when none is.
std::string MountedFolder(const char* variable, const char* fileInIt) {
    const char* path = std::getenv(variable);
    if (!path) return {};
    std::string folder = path;
    std::replace(folder.begin(), folder.end(), '/', '\\');
    if (::GetFileAttributesA((folder + "\\" + fileInIt).c_str()) == INVALID_FILE_ATTRIBUTES)
        return {};
    return folder;
}

std::string ExportError(const std::string& path) {
    try {
        tk::ReplaceFileContents(path, kList);
    } catch (const tk::Error& error) {
        return error.what();
    }
    return {};
}

TEST(ExportPathSweepTest, RefusedTargetsAreReportedAndLoseNothing) {
    char temp[MAX_PATH] = {};
    ::GetTempPathA(sizeof temp, temp);
    const std::string folder = std::string(temp) + "letterloom-sweep";
    ::CreateDirectoryA(folder.c_str(), nullptr);
    for (const auto& [name, bytes] : FilesIn(folder)) ::DeleteFileA((folder + "\\" + name).c_str());
    std::ofstream(folder + "\\kept.txt", std::ios::binary) << "kept\r\n";
    const std::string readOnly = MountedFolder("LETTERLOOM_READ_ONLY_DISK", "keep.txt");
    const std::string fullDisk = MountedFolder("LETTERLOOM_FULL_DISK", "old.txt");
    const auto cannotCreate = [](const std::string& path) { return "无法创建文件 " + path; };
    // The longest path the ANSI functions take: MAX_PATH less its terminator.
    const std::string longest =
        folder + "\\" + std::string(MAX_PATH - 1 - folder.size() - 1 - 4, 'n') + ".txt";
    const struct Case {
        std::string folder;
        std::string path;
        std::string error;
    } cases[] = {
        {folder, longest, ""},  // at the limit: written
        {folder, longest + "x", cannotCreate(longest + "x")},
        {folder, folder + "\\" + std::string(300, 'n') + ".txt",
         cannotCreate(folder + "\\" + std::string(300, 'n') + ".txt")},
        {folder, folder + "\\" + std::string(200, 'd') + "\\" + std::string(200, 'n'),
         cannotCreate(folder + "\\" + std::string(200, 'd') + "\\" + std::string(200, 'n'))},
        {readOnly, readOnly + "\\new.txt", cannotCreate(readOnly + "\\new.txt")},
        {readOnly, readOnly + "\\keep.txt", cannotCreate(readOnly + "\\keep.txt")},
        {fullDisk, fullDisk + "\\new.txt", "流写入错误"},
        {fullDisk, fullDisk + "\\old.txt", "流写入错误"},
    };
    int ran = 0;
    for (const Case& c : cases) {
        if (c.folder.empty()) continue;  // that file system could not be mounted (needs root)
        ++ran;
        std::map<std::string, std::string> expected = FilesIn(c.folder);
        EXPECT_EQ(ExportError(c.path), c.error) << c.path.size() << " " << c.path;
        if (c.error.empty()) expected[c.path.substr(c.folder.size() + 1)] = kList;
        EXPECT_EQ(FilesIn(c.folder), expected) << c.path;  // nothing lost, no temporary file
    }
    ::DeleteFileA(longest.c_str());
    ::DeleteFileA((folder + "\\kept.txt").c_str());
    ::RemoveDirectoryA(folder.c_str());
    if (ran < 8) GTEST_SKIP() << ran << " of 8 cases: a test file system could not be mounted";
}

}  // namespace
