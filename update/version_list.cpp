#include "update/version_list.h"

#include <algorithm>
#include <vector>

namespace corvane {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// A line ends at CR LF, as the site writes it, or at a CR or LF alone.
std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        lines.push_back(text.substr(0, end));
        if (end == std::string_view::npos) break;
        text.remove_prefix(text.substr(end, 2) == "\r\n" ? end + 2 : end + 1);
    }
    return lines;
}

bool hasControlCharacters(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](unsigned char c) { return c < 0x20 || c == 0x7F; });
}

}  // namespace

std::optional<VersionRecord> FindVersionRecord(std::string_view list, std::string_view key) {
    if (list.starts_with(kByteOrderMark)) list.remove_prefix(kByteOrderMark.size());
    const auto lines = splitLines(list);
    for (std::size_t first = 0; first + 2 < lines.size(); first += 3) {
        if (lines[first] == key) {
            return VersionRecord{std::string(lines[first]), std::string(lines[first + 1]),
                                 std::string(lines[first + 2])};
        }
    }
    return std::nullopt;
}

bool IsVersionNumber(std::string_view version) {
    return !version.empty() && version.size() <= kMaxVersionLength && version.front() != '.' &&
           std::all_of(version.begin(), version.end(), [](char c) { return (c >= '0' && c <= '9') || c == '.'; });
}

bool IsCompleteVersionRecord(const VersionRecord& record) {
    return IsVersionNumber(record.version) && !record.updaterLine.empty() && !hasControlCharacters(record.key) &&
           !hasControlCharacters(record.updaterLine);
}

}  // namespace corvane
