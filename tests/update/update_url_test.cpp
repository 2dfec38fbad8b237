#include "update/update_url.h"

#include <gtest/gtest.h>

#include "support/settings_file.h"
#include "tests/common/temp_folder.h"
#include "update/update_site.h"

namespace corvane {
namespace {

TEST(UpdateUrl, HttpsOrPlainHttpToThisMachineOnly) {
    for (const char* url : {"https://corvane.example.org/scripter/updates/", "HTTPS://Example.org:8443/u/",
                            "http://127.0.0.1:8080/updates/", "http://LOCALHOST/u/", "http://[::1]:9000/"}) {
        EXPECT_TRUE(IsAllowedUpdateUrl(url)) << url;
    }
    for (const char* url :
         {"http://corvane.example.org/updates/", "http://127.0.0.1.example.org/", "http://127.0.0.1@example.org/",
          "https://user:pw@example.org/", "http://127.0.0.1:80x/", "http://[::1/", "ftp://example.org/",
          "file:///etc/passwd", "https:///nohost", "https://exa mple.org/", "https://example.org/\nx",
          "http://127.0.0.1\\@example.org/", "example.org/updates/", ""}) {
        EXPECT_FALSE(IsAllowedUpdateUrl(url)) << url;
    }
}

// editor.ini names another site; only addresses the version check may use are taken.
TEST(UpdateSiteAddress, TakesTheSettingWhenItIsAnAllowedAddress) {
    constexpr std::string_view kBuiltIn = "https://corvane.example.org/scripter/updates/";
    testing::TempFolder folder;
    const std::string ini = folder.file("editor.ini");
    EXPECT_EQ(UpdateSiteAddress(ini, kBuiltIn), kBuiltIn);  // no editor.ini
    for (const auto& [value, expected] :
         {std::pair<const char*, std::string_view>{"https://mirror.example.net/pop/updates/",
                                                   "https://mirror.example.net/pop/updates/"},
          {"http://127.0.0.1:8080/u", "http://127.0.0.1:8080/u"},
          {"http://mirror.example.net/u/", kBuiltIn},
          {"", kBuiltIn}}) {
        ASSERT_TRUE(WriteIni(ini, "update", "url", value));
        EXPECT_EQ(UpdateSiteAddress(ini, kBuiltIn), expected) << value;
    }
}

}  // namespace
}  // namespace corvane
