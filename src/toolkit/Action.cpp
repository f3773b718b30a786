#include "toolkit/Action.h"

#include "toolkit/Application.h"

namespace tk {

void Action::Execute() {
    if (enabled_ && onExecute) onExecute(*this);
}

void Action::Update() {
    if (onUpdate) onUpdate(*this);
}

void Action::SetChecked(bool checked) {
    if (checked_ == checked) return;
    checked_ = checked;
    Changed();
}

void Action::SetEnabled(bool enabled) {
    if (enabled_ == enabled) return;
    enabled_ = enabled;
    Changed();
}

void Action::AddClient(std::function<void(const Action&)> listener) {
    clients_.push_back(std::move(listener));
    clients_.back()(*this);
}

void Action::Changed() {
    for (auto& client : clients_) client(*this);
}

ActionList::ActionList() { Application::Instance().AddActionList(this); }

ActionList::~ActionList() { Application::Instance().RemoveActionList(this); }

void ActionList::UpdateAll() {
    for (Action* action : actions_) action->Update();
}

}  // namespace tk
