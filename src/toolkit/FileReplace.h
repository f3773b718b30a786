#pragma once
// Writes a file's whole new content so that a failure never leaves a partial file behind.
#include <string>
#include <string_view>

namespace tk {

// The bytes go to a temporary file in the file's folder, which replaces the file only after every
// byte was written; an existing file is replaced without a question. Raises Error with
// logic::CannotCreateFileMessage(path) when the file cannot be made there (bad path, no rights, a
// locked or read-only file) and with logic::kStreamWriteError when writing fails (disk full);
// either way an existing file keeps its old content.
void ReplaceFileContents(const std::string& path, std::string_view bytes);

}  // namespace tk
