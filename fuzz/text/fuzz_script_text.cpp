// Any bytes: decoding never crashes; an ANSI file comes back byte for byte, a decoded UTF-8 file
// holds one byte per character, every offset maps to a position and back, and the text encodes
// back to the file's own bytes.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "text/script_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const corvane::ScriptText text = corvane::ScriptText::FromFile(bytes);
    const std::string_view body = bytes.starts_with("\xEF\xBB\xBF") ? bytes.substr(3) : bytes;
    const auto characters = static_cast<std::size_t>(
        std::count_if(body.begin(), body.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
    switch (text.encoding()) {
        case corvane::TextEncoding::kUtf16:
            if (!text.engineText().empty()) std::abort();
            return 0;
        case corvane::TextEncoding::kWindows1252:
            if (text.engineText() != body) std::abort();
            break;
        case corvane::TextEncoding::kUtf8:
            if (text.engineText().size() != characters) std::abort();
            break;
    }
    if (text.Encode(text.engineText()) != bytes) std::abort();
    const std::string& engine = text.engineText();
    for (std::size_t offset = 0; offset <= engine.size(); ++offset) {
        if (offset > 0 && offset < engine.size() && engine[offset - 1] == '\r' && engine[offset] == '\n') continue;
        const corvane::TextPosition at = text.PositionAt(offset);
        if (text.index().OffsetAt(at.line, at.utf16) != offset) std::abort();
    }
    return 0;
}
