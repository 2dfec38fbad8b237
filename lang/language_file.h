#pragma once
// The game's language files: strings of 16-bit units (low byte first), each ended by the unit 0,
// one after another with no header, no count and no index. A string's number is its position.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

struct LanguageFile {
    std::vector<std::u16string> strings;  // the units of each complete string, without its closing 0
    // Whatever follows the last unit 0: an unterminated string, a trailing odd byte. Nothing can edit
    // it, but it is written back as it was so that a save never loses part of the file.
    std::string leftover;
};

struct LanguageFileRead {
    std::optional<LanguageFile> file;  // set on success
    std::string error;                 // why the bytes are not a language file, on failure
};

// Files larger than this are refused rather than listed string by string: the game's own language
// files are some tens of kilobytes, and a list of millions of strings takes many seconds to build.
constexpr std::size_t kMaxLanguageFileBytes = 4u * 1024u * 1024u;

// Splits the bytes into strings. A file without a single complete string is refused: there would be
// nothing to show or edit.
LanguageFileRead ReadLanguageFile(std::string_view bytes);

// Reads the file at `path` (UTF-8) and splits it. On failure `error` reads on from the file's name:
// "could not be read: ..." or "is not a language file: ...". Too large a file is refused before it is
// read.
LanguageFileRead LoadLanguageFile(const std::string& path);

// Why a file that reads as strings is unlikely to be a language file (a level or another game file
// chosen by mistake reads as thousands of empty strings): nothing when it looks like one.
std::optional<std::string> LanguagePlausibilityProblem(const LanguageFile& file);

// The bytes of the file; ReadLanguageFile followed by this gives back the very same bytes.
std::string WriteLanguageFile(const LanguageFile& file);

}  // namespace corvane
