#pragma once
// A registry key opened for reading or writing values by the ANSI functions. Reads check the
// stored type and raise an Error naming the value as asked for.
#include <windows.h>

#include <cstdint>
#include <string>

#include "toolkit/UniqueHandle.h"

namespace tk {

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
    // At most 4 bytes of type REG_DWORD.
    int32_t ReadInteger(const std::string& name) const;
    void WriteString(const std::string& name, const std::string& value);
    void WriteInteger(const std::string& name, int32_t value);

private:
    UniqueKey key_;
};

}  // namespace tk
