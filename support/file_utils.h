#pragma once
// Small file and string helpers that every part of the program uses.

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <string>
#include <string_view>

namespace corvane {

// Paths cross the engine as UTF-8 text; these convert to and from the platform's path type.
std::filesystem::path PathFromUtf8(const std::string& utf8);
std::string Utf8FromPath(const std::filesystem::path& path);

// True when the path names a regular file that can be opened for reading.
bool FileExists(const std::string& path);

// Carriage return + line feed, the line break of script text and of the program's files.
std::string CrLf();

// Every occurrence of `find` replaced by `replaceWith`, matched without regard to ASCII letter
// case; the rest of `text` keeps its case. When `find` is empty or occurs (case-insensitively) in
// `replaceWith`, `text` comes back unchanged. Runs in time linear in the length of the text.
std::string ReplaceText(std::string_view text, std::string_view find, std::string_view replaceWith);

// ASCII upper case; other bytes unchanged.
std::string ToUpperAscii(std::string_view text);

std::string ToLowerAscii(std::string_view text);

// What ReadWholeFile takes at most unless told otherwise: far more than any file the program
// reads, far less than a file chosen by mistake could hold.
inline constexpr std::uintmax_t kDefaultMaxReadBytes = 64u << 20;

// Whole file as bytes. Returns false (and leaves `out` empty) when it cannot be read, is not a
// regular file (a pipe would block for ever) or is larger than `maxBytes`.
bool ReadWholeFile(const std::string& path, std::string& out, std::string* error = nullptr,
                   std::uintmax_t maxBytes = kDefaultMaxReadBytes);

// The rest of `in` as bytes, with the same failures: more than `maxBytes` (counted while reading,
// so a file that grows stops at the limit) or a failed read gives false and an empty `out`.
bool ReadWholeStream(std::istream& in, std::string& out, std::string* error = nullptr,
                     std::uintmax_t maxBytes = kDefaultMaxReadBytes);

}  // namespace corvane
