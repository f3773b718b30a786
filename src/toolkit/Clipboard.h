#pragma once
// The system clipboard, as plain text.
#include <windows.h>

#include <string>
#include <string_view>

namespace tk {

// Replaces the clipboard's contents by text (CF_TEXT, in the ANSI code page); owner becomes the
// clipboard's owner. An empty text puts an empty string. When another program keeps the clipboard
// open, the error raised starts with busyText, the caller's words for it.
void SetClipboardText(HWND owner, std::string_view text, const std::string& busyText);

}  // namespace tk
