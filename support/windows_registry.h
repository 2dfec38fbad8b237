#pragma once
// The Windows registry through advapi32. Only built on Windows.

#ifdef _WIN32

#include "support/registry.h"

namespace corvane {

class WindowsRegistry final : public RegistryReader {
public:
    bool KeyExists(std::uint32_t root, const std::string& subKey) const override;
    RegistryValue Value(std::uint32_t root, const std::string& subKey, const std::string& name) const override;
};

}  // namespace corvane

#endif
