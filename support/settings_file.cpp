#include "support/settings_file.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include "support/file_utils.h"

namespace corvane {

namespace {

constexpr std::string_view kHeaderStart = "[SECTION=";
constexpr std::string_view kSectionEnd = "[EOS]";

// Lines as a text editor sees them: CR LF, a lone CR or a lone LF ends a line.
std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

bool IsHeader(std::string_view line) {
    return line.size() > kHeaderStart.size() && line.starts_with(kHeaderStart) && line.ends_with(']');
}

std::string_view HeaderName(std::string_view line) {
    return line.substr(kHeaderStart.size(), line.size() - kHeaderStart.size() - 1);
}

struct IniEntry {
    std::string key;
    std::string value;
    bool hasEquals = true;  // a hand-written line without "=" is written back as it was
};

struct IniSection {
    std::string name;
    std::vector<IniEntry> entries;
};

IniEntry ParseEntry(std::string_view line) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return {std::string(line), {}, false};
    return {std::string(line.substr(0, equals)), std::string(line.substr(equals + 1)), true};
}

// Blank lines and lines before the first header carry nothing and are dropped.
std::vector<IniSection> ParseSections(std::string_view text) {
    std::vector<IniSection> sections;
    for (std::string_view line : SplitLines(text)) {
        if (IsHeader(line)) {
            sections.push_back({std::string(HeaderName(line)), {}});
        } else if (line != kSectionEnd && !line.empty() && !sections.empty()) {
            sections.back().entries.push_back(ParseEntry(line));
        }
    }
    return sections;
}

void SetValue(std::vector<IniSection>& sections, const std::string& section, const std::string& key,
              std::string_view value) {
    IniSection* first = nullptr;
    bool keyFound = false;
    for (IniSection& candidate : sections) {
        if (candidate.name != section) continue;
        if (first == nullptr) first = &candidate;
        for (IniEntry& entry : candidate.entries) {
            if (entry.key != key) continue;
            entry.value = std::string(value);
            entry.hasEquals = true;
            if (&candidate == first) keyFound = true;
        }
    }
    if (first == nullptr) {
        sections.push_back({section, {}});
        first = &sections.back();
    }
    if (!keyFound) first->entries.push_back({key, std::string(value), true});
}

std::string Format(const std::vector<IniSection>& sections) {
    std::string out;
    const std::string lineBreak = CrLf();
    for (const IniSection& section : sections) {
        out.append(kHeaderStart).append(section.name).append("]").append(lineBreak);
        for (const IniEntry& entry : section.entries) {
            out.append(entry.key);
            if (entry.hasEquals) out.append("=").append(entry.value);
            out.append(lineBreak);
        }
        out.append(kSectionEnd).append(lineBreak);
    }
    return out;
}

bool HasLineBreak(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

}  // namespace

std::string ReadIni(const std::string& fileName, std::string_view section, std::string_view key,
                    std::string_view defaultValue) {
    const std::string upperSection = ToUpperAscii(section);
    const std::string upperKey = ToUpperAscii(key);
    std::string text;
    if (!ReadWholeFile(fileName, text)) return std::string(defaultValue);

    std::string current;
    std::string result;
    for (std::string_view line : SplitLines(text)) {
        if (IsHeader(line)) current = std::string(HeaderName(line));
        if (current != upperSection || line.starts_with('[') || !line.starts_with(upperKey)) continue;
        // The one character after the key (the "=") is skipped unchecked.
        const std::size_t valueStart = upperKey.size() + 1;
        result = valueStart < line.size() ? std::string(line.substr(valueStart)) : std::string();
    }
    return result.empty() ? std::string(defaultValue) : result;
}

bool WriteIni(const std::string& fileName, std::string_view section, std::string_view key, std::string_view value,
              FileError* error) {
    return WriteIniValues(fileName, {{section, key, value}}, error);
}

bool WriteIniValues(const std::string& fileName, const std::vector<IniValue>& values, FileError* error) {
    for (const IniValue& value : values) {
        if (HasLineBreak(value.section) || HasLineBreak(value.key) || HasLineBreak(value.value)) {
            // A line break would turn one value into lines of their own.
            if (error != nullptr) *error = {fileName, "a setting cannot hold a line break"};
            return false;
        }
    }
    std::string text;
    std::string reason;
    std::error_code ec;
    const auto entry = std::filesystem::symlink_status(PathFromUtf8(fileName), ec);
    const bool present = std::filesystem::exists(entry) || (ec && ec != std::errc::no_such_file_or_directory);
    if (!ReadWholeFile(fileName, text, &reason) && present) {
        // Writing now would throw away every other key of a file that exists but cannot be read.
        if (error != nullptr) *error = {fileName, reason.empty() ? std::string("cannot be read") : reason};
        return false;
    }
    std::vector<IniSection> sections = ParseSections(text);
    for (const IniValue& value : values) {
        SetValue(sections, ToUpperAscii(value.section), ToUpperAscii(value.key), value.value);
    }
    return WriteFileAtomically(fileName, Format(sections), error);
}

namespace settings {
std::string RecentKey(int index) { return std::string(kRecentKeyPrefix) + std::to_string(index); }
}  // namespace settings

}  // namespace corvane
