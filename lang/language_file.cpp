#include "lang/language_file.h"

namespace corvane {

namespace {

char16_t unitAt(std::string_view bytes, std::size_t offset) {
    const auto low = static_cast<unsigned char>(bytes[offset]);
    const auto high = static_cast<unsigned char>(bytes[offset + 1]);
    return static_cast<char16_t>(low | (high << 8));
}

void appendUnit(std::string& out, char16_t unit) {
    out.push_back(static_cast<char>(unit & 0xFF));
    out.push_back(static_cast<char>(unit >> 8));
}

}  // namespace

LanguageFileRead ReadLanguageFile(std::string_view bytes) {
    LanguageFileRead result;
    if (bytes.size() > kMaxLanguageFileBytes) {
        result.error = "the file is larger than " + std::to_string(kMaxLanguageFileBytes / (1024 * 1024)) +
                       " MB, too large for a language file";
        return result;
    }
    LanguageFile file;
    std::u16string current;
    std::size_t endOfLastString = 0;
    for (std::size_t offset = 0; offset + 1 < bytes.size(); offset += 2) {
        const char16_t unit = unitAt(bytes, offset);
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

std::string WriteLanguageFile(const LanguageFile& file) {
    std::string out;
    for (const auto& text : file.strings) {
        for (char16_t unit : text) appendUnit(out, unit);
        appendUnit(out, 0);
    }
    return out + file.leftover;
}

}  // namespace corvane
