// The Help menu: the help file, the maker's two web pages and the about box.
#include "about/GenABoxUnit.h"
#include "about/HtmlHelp.h"
#include "about/MakerSite.h"
#include "about/ShellOpen.h"
#include "app/MainFormUnit.h"
#include "toolkit/Application.h"

namespace letterloom {

namespace {

constexpr UINT kDisplayTopic = 0;  // HH_DISPLAY_TOPIC; data 0 is the file's default topic

}  // namespace

void TMainForm::Contents1Click() { ShowHtmlHelp(Handle(), HelpFilePath(), kDisplayTopic, 0); }

void TMainForm::AboutOrvaneSoftware1Click() { ShellOpen(nullptr, kSoftwarePage); }

void TMainForm::DonateActionExecute() { ShellOpen(nullptr, kDonatePage); }

void TMainForm::About1Click() {
    ShowAboutBox(Handle(), tk::Application::Instance().Icon(), "Letterloom", "v1.2.0");
}

}  // namespace letterloom
