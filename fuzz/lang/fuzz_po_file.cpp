// Any text as a PO file: reading never crashes; what reads writes back to a file that reads as the
// same entries; importing it into a small language file never crashes, and a success is a file
// that reads as a language file with as many strings.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "lang/language_po.h"
#include "lang/po_file.h"

using namespace std::string_literals;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    corvane::PoRead read = corvane::ReadPo(text);
    if (read.ok()) {
        corvane::PoRead again = corvane::ReadPo(corvane::WritePo(read.entries));
        if (!again.ok() || again.entries.size() != read.entries.size()) std::abort();
        for (std::size_t i = 0; i < read.entries.size(); ++i) {
            again.entries[i].line = read.entries[i].line;
            if (!(again.entries[i] == read.entries[i])) std::abort();
        }
    }
    static const corvane::LanguageFile file = *corvane::ReadLanguageFile("A\0\0\0\r\0\n\0\x01\x01\0\0Z\0"s).file;
    const corvane::LanguageImport imported = corvane::ImportLanguagePo(file, text);
    if (imported.bytes) {
        const auto back = corvane::ReadLanguageFile(*imported.bytes);
        if (!back.file || back.file->strings.size() != file.strings.size() || back.file->leftover != file.leftover)
            std::abort();
    }
    return 0;
}
