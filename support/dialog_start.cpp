#include "support/dialog_start.h"

namespace corvane {

namespace {

std::size_t LastSeparator(std::string_view path) { return path.find_last_of("/\\"); }

bool HasDriveLetter(std::string_view path) {
    const auto isLetter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
    return path.size() >= 2 && isLetter(path[0]) && path[1] == ':';
}

}  // namespace

bool IsPathSeparator(char c) { return c == '/' || c == '\\'; }

std::string WithTrailingSeparator(std::string_view folder) {
    std::string result(folder);
    if (!result.empty() && IsPathSeparator(result.back())) return result;
    const bool backslashesOnly = result.find('\\') != std::string::npos && result.find('/') == std::string::npos;
    result.push_back(backslashesOnly ? '\\' : '/');
    return result;
}

std::string LoadDialogStart(std::string_view lastFile, std::string_view programFolder) {
    const std::size_t cut = LastSeparator(lastFile);
    std::string folder =
        cut == std::string_view::npos ? WithTrailingSeparator(programFolder) : std::string(lastFile.substr(0, cut + 1));
    return folder + "*.dat";
}

DialogName SplitDialogName(std::string_view initialName) {
    const std::size_t cut = LastSeparator(initialName);
    if (cut != std::string_view::npos) {
        return {std::string(initialName.substr(0, cut + 1)), std::string(initialName.substr(cut + 1))};
    }
    if (HasDriveLetter(initialName)) return {std::string(initialName.substr(0, 2)), std::string(initialName.substr(2))};
    return {std::string(), std::string(initialName)};
}

}  // namespace corvane
