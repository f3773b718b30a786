#include "toolkit/Registry.h"

#include <vector>

#include "logic/ConfigData.h"
#include "toolkit/Error.h"

namespace tk {

bool RegistryKey::KeyExists(HKEY root, const std::string& path) {
    HKEY key = nullptr;
    if (::RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    ::RegCloseKey(key);
    return true;
}

bool RegistryKey::Open(HKEY root, const std::string& path, REGSAM access) {
    HKEY key = nullptr;
    key_.reset();
    if (::RegOpenKeyExA(root, path.c_str(), 0, access, &key) != ERROR_SUCCESS) return false;
    key_.reset(key);
    return true;
}

bool RegistryKey::Create(HKEY root, const std::string& path, REGSAM access) {
    HKEY key = nullptr;
    key_.reset();
    if (::RegCreateKeyExA(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr,
                          &key, nullptr) != ERROR_SUCCESS)
        return false;
    key_.reset(key);
    return true;
}

bool RegistryKey::ValueExists(const std::string& name) const {
    if (!key_) return false;
    DWORD type = 0;
    DWORD size = 0;
    return ::RegQueryValueExA(key_.get(), name.c_str(), nullptr, &type, nullptr, &size) ==
           ERROR_SUCCESS;
}

std::string RegistryKey::ReadString(const std::string& name) const {
    DWORD type = 0;
    DWORD size = 0;
    if (::RegQueryValueExA(key_.get(), name.c_str(), nullptr, &type, nullptr, &size) !=
        ERROR_SUCCESS)
        throw Error(logic::CannotGetDataMessage(name));
    if (size == 0) return {};
    std::vector<char> data(size + 1, '\0');
    DWORD read = size;
    if (::RegQueryValueExA(key_.get(), name.c_str(), nullptr, &type,
                           reinterpret_cast<BYTE*>(data.data()), &read) != ERROR_SUCCESS)
        throw Error(logic::CannotGetDataMessage(name));
    if (type != REG_SZ && type != REG_EXPAND_SZ) throw Error(logic::InvalidDataTypeMessage(name));
    data[read < size ? read : size] = '\0';
    return std::string(data.data());
}

int32_t RegistryKey::ReadInteger(const std::string& name) const {
    DWORD type = 0;
    int32_t value = 0;
    DWORD size = sizeof value;
    if (::RegQueryValueExA(key_.get(), name.c_str(), nullptr, &type,
                           reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS)
        throw Error(logic::CannotGetDataMessage(name));
    if (type != REG_DWORD) throw Error(logic::InvalidDataTypeMessage(name));
    return value;
}

void RegistryKey::WriteString(const std::string& name, const std::string& value) {
    if (::RegSetValueExA(key_.get(), name.c_str(), 0, REG_SZ,
                         reinterpret_cast<const BYTE*>(value.c_str()),
                         static_cast<DWORD>(value.size() + 1)) != ERROR_SUCCESS)
        throw Error(logic::CannotSetDataMessage(name));
}

void RegistryKey::WriteInteger(const std::string& name, int32_t value) {
    if (::RegSetValueExA(key_.get(), name.c_str(), 0, REG_DWORD,
                         reinterpret_cast<const BYTE*>(&value), sizeof value) != ERROR_SUCCESS)
        throw Error(logic::CannotSetDataMessage(name));
}

}  // namespace tk
