#include "lang/language_file.h"

#include <filesystem>

#include "support/file_utils.h"

namespace corvane {

namespace {

char16_t UnitAt(std::string_view bytes, std::size_t offset) {
    const auto low = static_cast<unsigned char>(bytes[offset]);
    const auto high = static_cast<unsigned char>(bytes[offset + 1]);
    return static_cast<char16_t>(low | (high << 8));
}

void AppendUnit(std::string& out, char16_t unit) {
    out.push_back(static_cast<char>(unit & 0xFF));
    out.push_back(static_cast<char>(unit >> 8));
}

std::string TooLargeReason() {
    return "the file is larger than " + std::to_string(kMaxLanguageFileBytes / (1024 * 1024)) +
           " MB, too large for a language file";
}

}  // namespace

LanguageFileRead ReadLanguageFile(std::string_view bytes) {
    LanguageFileRead result;
    if (bytes.size() > kMaxLanguageFileBytes) {
        result.error = TooLargeReason();
        return result;
    }
    LanguageFile file;
    std::u16string current;
    std::size_t endOfLastString = 0;
    for (std::size_t offset = 0; offset + 1 < bytes.size(); offset += 2) {
        const char16_t unit = UnitAt(bytes, offset);
        if (unit != 0) {
            current.push_back(unit);
            continue;
        }
        file.strings.push_back(std::move(current));
        current.clear();
        endOfLastString = offset + 2;
    }
    if (file.strings.empty()) {
        result.error = "it holds no complete string (no string ends with a 16-bit zero)";
        return result;
    }
    file.leftover = std::string(bytes.substr(endOfLastString));
    result.file = std::move(file);
    return result;
}

LanguageFileRead LoadLanguageFile(const std::string& path) {
    LanguageFileRead result;
    std::error_code error;
    const auto fsPath = PathFromUtf8(path);
    const auto status = std::filesystem::status(fsPath, error);
    if (std::filesystem::is_directory(status)) {
        result.error = "could not be read: it is a folder, not a file";
        return result;
    }
    // Only a regular file has a size to check; anything else (a pipe, a device) could block or never end.
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
        result.error = "could not be read: it is not a regular file";
        return result;
    }
    const auto size = std::filesystem::file_size(fsPath, error);
    if (!error && size > kMaxLanguageFileBytes) {
        result.error = "is not a language file: " + TooLargeReason();
        return result;
    }
    std::string bytes, reason;
    if (!ReadWholeFile(path, bytes, &reason)) {
        result.error = "could not be read: " + reason;
        return result;
    }
    result = ReadLanguageFile(bytes);
    if (!result.file) result.error = "is not a language file: " + result.error;
    return result;
}

std::optional<std::string> LanguagePlausibilityProblem(const LanguageFile& file) {
    // The game's language files hold a few hundred to a few thousand strings, few of them empty.
    constexpr std::size_t kManyStrings = 1000;
    std::size_t empty = 0;
    for (const auto& text : file.strings) empty += text.empty() ? 1 : 0;
    if (file.strings.size() < kManyStrings || empty * 10 < file.strings.size() * 9) return std::nullopt;
    return std::to_string(empty) + " of its " + std::to_string(file.strings.size()) + " strings are empty";
}

std::string WriteLanguageFile(const LanguageFile& file) {
    std::string out;
    for (const auto& text : file.strings) {
        for (char16_t unit : text) AppendUnit(out, unit);
        AppendUnit(out, 0);
    }
    return out + file.leftover;
}

}  // namespace corvane
