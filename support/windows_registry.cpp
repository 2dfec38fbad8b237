#ifdef _WIN32

#include "support/windows_registry.h"

#include <windows.h>

#include <vector>

namespace corvane {
namespace {

// The game is a 32-bit program whose installer writes to the 32-bit view (Wow6432Node on a 64-bit
// system), so that view is read first; a key that only the 64-bit view holds (written by hand or by
// a 64-bit tool) is found too.
constexpr REGSAM kViews[] = {KEY_QUERY_VALUE | KEY_WOW64_32KEY, KEY_QUERY_VALUE | KEY_WOW64_64KEY};

class OpenKey {
public:
    OpenKey(std::uint32_t root, const std::string& subKey) {
        HKEY rootKey = reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(root));
        for (REGSAM access : kViews) {
            if (RegOpenKeyExA(rootKey, subKey.c_str(), 0, access, &key_) == ERROR_SUCCESS) return;
            key_ = nullptr;
        }
    }
    ~OpenKey() {
        if (key_) RegCloseKey(key_);
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    HKEY get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

RegistryValue ReadText(HKEY key, const std::string& name, DWORD size) {
    std::vector<char> buffer(size + 1, '\0');
    DWORD got = size;
    if (RegQueryValueExA(key, name.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(buffer.data()), &got) !=
        ERROR_SUCCESS)
        return RegistryValue::Empty();
    std::string text(buffer.data(), got < buffer.size() ? got : buffer.size() - 1);
    return RegistryValue::Text(text.substr(0, text.find('\0')));
}

RegistryValue ReadNumber(HKEY key, const std::string& name) {
    std::int32_t number = 0;
    DWORD size = sizeof number;
    if (RegQueryValueExA(key, name.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(&number), &size) != ERROR_SUCCESS)
        return RegistryValue::Empty();
    return RegistryValue::Number(number);
}

}  // namespace

bool WindowsRegistry::KeyExists(std::uint32_t root, const std::string& subKey) const {
    return OpenKey(root, subKey).get() != nullptr;
}

RegistryValue WindowsRegistry::Value(std::uint32_t root, const std::string& subKey, const std::string& name) const {
    OpenKey key(root, subKey);
    if (!key.get()) return RegistryValue::Empty();
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return RegistryValue::Empty();
    if (type == REG_SZ) return ReadText(key.get(), name, size);
    if (type == REG_DWORD) return ReadNumber(key.get(), name);
    return RegistryValue::Empty();
}

}  // namespace corvane

#endif
