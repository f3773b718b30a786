#include "PrintTestSupport.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include <dlgs.h>

#include "print/FontListPrintout.h"
#include "settings/SettingsStore.h"
#include "support/UnixPrograms.h"
#include "toolkit/Menu.h"
#include "toolkit/Printer.h"
#include "toolkit/UniqueHandle.h"

namespace printtest {

namespace {

using testsupport::RunUnix;
using testsupport::WindowsPath;

// The output folder as the Linux side names it, from the environment of the test run.
std::string UnixPdfDir() {
    const char* dir = std::getenv("LETTERLOOM_PDF_DIR");
    return dir ? dir : "";
}

std::string Utf8ToAnsi(const std::string& text) {
    const int wide = ::MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, nullptr, 0);
    std::wstring w(static_cast<size_t>(wide), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, w.data(), wide);
    const int narrow =
        ::WideCharToMultiByte(CP_ACP, 0, w.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(narrow), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, w.c_str(), -1, out.data(), narrow, nullptr, nullptr);
    out.resize(static_cast<size_t>(narrow > 0 ? narrow - 1 : 0));
    return out;
}

double Attribute(const std::string& tag, const char* name) {
    const std::string key = std::string(name) + "=\"";
    const size_t at = tag.find(key);
    return at == std::string::npos ? 0 : std::atof(tag.c_str() + at + key.size());
}

// cups-pdf writes a file and then makes it readable to its owner only: a complete file ends with
// the trailer's end-of-file mark.
bool Complete(const std::vector<std::string>& pdfFiles) {
    return std::all_of(pdfFiles.begin(), pdfFiles.end(), [](const std::string& file) {
        std::ifstream in(WindowsPath(file), std::ios::binary);
        const std::string content((std::istreambuf_iterator<char>(in)), {});
        return content.find("%%EOF") != std::string::npos;
    });
}

}  // namespace

const Word* Page::Find(const std::string& text) const {
    for (const Word& word : words)
        if (word.text == text) return &word;
    return nullptr;
}

std::vector<std::string> PdfFiles() {
    std::vector<std::pair<ULONGLONG, std::string>> found;
    WIN32_FIND_DATAA data{};
    const tk::UniqueFind search(
        ::FindFirstFileA(WindowsPath(UnixPdfDir() + "/*.pdf").c_str(), &data));
    if (!search) return {};
    do {
        const ULONGLONG written = (ULONGLONG{data.ftLastWriteTime.dwHighDateTime} << 32) |
                                  data.ftLastWriteTime.dwLowDateTime;
        found.emplace_back(written, UnixPdfDir() + "/" + data.cFileName);
    } while (::FindNextFileA(search.get(), &data));
    std::sort(found.begin(), found.end());
    std::vector<std::string> files;
    for (auto& [written, name] : found) files.push_back(name);
    return files;
}

void DeletePdfFiles() {
    for (const std::string& file : PdfFiles()) ::DeleteFileA(WindowsPath(file).c_str());
}

bool WaitForPdfFiles(size_t count, DWORD timeoutMs) {
    return testsupport::WaitFor(
        [count] {
            const std::vector<std::string> files = PdfFiles();
            return files.size() >= count && Complete(files);
        },
        timeoutMs);
}

std::vector<Page> ReadPages(const std::string& pdfFile) {
    const std::string html = pdfFile + ".html";
    RunUnix("Z:\\usr\\bin\\pdftotext -bbox \"" + pdfFile + "\" \"" + html + "\"");
    // Wine does not wait for a Linux program to end: the file is read once it is complete.
    std::string text;
    testsupport::WaitFor(
        [&] {
            std::ifstream in(WindowsPath(html));
            std::stringstream content;
            content << in.rdbuf();
            text = content.str();
            return text.find("</html>") != std::string::npos;
        },
        6000);
    ::DeleteFileA(WindowsPath(html).c_str());
    std::vector<Page> pages;
    for (size_t at = text.find('<'); at != std::string::npos; at = text.find('<', at + 1)) {
        const size_t end = text.find('>', at);
        const std::string tag = text.substr(at, end - at);
        if (tag.rfind("<page ", 0) == 0) {
            pages.push_back({Attribute(tag, "width"), Attribute(tag, "height"), {}});
        } else if (tag.rfind("<word ", 0) == 0 && !pages.empty()) {
            const size_t close = text.find("</word>", end);
            pages.back().words.push_back({Utf8ToAnsi(text.substr(end + 1, close - end - 1)),
                                          Attribute(tag, "xMin"), Attribute(tag, "yMin"),
                                          Attribute(tag, "xMax"), Attribute(tag, "yMax")});
        }
    }
    return pages;
}

double PrintTest::Points(int pixels) {
    return pixels * 72.0 / ::GetDeviceCaps(program->printer.Handle(), LOGPIXELSY);
}

bool ShowsWholeText(HWND label) {
    char text[512] = {};
    const int length = ::GetWindowTextA(label, text, sizeof text);
    tk::WindowDC dc(label);
    tk::SelectScope font(dc.get(),
                         reinterpret_cast<HGDIOBJ>(::SendMessageA(label, WM_GETFONT, 0, 0)));
    SIZE extent{};
    ::GetTextExtentPoint32A(dc.get(), text, length, &extent);
    RECT client{};
    ::GetClientRect(label, &client);
    return client.right >= extent.cx && client.bottom >= extent.cy;
}

bool ChoosePrinterAndConfirm(HWND dialog, const std::string& printer) {
    // The print dialog names the printer in one combo box, the set-up dialog in another.
    for (int id : {cmb4, cmb1}) {
        HWND names = ::GetDlgItem(dialog, id);
        const LRESULT index =
            names ? ::SendMessageA(names, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                   reinterpret_cast<LPARAM>(printer.c_str()))
                  : CB_ERR;
        if (index == CB_ERR) continue;
        ::SendMessageA(names, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(names));
        ::SendMessageA(dialog, WM_COMMAND, IDOK, 0);
        return true;
    }
    return false;
}

std::unique_ptr<OnNextPump> PrintTest::CancelAtFirstPump() {
    return std::make_unique<OnNextPump>([this] {
        ::SendMessageA(progress->Handle(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                       reinterpret_cast<LPARAM>(progress->CancelButton().Handle()));
    });
}

std::vector<Page> PrintTest::PrintedPages() {
    const std::vector<std::string> files = PdfsBeforeMarker();
    if (files.size() != 1) {
        ADD_FAILURE() << files.size() << " PDF files";
        return {};
    }
    return ReadPages(files[0]);
}

void PrintTest::SetUp() {
    testsupport::ProgramTest::SetUp();
    StartProgram();
    progress = &program->printProgress;
    options = &program->printOptions;
    program->settings.previewText = "Sample";
    ASSERT_FALSE(UnixPdfDir().empty()) << "run under test.sh, which starts the PDF queue";
    DeletePdfFiles();
}

letterloom::PrintOutcome PrintTest::PrintFontList(int columns) {
    return letterloom::PrintFontList(Tools(), form->Handle(), program->fontNames, columns,
                                     "Sample");
}

void PrintTest::UseFonts(int count) {
    program->fontNames.clear();
    for (int i = 0; i < count; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "Font%03d", i);
        program->fontNames.push_back(name);
    }
}

void PrintTest::Command(const char* item) {
    ::SendMessageA(form->Handle(), WM_COMMAND, form->FileMenu().CommandId(item), 0);
    testsupport::Pump();
}

void PrintTest::PrintMarker() {
    letterloom::ResetPrinterSettings(program->printer);
    tk::Printer& printer = program->printer;
    // The program's character-map jobs carry whatever title the printer holds.
    const std::string title = printer.title;
    printer.title = "marker";
    printer.BeginDoc();
    printer.GetCanvas().TextOut(100, 100, "marker");
    printer.EndDoc();
    printer.title = title;
}

std::vector<std::string> PrintTest::PdfsBeforeMarker() {
    PrintMarker();
    std::vector<std::string> files;
    const auto isMarker = [](const std::string& file) {
        return file.find("marker") != std::string::npos;
    };
    if (!testsupport::WaitFor(
            [&] {
                files = PdfFiles();
                return std::any_of(files.begin(), files.end(), isMarker) && Complete(files);
            },
            60000)) {
        ADD_FAILURE() << "the marker job did not come out";
        return files;
    }
    files.erase(std::find_if(files.begin(), files.end(), isMarker));
    return files;
}

}  // namespace printtest
