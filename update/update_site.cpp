#include "update/update_site.h"

#include "support/settings_file.h"
#include "update/update_url.h"

namespace corvane {

std::string UpdateSiteAddress(const std::string& settingsFile, std::string_view builtIn) {
    const std::string address = ReadIni(settingsFile, settings::kUpdateSection, settings::kUpdateUrl, "");
    return !address.empty() && IsAllowedUpdateUrl(address) ? address : std::string(builtIn);
}

}  // namespace corvane
