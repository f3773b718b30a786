#pragma once
// Commands shared by menu items and toolbar buttons: caption, hint, image, checked and enabled
// state, an execute handler and an update handler run when the application goes idle.
#include <functional>
#include <string>
#include <vector>

namespace tk {

class Action {
public:
    std::string name;
    std::string category;
    std::string caption;
    std::string hint;
    int imageIndex = -1;

    std::function<void(Action&)> onExecute;
    std::function<void(Action&)> onUpdate;

    void Execute();
    void Update();

    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    // Clients (buttons, menu items) hear of every change of state.
    void AddClient(std::function<void(const Action&)> listener);

private:
    void Changed();
    bool checked_ = false;
    bool enabled_ = true;
    std::vector<std::function<void(const Action&)>> clients_;
};

class ActionList {
public:
    ActionList();
    ~ActionList();
    ActionList(const ActionList&) = delete;
    ActionList& operator=(const ActionList&) = delete;

    void Add(Action& action) { actions_.push_back(&action); }
    void UpdateAll();

private:
    std::vector<Action*> actions_;
};

}  // namespace tk
