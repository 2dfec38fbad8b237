#include "update/update_url.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>

namespace corvane {

namespace {

std::string lowerCase(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

bool hasOnlyPlainCharacters(std::string_view url) {
    return std::all_of(url.begin(), url.end(), [](unsigned char c) { return c > 0x20 && c < 0x7F && c != '\\'; });
}

// "host" or "host:port" with digits only after the colon; a bracketed IPv6 host keeps its colons.
bool splitHostAndPort(std::string_view authority, std::string_view& host) {
    std::string_view port;
    if (!authority.empty() && authority.front() == '[') {
        const auto close = authority.find(']');
        if (close == std::string_view::npos) return false;
        host = authority.substr(0, close + 1);
        const std::string_view rest = authority.substr(close + 1);
        if (!rest.empty() && rest.front() != ':') return false;
        port = rest.empty() ? rest : rest.substr(1);
    } else {
        const auto colon = authority.find(':');
        host = authority.substr(0, colon);
        port = colon == std::string_view::npos ? std::string_view() : authority.substr(colon + 1);
    }
    return !host.empty() && std::all_of(port.begin(), port.end(), [](unsigned char c) { return std::isdigit(c); });
}

bool isLoopbackHost(std::string_view host) {
    static constexpr std::array<std::string_view, 3> kLoopback = {"127.0.0.1", "[::1]", "localhost"};
    const std::string lower = lowerCase(host);
    return std::find(kLoopback.begin(), kLoopback.end(), lower) != kLoopback.end();
}

}  // namespace

bool IsAllowedUpdateUrl(std::string_view url) {
    if (!hasOnlyPlainCharacters(url)) return false;
    const auto schemeEnd = url.find("://");
    if (schemeEnd == std::string_view::npos) return false;
    const std::string scheme = lowerCase(url.substr(0, schemeEnd));
    const std::string_view rest = url.substr(schemeEnd + 3);
    const std::string_view authority = rest.substr(0, rest.find_first_of("/?#"));
    // "http://127.0.0.1@elsewhere/" names the host after the "@".
    if (authority.find('@') != std::string_view::npos) return false;
    std::string_view host;
    if (!splitHostAndPort(authority, host)) return false;
    if (scheme == "https") return true;
    return scheme == "http" && isLoopbackHost(host);
}

}  // namespace corvane
