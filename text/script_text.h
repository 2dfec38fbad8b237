#pragma once
// The text of a script as every face of the program reads it. Editors on Windows save scripts as
// ANSI (Windows-1252) or as UTF-8, often with a byte-order mark; the engine reads one Windows-1252
// byte per character, so an offset into its text is a character index, and a character the code
// page lacks becomes kNotInCodePage, which keeps it inside its word. The source is kept, so a text
// made of the script's words goes back to the file in the file's own encoding and characters.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "text/text_index.h"

namespace corvane {

enum class TextEncoding {
    kWindows1252,  // taken byte for byte (also pure ASCII, and bytes that are not valid UTF-8)
    kUtf8,         // valid UTF-8 holding characters beyond ASCII, or behind a UTF-8 byte-order mark
    kUtf16,        // begins with a UTF-16 byte-order mark (also behind a UTF-8 one): refused
};

// How a text file is written: its encoding and whether a UTF-8 byte-order mark leads it.
struct FileEncoding {
    TextEncoding encoding = TextEncoding::kWindows1252;
    bool utf8Mark = false;
};

// The one message with which every face refuses a UTF-16 file.
std::string Utf16Refusal(std::string_view fileName);

class ScriptText {
public:
    // A script file's bytes. A UTF-8 byte-order mark is no part of the text; what follows is read
    // as UTF-8 when it is valid UTF-8, else as Windows-1252.
    static ScriptText FromFile(std::string_view bytes);
    // Text that is UTF-8 by agreement (a language client's document): a byte that starts no valid
    // sequence is a character of its own, and a leading U+FEFF is a blank, so that it belongs to no
    // word while every position after it stays where the client counts it.
    static ScriptText FromUtf8(std::string utf8);

    TextEncoding encoding() const { return encoding_; }
    bool refused() const { return encoding_ == TextEncoding::kUtf16; }
    bool hasUtf8Mark() const { return utf8Mark_; }
    FileEncoding fileEncoding() const { return {encoding_, utf8Mark_}; }
    // The text as it stands in the file, after any byte-order mark.
    const std::string& source() const { return source_; }
    const std::string& engineText() const { return engine_; }
    const TextIndex& index() const { return index_; }
    TextPosition PositionAt(std::size_t offset) const { return index_.PositionAt(offset); }
    // The engine offset of the character that holds byte `at` of the source.
    std::size_t OffsetOfSourceByte(std::size_t at) const;

    // `engineText` (made of this text's words in order, with other blanks between them) as file
    // bytes in this text's encoding, byte-order mark included: each word comes back exactly as the
    // source wrote it, a word that is not its own as its Windows-1252 characters.
    std::string Encode(std::string_view engineText) const;
    // The characters of the source, for a window that shows them.
    std::u16string Utf16() const;
    // The source's bytes of the characters at engine offsets [from, to).
    std::string_view SourceOf(std::size_t from, std::size_t to) const;

private:
    ScriptText() = default;
    static ScriptText Build(std::string_view source, bool lenient);

    TextEncoding encoding_ = TextEncoding::kWindows1252;
    bool utf8Mark_ = false;
    std::string source_;
    std::string engine_;
    std::vector<std::uint32_t> sourceStarts_;  // UTF-8 only: per engine byte, then the end
    TextIndex index_;
};

// The characters of an editor's box as engine bytes, one per UTF-16 unit so that every position
// stays the box's own: Windows-1252 characters as their codes, any other unit as kNotInCodePage.
std::string EngineTextFromUtf16Units(std::u16string_view units);

// An editor's characters as file bytes in `encoding`; nothing when a character cannot be written
// so (a lone surrogate, or one that Windows-1252 lacks), and then `offending` (when given) holds the
// unit index of the first such character.
std::optional<std::string> EncodeUtf16(std::u16string_view units, FileEncoding encoding,
                                       std::size_t* offending = nullptr);

}  // namespace corvane
