#pragma once
// Which update site addresses the program may fetch from.

#include <string_view>

namespace corvane {

// True for an https address with a host, or a plain http address to this machine's loopback
// address (127.0.0.1, [::1] or localhost, for tests). Anything else is refused: an address with
// a user name, blanks, control characters or backslashes, which URL parsers read differently.
bool IsAllowedUpdateUrl(std::string_view url);

}  // namespace corvane
