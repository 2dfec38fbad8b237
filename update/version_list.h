#pragma once
// The update site's version list: records of three lines each (program key, the version the site
// offers, a line passed on to the update utility), lines ended by CR LF.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace corvane {

struct VersionRecord {
    std::string key;
    std::string version;
    std::string updaterLine;  // not interpreted here; handed to the update utility unchanged
};

// The first record whose key equals `key` exactly (letter case included). A record cut short at the
// end of the list counts as absent: its version cannot be trusted. Lines may also end in a CR or LF
// alone (a list edited on another system); a UTF-8 byte order mark in front of the list is skipped.
std::optional<VersionRecord> FindVersionRecord(std::string_view list, std::string_view key);

// A version as the site lists one: digits and dots ("0.4.0"), at most kMaxVersionLength of them,
// so that a damaged list cannot fill a question with megabytes of text.
inline constexpr std::size_t kMaxVersionLength = 32;
bool IsVersionNumber(std::string_view version);

// A record whose text may go on to the update utility: a version number and a third line that is
// not empty, and no control characters anywhere (a tab or escape would reach updater.cfg and the
// screen).
bool IsCompleteVersionRecord(const VersionRecord& record);

}  // namespace corvane
