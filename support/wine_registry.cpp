#include "support/wine_registry.h"

#include "support/file_utils.h"
#include "support/wine_path.h"

#include <cstdlib>

namespace corvane {
namespace {

std::string WowKey(const std::string& subKey) {
    const std::string software = "software\\";
    std::string lower = ToLowerAscii(subKey);
    if (!lower.starts_with(software) || lower.starts_with(software + "wow6432node")) return {};
    return subKey.substr(0, software.size()) + "Wow6432Node\\" + subKey.substr(software.size());
}

}  // namespace

WineRegistry::WineRegistry(std::filesystem::path prefix) : prefix_(std::move(prefix)) {
    std::string text;
    if (!prefix_.empty() && ReadWholeFile(Utf8FromPath(prefix_ / "system.reg"), text))
        machine_ = WineRegistryFile::Parse(text);
}

std::filesystem::path WineRegistry::PrefixFromEnvironment() {
    if (const char* prefix = std::getenv("WINEPREFIX"); prefix && *prefix) return PathFromUtf8(prefix);
    if (const char* home = std::getenv("HOME"); home && *home) return PathFromUtf8(home) / ".wine";
    return {};
}

std::optional<std::string> WineRegistry::resolveKey(std::uint32_t root, const std::string& subKey) const {
    if (root != kHkeyLocalMachine) return std::nullopt;
    std::string wow = WowKey(subKey);
    if (!wow.empty() && machine_.hasKey(wow)) return wow;
    if (machine_.hasKey(subKey)) return subKey;
    return std::nullopt;
}

bool WineRegistry::keyExists(std::uint32_t root, const std::string& subKey) const {
    return resolveKey(root, subKey).has_value();
}

RegistryValue WineRegistry::value(std::uint32_t root, const std::string& subKey, const std::string& name) const {
    auto key = resolveKey(root, subKey);
    return key ? machine_.value(*key, name) : RegistryValue::Empty();
}

std::string WineRegistry::nativePath(const std::string& windowsPath) const {
    return NativePathInWinePrefix(prefix_, windowsPath);
}

}  // namespace corvane
