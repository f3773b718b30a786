#include "settings/RegistryWording.h"

#include "logic/Settings.h"
#include "toolkit/Registry.h"

namespace letterloom {

namespace {

std::string Worded(const tk::RegistryError& error) {
    switch (error.failure()) {
        case tk::RegistryError::Failure::Type:
            return logic::InvalidDataTypeMessage(error.valueName());
        case tk::RegistryError::Failure::Write:
            return logic::CannotSetDataMessage(error.valueName());
        case tk::RegistryError::Failure::Read:
            break;
    }
    return logic::CannotGetDataMessage(error.valueName());
}

}  // namespace

void WithSettingsWording(const std::function<void()>& access) {
    try {
        access();
    } catch (const tk::RegistryError& error) {
        throw tk::Error(Worded(error));
    }
}

}  // namespace letterloom
