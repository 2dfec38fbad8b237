#pragma once
// The registry of a Wine prefix, for systems where the game runs under Wine: HKEY_LOCAL_MACHINE
// comes from the prefix's system.reg, and Windows paths map to the prefix's drives.

#include <filesystem>
#include <optional>

#include "support/registry.h"
#include "support/wine_registry_file.h"

namespace corvane {

class WineRegistry final : public RegistryReader {
public:
    // Reads `prefix`/system.reg at every lookup, as the registry itself would answer, so a game
    // installed while the program runs is found; a missing or unreadable file has no keys.
    explicit WineRegistry(std::filesystem::path prefix);

    // $WINEPREFIX when set, else ~/.wine; empty when neither can be found.
    static std::filesystem::path PrefixFromEnvironment();

    // Keys below "Software" are looked up first where a 32-bit program such as the game sees them
    // in a 64-bit prefix (Software\Wow6432Node\...), then as given.
    bool KeyExists(std::uint32_t root, const std::string& subKey) const override;
    RegistryValue Value(std::uint32_t root, const std::string& subKey, const std::string& name) const override;
    std::string NativePath(const std::string& windowsPath) const override;

private:
    std::filesystem::path prefix_;

    WineRegistryFile ReadMachine() const;
    // The key path to read for `subKey`, or empty when neither view has it.
    static std::optional<std::string> resolveKey(const WineRegistryFile& machine, std::uint32_t root,
                                                 const std::string& subKey);
};

}  // namespace corvane
