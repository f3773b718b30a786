#include "toolkit/FileReplace.h"

#include <windows.h>

#include "logic/ExportText.h"
#include "toolkit/Error.h"
#include "toolkit/UniqueHandle.h"

namespace tk {

namespace {

// A temporary file that is deleted unless it was moved into place.
class TemporaryFile {
public:
    explicit TemporaryFile(std::string path) : path_(std::move(path)) {}
    ~TemporaryFile() {
        if (!path_.empty()) ::DeleteFileA(path_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    const std::string& Path() const { return path_; }
    void Kept() { path_.clear(); }

private:
    std::string path_;
};

std::string FolderOf(const std::string& path) {
    char full[MAX_PATH * 4] = {};
    char* namePart = nullptr;
    const DWORD length = ::GetFullPathNameA(path.c_str(), sizeof full, full, &namePart);
    if (length == 0 || length >= sizeof full || !namePart) return {};
    return std::string(full, namePart);
}

// An existing file must open for writing by us alone: read-only, locked or forbidden files fail
// here, before anything is written.
bool ExistingFileWritable(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return true;
    if (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) return false;
    UniqueFile file(::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    return static_cast<bool>(file);
}

bool WriteAll(HANDLE file, std::string_view bytes) {
    DWORD written = 0;
    if (!bytes.empty() &&
        (!::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
         written != bytes.size()))
        return false;
    return ::FlushFileBuffers(file) != FALSE;
}

}  // namespace

void ReplaceFileContents(const std::string& path, std::string_view bytes) {
    const Error cannotCreate(logic::CannotCreateFileMessage(path));
    const std::string folder = FolderOf(path);
    if (folder.empty() || !ExistingFileWritable(path)) throw cannotCreate;
    char tempName[MAX_PATH] = {};
    if (!::GetTempFileNameA(folder.c_str(), "llx", 0, tempName)) throw cannotCreate;
    TemporaryFile temp(tempName);
    {
        UniqueFile file(::CreateFileA(temp.Path().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) throw cannotCreate;
        if (!WriteAll(file.get(), bytes)) throw Error(logic::kStreamWriteError);
    }
    if (!::MoveFileExA(temp.Path().c_str(), path.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        throw cannotCreate;
    temp.Kept();
}

}  // namespace tk
