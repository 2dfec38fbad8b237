#pragma once
// Which update site the version check asks. A mirror, or a test, names another one in editor.ini
// (section "update", key "url") without rebuilding the program.

#include <string>
#include <string_view>

namespace corvane {

// The address in editor.ini when it is one the version check may use (IsAllowedUpdateUrl), else
// `builtIn`.
std::string UpdateSiteAddress(const std::string& settingsFile, std::string_view builtIn);

}  // namespace corvane
