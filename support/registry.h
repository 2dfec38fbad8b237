#pragma once
// Read-only access to the registry, where the game keeps its installation folder. On Windows this is
// the system registry; elsewhere the game runs under Wine and the same keys are read from the Wine
// prefix's system.reg.

#include <cstdint>
#include <memory>
#include <string>

namespace corvane {

struct RegistryValue {
    enum class Kind { Empty, Text, Number };
    Kind kind = Kind::Empty;
    std::string text;         // Kind::Text: the entry's text (UTF-8 off Windows, ANSI code page on it)
    std::int32_t number = 0;  // Kind::Number: a REG_DWORD entry

    // What a caller gets when it appends the value to text: a number in decimal, empty when empty.
    std::string AsText() const;

    static RegistryValue Empty() { return {}; }
    static RegistryValue Text(std::string t) { return {Kind::Text, std::move(t), 0}; }
    static RegistryValue Number(std::int32_t n) { return {Kind::Number, {}, n}; }
};

class RegistryReader {
public:
    virtual ~RegistryReader() = default;
    // True when the key can be opened. Key paths use backslashes and ignore letter case.
    virtual bool KeyExists(std::uint32_t root, const std::string& subKey) const = 0;
    // A REG_SZ entry as text, a REG_DWORD entry as a number; empty for anything else or any failure.
    virtual RegistryValue Value(std::uint32_t root, const std::string& subKey, const std::string& name) const = 0;
    // A Windows path as stored in the registry, turned into a path of this system. The Windows
    // registry needs no change; a Wine prefix maps drive letters through its dosdevices folder.
    virtual std::string NativePath(const std::string& windowsPath) const { return windowsPath; }
};

constexpr std::uint32_t kHkeyLocalMachine = 0x80000002;

// The registry of this system: advapi32 on Windows, the Wine prefix ($WINEPREFIX, else ~/.wine)
// elsewhere. Never fails: a missing registry reads as one without keys.
std::unique_ptr<RegistryReader> SystemRegistry();

}  // namespace corvane
