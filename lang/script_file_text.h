#pragma once
// The text of a script file as the engine reads it. Editors on Windows save scripts as ANSI
// (Windows-1252) or as UTF-8, often with a byte-order mark; the engine reads Windows-1252 bytes.

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <string_view>

namespace corvane {

enum class ScriptFileEncoding {
    kWindows1252,  // taken byte for byte
    kUtf8,         // valid UTF-8 holding characters beyond ASCII, converted
    kUtf16,        // begins with a UTF-16 byte-order mark: not read
};

struct ScriptFileText {
    ScriptFileEncoding encoding = ScriptFileEncoding::kWindows1252;
    // Windows-1252 text with one byte for every character of the file after its byte-order mark, so
    // an offset into it is the character index in the file (a column counts characters). A character
    // Windows-1252 lacks becomes "?", which keeps it inside its word. Empty for kUtf16.
    std::string text;
};

// A UTF-8 byte-order mark is skipped. What follows is read as UTF-8 when it is valid UTF-8 (with or
// without the mark), else as Windows-1252 bytes.
ScriptFileText DecodeScriptFile(std::string_view bytes);

// The character that starts at `at` in UTF-8 `bytes` and its length in bytes; nothing for an
// invalid sequence (a stray or missing continuation byte, an overlong form, a surrogate, beyond
// U+10FFFF).
std::optional<std::pair<char32_t, std::size_t>> NextUtf8(std::string_view bytes, std::size_t at);

// Windows-1252 text (a message about such a script) as UTF-8.
std::string Utf8FromWindows1252(std::string_view text);

}  // namespace corvane
