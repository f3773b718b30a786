#pragma once
// A registry key opened for reading or writing values by the ANSI functions. Reads check the
// stored type; a value that cannot be read or written raises a RegistryError.
#include <windows.h>

#include <cstdint>
#include <map>
#include <string>

#include "toolkit/Error.h"
#include "toolkit/UniqueHandle.h"

namespace tk {

// A value that could not be read, had another type than asked for, or could not be written. Its
// text names the value and gives the system's reason; a program that knows what the value is
// for words the message for its users from the failure and the value name.
class RegistryError : public Error {
public:
    enum class Failure { Read, Type, Write };
    RegistryError(Failure failure, const std::string& valueName, LONG status);
    Failure failure() const { return failure_; }
    const std::string& valueName() const { return valueName_; }

private:
    Failure failure_;
    std::string valueName_;
};

class RegistryKey {
public:
    // True when root\path opens with read access (the key is closed again at once).
    static bool KeyExists(HKEY root, const std::string& path);

    // Opens an existing key; false (and no key) when that fails.
    bool Open(HKEY root, const std::string& path, REGSAM access);
    // Opens the key, creating it and missing parents; false when that fails.
    bool Create(HKEY root, const std::string& path, REGSAM access = KEY_ALL_ACCESS);
    bool IsOpen() const { return static_cast<bool>(key_); }
    HKEY Handle() const { return key_.get(); }
    void Close() { key_.reset(); }

    bool ValueExists(const std::string& name) const;
    // REG_SZ or REG_EXPAND_SZ (not expanded), up to the first NUL.
    std::string ReadString(const std::string& name) const;
    // Every value of type REG_SZ or REG_EXPAND_SZ (not expanded), by name; the others are left
    // out. An unopened key has none.
    std::map<std::string, std::string> ReadStringValues() const;
    // At most 4 bytes of type REG_DWORD.
    int32_t ReadInteger(const std::string& name) const;
    void WriteString(const std::string& name, const std::string& value);
    void WriteInteger(const std::string& name, int32_t value);

private:
    UniqueKey key_;
};

}  // namespace tk
