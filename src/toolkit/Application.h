#pragma once
// The application object: title and icon, the message loop with idle-time action updates and
// idle work, running pending messages, and the standard report of errors that leave a handler.
#include <windows.h>

#include <exception>
#include <functional>
#include <string>
#include <vector>

namespace tk {

class ActionList;
class Form;

// Work that the message loop does a short piece at a time whenever its queue runs empty, until a
// message waits or the work has nothing left for now.
class IdleWork {
public:
    // One short piece; false when nothing is left for now.
    virtual bool DoIdlePiece() = 0;

protected:
    ~IdleWork() = default;
};

class Application {
public:
    static Application& Instance();

    void SetTitle(const std::string& title) { title_ = title; }
    const std::string& Title() const { return title_; }
    void SetIcon(HICON icon) { icon_ = icon; }
    HICON Icon() const { return icon_; }

    // The main form: closing it ends the message loop.
    void SetMainForm(Form* form) { mainForm_ = form; }
    Form* MainForm() const { return mainForm_; }

    // Shows the main form and runs the message loop until the program ends; returns the exit code.
    int Run();
    // Runs every message that is waiting, then returns.
    void ProcessMessages();
    // Runs one waiting message, a key press that is a form's shortcut as that shortcut; false when
    // the queue was empty.
    bool ProcessOneMessage();
    // Updates every registered action, then does idle work until a message waits or none is
    // left, as the loop does whenever the queue runs empty.
    void DoIdle();
    // Blocks until a message waits, also one that idle work has already seen waiting.
    void WaitForMessage();
    void Terminate(int exitCode = 0);
    bool Terminated() const { return terminated_; }
    // Lets a process run a main window again after the last one ended the loop.
    void ClearTerminated() { terminated_ = false; }

    // Reports an error that left a handler; never throws, so callbacks can call it.
    void HandleException(const std::exception& error) noexcept;
    // The same for the exception being handled, of whatever type: a callback's catch (...) calls
    // it.
    void HandleCurrentException() noexcept;
    // The standard error box: the text with its full stop, the title as caption, error icon, OK.
    void ShowError(const std::string& text);

    void AddActionList(ActionList* list);
    void RemoveActionList(ActionList* list);
    void AddIdleWork(IdleWork* work);
    void RemoveIdleWork(IdleWork* work);

private:
    Application() = default;

    std::string title_;
    HICON icon_ = nullptr;
    Form* mainForm_ = nullptr;
    bool terminated_ = false;
    int exitCode_ = 0;
    std::vector<ActionList*> actionLists_;
    std::vector<IdleWork*> idleWork_;
};

// Makes a form the application's main form for as long as it lives: closing the form ends the
// message loop, and a new main form starts with the loop's end of an earlier one forgotten.
class MainFormScope {
public:
    explicit MainFormScope(Form& form);
    ~MainFormScope();
    MainFormScope(const MainFormScope&) = delete;
    MainFormScope& operator=(const MainFormScope&) = delete;
};

// Blocks for the given milliseconds; tests may shorten the program's fixed pauses.
void Pause(DWORD milliseconds);
void SetPauseFunction(std::function<void(DWORD)> pause);

}  // namespace tk
