#include "support/wine_registry.h"

#include <cstdlib>

#include "support/file_utils.h"
#include "support/wine_path.h"

namespace corvane {
namespace {

std::string WowKey(const std::string& subKey) {
    const std::string software = "software\\";
    std::string lower = ToLowerAscii(subKey);
    if (!lower.starts_with(software) || lower.starts_with(software + "wow6432node")) return {};
    return subKey.substr(0, software.size()) + "Wow6432Node\\" + subKey.substr(software.size());
}

}  // namespace

WineRegistry::WineRegistry(std::filesystem::path prefix) : prefix_(std::move(prefix)) {}

WineRegistryFile WineRegistry::ReadMachine() const {
    std::string text;
    if (prefix_.empty() || !ReadWholeFile(Utf8FromPath(prefix_ / "system.reg"), text)) return {};
    return WineRegistryFile::Parse(text);
}

std::filesystem::path WineRegistry::PrefixFromEnvironment() {
    if (const char* prefix = std::getenv("WINEPREFIX"); prefix && *prefix) return PathFromUtf8(prefix);
    if (const char* home = std::getenv("HOME"); home && *home) return PathFromUtf8(home) / ".wine";
    return {};
}

std::optional<std::string> WineRegistry::resolveKey(const WineRegistryFile& machine, std::uint32_t root,
                                                    const std::string& subKey) {
    if (root != kHkeyLocalMachine) return std::nullopt;
    std::string wow = WowKey(subKey);
    if (!wow.empty() && machine.HasKey(wow)) return wow;
    if (machine.HasKey(subKey)) return subKey;
    return std::nullopt;
}

bool WineRegistry::KeyExists(std::uint32_t root, const std::string& subKey) const {
    return resolveKey(ReadMachine(), root, subKey).has_value();
}

RegistryValue WineRegistry::Value(std::uint32_t root, const std::string& subKey, const std::string& name) const {
    const WineRegistryFile machine = ReadMachine();
    auto key = resolveKey(machine, root, subKey);
    return key ? machine.Value(*key, name) : RegistryValue::Empty();
}

std::string WineRegistry::NativePath(const std::string& windowsPath) const {
    return NativePathInWinePrefix(prefix_, windowsPath);
}

}  // namespace corvane
