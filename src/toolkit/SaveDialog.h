#pragma once
// The platform's modal "save as" dialog. The object keeps the chosen name, so the next run
// proposes it again.
#include <windows.h>

#include <string>

namespace tk {

class SaveDialog {
public:
    // Appended by the platform to a name typed without an extension, unless the chosen filter's
    // pattern names an extension of its own ("*.csv"): then that one.
    std::string defaultExt;
    // Pairs of description and pattern, separated by '|': "Text (*.txt)|*.txt".
    std::string filter;
    // The pair shown, 1 for the first: proposed when the dialog opens, the user's choice after a
    // confirmed run.
    int filterIndex = 1;
    std::string title;
    // Ask before replacing an existing file.
    bool overwritePrompt = false;
    // Proposed when the dialog opens; the chosen name after a confirmed run.
    std::string fileName;

    // True when the user chose a name; a cancelled run leaves fileName as it was.
    bool Execute(HWND owner);
};

}  // namespace tk
