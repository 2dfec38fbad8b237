#include "update/update_site.h"

#include "support/settings_file.h"
#include "tests/common/temp_folder.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

constexpr std::string_view kBuiltIn = "https://corvane.example.org/scripter/updates/";

// editor.ini names another site; only addresses the version check may use are taken.
TEST(UpdateSiteAddress, TakesTheSettingWhenItIsAnAllowedAddress) {
    testing::TempFolder folder;
    const std::string ini = folder.file("editor.ini");
    EXPECT_EQ(UpdateSiteAddress(ini, kBuiltIn), kBuiltIn);  // no editor.ini
    const std::pair<const char*, std::string_view> cases[] = {
        {"https://mirror.example.net/pop/updates/", "https://mirror.example.net/pop/updates/"},
        {"http://127.0.0.1:8080/u", "http://127.0.0.1:8080/u"},
        {"http://mirror.example.net/updates/", kBuiltIn}, {"ftp://mirror.example.net/", kBuiltIn},
        {"mirror.example.net", kBuiltIn}, {"", kBuiltIn}};
    for (const auto& [value, expected] : cases) {
        ASSERT_TRUE(WriteIni(ini, "update", "url", value));
        EXPECT_EQ(UpdateSiteAddress(ini, kBuiltIn), expected) << value;
    }
}

}  // namespace
}  // namespace corvane
