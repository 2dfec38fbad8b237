// Any bytes: decoding never crashes; an ANSI file comes back byte for byte, and a decoded UTF-8 file
// holds one byte per character, so offsets into it are columns.
#include "lang/script_file_text.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const corvane::ScriptFileText decoded = corvane::DecodeScriptFile(bytes);
    const std::string_view body = bytes.starts_with("\xEF\xBB\xBF") ? bytes.substr(3) : bytes;
    const auto characters = static_cast<std::size_t>(
        std::count_if(body.begin(), body.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
    switch (decoded.encoding) {
        case corvane::ScriptFileEncoding::kUtf16:
            if (!decoded.text.empty()) std::abort();
            break;
        case corvane::ScriptFileEncoding::kWindows1252:
            if (decoded.text != body) std::abort();
            break;
        case corvane::ScriptFileEncoding::kUtf8:
            if (decoded.text.size() != characters) std::abort();
            break;
    }
    return 0;
}
