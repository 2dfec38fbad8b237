#include "support/wine_registry_file.h"

#include <cstdint>
#include <optional>
#include <vector>

#include "support/file_utils.h"
#include "support/wine_string.h"

namespace corvane {
namespace {

constexpr std::uint32_t kRegSz = 1;
constexpr std::uint32_t kRegDword = 4;

// Case folding for key paths and value names; a key path also loses surrounding backslashes.
std::string FoldName(std::string_view name) { return ToLowerAscii(name); }

std::string FoldKey(std::string_view path) {
    while (!path.empty() && path.front() == '\\') path.remove_prefix(1);
    while (!path.empty() && path.back() == '\\') path.remove_suffix(1);
    return ToLowerAscii(path);
}

std::string_view TrimLeft(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    return s;
}

std::string_view TrimRight(std::string_view s) {
    while (!s.empty() && (s.back() == '\r' || s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

std::optional<std::uint32_t> ParseHex(std::string_view digits, std::size_t maxDigits) {
    if (digits.empty() || digits.size() > maxDigits) return std::nullopt;
    std::uint32_t n = 0;
    for (char c : digits) {
        int d = (c >= '0' && c <= '9')   ? c - '0'
                : (c >= 'a' && c <= 'f') ? c - 'a' + 10
                : (c >= 'A' && c <= 'F') ? c - 'A' + 10
                                         : -1;
        if (d < 0) return std::nullopt;
        n = n * 16 + static_cast<std::uint32_t>(d);
    }
    return n;
}

std::optional<std::vector<unsigned char>> ParseHexBytes(std::string_view list) {
    std::vector<unsigned char> bytes;
    list = TrimRight(list);
    while (!list.empty()) {
        std::size_t comma = list.find(',');
        auto byte = ParseHex(TrimLeft(list.substr(0, comma)), 2);
        if (!byte) return std::nullopt;
        bytes.push_back(static_cast<unsigned char>(*byte));
        list = comma == std::string_view::npos ? std::string_view() : list.substr(comma + 1);
    }
    return bytes;
}

std::string TextUpToNul(std::string text) { return text.substr(0, text.find('\0')); }

// A REG_SZ stored as raw bytes (Wine does this for odd lengths): UTF-16LE up to the first NUL.
RegistryValue TextFromBytes(const std::vector<unsigned char>& bytes) {
    std::u16string units;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
        units += static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8));
    return RegistryValue::Text(TextUpToNul(Utf8FromUtf16(units)));
}

// A REG_DWORD stored as raw bytes: a read of up to four bytes succeeds into a zeroed number; more
// data than that fails as the read into four bytes would.
RegistryValue NumberFromBytes(const std::vector<unsigned char>& bytes) {
    if (bytes.size() > 4) return RegistryValue::Empty();
    std::uint32_t n = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) n |= static_cast<std::uint32_t>(bytes[i]) << (8 * i);
    return RegistryValue::Number(static_cast<std::int32_t>(n));
}

RegistryValue QuotedValue(std::string_view data, std::uint32_t type) {
    auto text = UnescapeWineString(data.substr(1), '"');
    if (!text || type != kRegSz) return RegistryValue::Empty();
    return RegistryValue::Text(TextUpToNul(text->utf8));
}

RegistryValue HexValue(std::string_view data) {
    // "hex:" is REG_BINARY, "hex(N):" names the type N in hex.
    std::uint32_t type = 3;
    std::size_t colon = data.find(':');
    if (colon == std::string_view::npos) return RegistryValue::Empty();
    if (data.substr(0, 4) == "hex(") {
        std::size_t close = data.find(')');
        auto parsed = close < colon ? ParseHex(data.substr(4, close - 4), 8) : std::nullopt;
        if (!parsed) return RegistryValue::Empty();
        type = *parsed;
    }
    auto bytes = ParseHexBytes(data.substr(colon + 1));
    if (!bytes) return RegistryValue::Empty();
    if (type == kRegSz) return TextFromBytes(*bytes);
    if (type == kRegDword) return NumberFromBytes(*bytes);
    return RegistryValue::Empty();
}

RegistryValue ParseData(std::string_view data) {
    if (data.starts_with("\"")) return QuotedValue(data, kRegSz);
    if (data.starts_with("dword:")) {
        auto n = ParseHex(TrimRight(data.substr(6)), 8);
        return n ? RegistryValue::Number(static_cast<std::int32_t>(*n)) : RegistryValue::Empty();
    }
    if (data.starts_with("str(")) {
        std::size_t close = data.find("):");
        auto type = close == std::string_view::npos ? std::nullopt : ParseHex(data.substr(4, close - 4), 8);
        if (!type || close + 2 >= data.size() || data[close + 2] != '"') return RegistryValue::Empty();
        return QuotedValue(data.substr(close + 2), *type);
    }
    if (data.starts_with("hex")) return HexValue(data);
    return RegistryValue::Empty();
}

// Physical lines joined where hex data goes on after a trailing backslash.
std::vector<std::string> LogicalLines(std::string_view text) {
    std::vector<std::string> lines;
    bool continues = false;
    while (!text.empty()) {
        std::size_t eol = text.find('\n');
        std::string_view line = TrimRight(text.substr(0, eol));
        text = eol == std::string_view::npos ? std::string_view() : text.substr(eol + 1);
        if (continues) line = TrimLeft(line);
        if (continues && !lines.empty())
            lines.back() += line;
        else
            lines.emplace_back(line);
        std::string& last = lines.back();
        std::size_t eq = last.find("=hex");
        continues = eq != std::string::npos && !last.empty() && last.back() == '\\';
        if (continues) last.pop_back();
    }
    return lines;
}

}  // namespace

WineRegistryFile WineRegistryFile::Parse(std::string_view text) {
    WineRegistryFile file;
    Values* current = nullptr;
    for (const std::string& line : LogicalLines(text)) file.ParseLine(line, current);
    return file;
}

void WineRegistryFile::ParseLine(std::string_view line, Values*& current) {
    if (line.starts_with("[")) {
        auto key = UnescapeWineString(line.substr(1), ']');
        current = key ? &keys_[FoldKey(key->utf8)] : nullptr;
        return;
    }
    if (!current) return;
    std::string name;
    std::size_t afterName = 0;
    if (line.starts_with("@")) {
        afterName = 1;
    } else if (line.starts_with("\"")) {
        auto parsed = UnescapeWineString(line.substr(1), '"');
        if (!parsed) return;
        name = parsed->utf8;
        afterName = 1 + parsed->end;
    } else {
        return;  // comments (;), options (#) and blank lines
    }
    if (afterName >= line.size() || line[afterName] != '=') return;
    (*current)[FoldName(name)] = ParseData(line.substr(afterName + 1));
}

bool WineRegistryFile::HasKey(const std::string& keyPath) const {
    std::string key = FoldKey(keyPath);
    if (key.empty() || keys_.count(key)) return true;
    std::string below = key + '\\';
    auto it = keys_.lower_bound(below);
    return it != keys_.end() && it->first.starts_with(below);
}

RegistryValue WineRegistryFile::Value(const std::string& keyPath, const std::string& name) const {
    auto key = keys_.find(FoldKey(keyPath));
    if (key == keys_.end()) return RegistryValue::Empty();
    auto value = key->second.find(FoldName(name));
    return value == key->second.end() ? RegistryValue::Empty() : value->second;
}

}  // namespace corvane
