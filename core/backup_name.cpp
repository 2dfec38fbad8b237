#include "core/backup_name.h"

#include "support/file_utils.h"

namespace corvane {
namespace {

constexpr std::string_view kScriptExtension = ".dat";

bool EndsWithScriptExtension(std::string_view path) {
    return path.size() >= kScriptExtension.size() &&
           ToLowerAscii(path.substr(path.size() - kScriptExtension.size())) == kScriptExtension;
}

}  // namespace

std::string BackupFileName(std::string_view scriptPath) {
    if (EndsWithScriptExtension(scriptPath)) scriptPath.remove_suffix(kScriptExtension.size());
    return std::string(scriptPath) + ".bak";
}

}  // namespace corvane
