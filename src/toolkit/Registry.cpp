#include "toolkit/Registry.h"

#include <vector>

namespace tk {

namespace {

std::string RegistryErrorText(const std::string& valueName, LONG status) {
    return "registry value '" + valueName + "': " + SystemErrorText(static_cast<DWORD>(status));
}

}  // namespace

RegistryError::RegistryError(Failure failure, const std::string& valueName, LONG status)
    : Error(RegistryErrorText(valueName, status)), failure_(failure), valueName_(valueName) {}

bool RegistryKey::KeyExists(HKEY root, const std::string& path) {
    RegistryKey key;
    return key.Open(root, path, KEY_READ);
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
    LONG status = ::RegQueryValueExA(key_.get(), name.c_str(), nullptr, &type, nullptr, &size);
    if (status != ERROR_SUCCESS) throw RegistryError(RegistryError::Failure::Read, name, status);
    if (size == 0) return {};
    std::vector<char> data(size + 1, '\0');
    DWORD read = size;
    status = ::RegQueryValueExA(key_.get(), name.c_str(), nullptr, &type,
                                reinterpret_cast<BYTE*>(data.data()), &read);
    if (status != ERROR_SUCCESS) throw RegistryError(RegistryError::Failure::Read, name, status);
    if (type != REG_SZ && type != REG_EXPAND_SZ)
        throw RegistryError(RegistryError::Failure::Type, name, ERROR_DATATYPE_MISMATCH);
    data[read < size ? read : size] = '\0';
    return std::string(data.data());
}

std::map<std::string, std::string> RegistryKey::ReadStringValues() const {
    std::map<std::string, std::string> values;
    DWORD count = 0, longestName = 0, longestData = 0;
    if (!key_ ||
        ::RegQueryInfoKeyA(key_.get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count,
                           &longestName, &longestData, nullptr, nullptr) != ERROR_SUCCESS)
        return values;
    // The longest name is counted in UTF-16 units; a double-byte character takes two bytes here.
    std::vector<char> name(2 * longestName + 2);
    std::vector<char> data(longestData + 1);
    for (DWORD index = 0; index < count; ++index) {
        DWORD nameSize = static_cast<DWORD>(name.size());
        DWORD dataSize = longestData;
        DWORD type = 0;
        if (::RegEnumValueA(key_.get(), index, name.data(), &nameSize, nullptr, &type,
                            reinterpret_cast<BYTE*>(data.data()), &dataSize) != ERROR_SUCCESS)
            continue;
        if (type != REG_SZ && type != REG_EXPAND_SZ) continue;
        data[dataSize < longestData ? dataSize : longestData] = '\0';
        values.emplace(std::string(name.data(), nameSize), std::string(data.data()));
    }
    return values;
}

int32_t RegistryKey::ReadInteger(const std::string& name) const {
    DWORD type = 0;
    int32_t value = 0;
    DWORD size = sizeof value;
    const LONG status = ::RegQueryValueExA(key_.get(), name.c_str(), nullptr, &type,
                                           reinterpret_cast<BYTE*>(&value), &size);
    if (status != ERROR_SUCCESS) throw RegistryError(RegistryError::Failure::Read, name, status);
    if (type != REG_DWORD)
        throw RegistryError(RegistryError::Failure::Type, name, ERROR_DATATYPE_MISMATCH);
    return value;
}

void RegistryKey::WriteString(const std::string& name, const std::string& value) {
    const LONG status = ::RegSetValueExA(key_.get(), name.c_str(), 0, REG_SZ,
                                         reinterpret_cast<const BYTE*>(value.c_str()),
                                         static_cast<DWORD>(value.size() + 1));
    if (status != ERROR_SUCCESS) throw RegistryError(RegistryError::Failure::Write, name, status);
}

void RegistryKey::WriteInteger(const std::string& name, int32_t value) {
    const LONG status = ::RegSetValueExA(key_.get(), name.c_str(), 0, REG_DWORD,
                                         reinterpret_cast<const BYTE*>(&value), sizeof value);
    if (status != ERROR_SUCCESS) throw RegistryError(RegistryError::Failure::Write, name, status);
}

}  // namespace tk
