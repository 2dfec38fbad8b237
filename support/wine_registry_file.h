#pragma once
// The contents of a Wine registry file (system.reg): keys in [sections], values below them.
// Key paths and value names are matched without regard to letter case, as Wine does.

#include <map>
#include <string>
#include <string_view>

#include "support/registry.h"

namespace corvane {

class WineRegistryFile {
public:
    // Reads whatever can be read; lines that make no sense are skipped.
    static WineRegistryFile Parse(std::string_view text);

    // `keyPath` with single backslashes, relative to the file's root (HKEY_LOCAL_MACHINE for
    // system.reg). A key also exists when only keys below it are written.
    bool HasKey(const std::string& keyPath) const;
    RegistryValue Value(const std::string& keyPath, const std::string& name) const;

private:
    using Values = std::map<std::string, RegistryValue>;  // by folded name
    std::map<std::string, Values> keys_;                  // by folded path

    void ParseLine(std::string_view line, Values*& current);
};

}  // namespace corvane
