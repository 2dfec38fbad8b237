#include "update/update_url.h"

#include <gtest/gtest.h>

#include <string_view>

namespace corvane {
namespace {

struct UrlCase {
    std::string_view url;
    bool allowed;
};

class UpdateUrlTest : public ::testing::TestWithParam<UrlCase> {};

TEST_P(UpdateUrlTest, OnlyHttpsOrLoopbackHttp) {
    EXPECT_EQ(IsAllowedUpdateUrl(GetParam().url), GetParam().allowed) << GetParam().url;
}

INSTANTIATE_TEST_SUITE_P(
    Addresses, UpdateUrlTest,
    ::testing::Values(UrlCase{"https://corvane.example.org/scripter/updates/", true},
                      UrlCase{"HTTPS://Example.org:8443/updates/", true},
                      UrlCase{"http://127.0.0.1:8080/updates/", true},
                      UrlCase{"http://LOCALHOST/updates/", true},
                      UrlCase{"http://[::1]:9000/", true},
                      UrlCase{"http://corvane.example.org/updates/", false},
                      UrlCase{"http://127.0.0.1.example.org/", false},
                      UrlCase{"http://127.0.0.1@example.org/", false},
                      UrlCase{"https://user:pw@example.org/", false},
                      UrlCase{"http://127.0.0.1:80x/", false},
                      UrlCase{"http://[::1/", false},
                      UrlCase{"ftp://example.org/", false},
                      UrlCase{"file:///etc/passwd", false},
                      UrlCase{"https:///nohost", false},
                      UrlCase{"https://exa mple.org/", false},
                      UrlCase{"https://example.org/\nx", false},
                      UrlCase{"http://127.0.0.1\\@example.org/", false},
                      UrlCase{"example.org/updates/", false},
                      UrlCase{"", false}));

}  // namespace
}  // namespace corvane
