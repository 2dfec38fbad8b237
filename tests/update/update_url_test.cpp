#include "update/update_url.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(UpdateUrl, HttpsOrPlainHttpToThisMachineOnly) {
    for (const char* url : {"https://corvane.example.org/scripter/updates/", "HTTPS://Example.org:8443/u/",
                            "http://127.0.0.1:8080/updates/", "http://LOCALHOST/u/", "http://[::1]:9000/"}) {
        EXPECT_TRUE(IsAllowedUpdateUrl(url)) << url;
    }
    for (const char* url : {"http://corvane.example.org/updates/", "http://127.0.0.1.example.org/",
                            "http://127.0.0.1@example.org/", "https://user:pw@example.org/", "http://127.0.0.1:80x/",
                            "http://[::1/", "ftp://example.org/", "file:///etc/passwd", "https:///nohost",
                            "https://exa mple.org/", "https://example.org/\nx", "http://127.0.0.1\\@example.org/",
                            "example.org/updates/", ""}) {
        EXPECT_FALSE(IsAllowedUpdateUrl(url)) << url;
    }
}

}  // namespace
}  // namespace corvane
