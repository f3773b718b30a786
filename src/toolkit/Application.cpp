#include "toolkit/Application.h"

#include <algorithm>

#include "logic/ErrorText.h"
#include "toolkit/Action.h"
#include "toolkit/Error.h"
#include "toolkit/Form.h"

namespace tk {

namespace {
std::function<void(DWORD)>& PauseFunction() {
    static std::function<void(DWORD)> pause = [](DWORD ms) { ::Sleep(ms); };
    return pause;
}
}  // namespace

void Pause(DWORD milliseconds) { PauseFunction()(milliseconds); }
void SetPauseFunction(std::function<void(DWORD)> pause) { PauseFunction() = std::move(pause); }

Application& Application::Instance() {
    static Application application;
    return application;
}

bool Application::ProcessOneMessage() {
    MSG msg{};
    if (!::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
    if (msg.message == WM_QUIT) {
        terminated_ = true;
        exitCode_ = static_cast<int>(msg.wParam);
        return true;
    }
    if (Form::RunShortcut(msg)) return true;
    if (Form* form = Form::DialogKeysTarget(msg.hwnd);
        form && ::IsDialogMessageA(form->Handle(), &msg))
        return true;
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
    return true;
}

int Application::Run() {
    if (mainForm_) mainForm_->Show(true);
    while (!terminated_) {
        if (!ProcessOneMessage()) {
            DoIdle();
            if (!terminated_) WaitForMessage();
        }
    }
    return exitCode_;
}

void Application::ProcessMessages() {
    while (!terminated_ && ProcessOneMessage()) {
    }
}

void Application::DoIdle() {
    try {
        for (ActionList* list : actionLists_) list->UpdateAll();
        // By index: a piece may add work, never remove any.
        for (size_t i = 0; i < idleWork_.size(); ++i)
            while (HIWORD(::GetQueueStatus(QS_ALLINPUT)) == 0 && idleWork_[i]->DoIdlePiece()) {
            }
    } catch (...) {
        HandleCurrentException();
    }
}

void Application::WaitForMessage() {
    // WaitMessage would wait for a message newer than the last look at the queue, and the idle
    // work looks at it between its pieces.
    ::MsgWaitForMultipleObjectsEx(0, nullptr, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
}

MainFormScope::MainFormScope(Form& form) {
    Application& app = Application::Instance();
    app.ClearTerminated();
    app.SetMainForm(&form);
}

MainFormScope::~MainFormScope() { Application::Instance().SetMainForm(nullptr); }

void Application::Terminate(int exitCode) {
    exitCode_ = exitCode;
    ::PostQuitMessage(exitCode);
}

void Application::HandleCurrentException() noexcept {
    try {
        throw;
    } catch (const std::exception& error) {
        HandleException(error);
    } catch (...) {
        try {
            HandleException(Error("unknown error"));
        } catch (...) {
            // No memory left even for the error's text.
            ::MessageBoxA(nullptr, "unknown error", nullptr, MB_OK | MB_ICONERROR);
        }
    }
}

void Application::HandleException(const std::exception& error) noexcept {
    try {
        ShowError(error.what());
    } catch (...) {
        // No memory left for the worded text: the bare one still reaches the user.
        ::MessageBoxA(nullptr, error.what(), nullptr, MB_OK | MB_ICONERROR);
    }
}

void Application::ShowError(const std::string& text) {
    HWND owner = ::GetActiveWindow();
    if (!owner && mainForm_) owner = mainForm_->Handle();
    ::MessageBoxA(owner, logic::WithFullStop(text).c_str(), title_.c_str(), MB_OK | MB_ICONERROR);
}

void Application::AddActionList(ActionList* list) { actionLists_.push_back(list); }

void Application::RemoveActionList(ActionList* list) {
    actionLists_.erase(std::remove(actionLists_.begin(), actionLists_.end(), list),
                       actionLists_.end());
}

void Application::AddIdleWork(IdleWork* work) { idleWork_.push_back(work); }

void Application::RemoveIdleWork(IdleWork* work) {
    idleWork_.erase(std::remove(idleWork_.begin(), idleWork_.end(), work), idleWork_.end());
}

}  // namespace tk
