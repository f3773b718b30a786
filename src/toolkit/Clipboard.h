#pragma once
// The system clipboard, as plain text.
#include <windows.h>

#include <string_view>

namespace tk {

// Replaces the clipboard's contents by text (CF_TEXT, in the ANSI code page); owner becomes the
// clipboard's owner. An empty text puts an empty string.
void SetClipboardText(HWND owner, std::string_view text);

}  // namespace tk
