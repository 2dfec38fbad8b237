// Any bytes: reading never crashes, and what reads saves back to the very same bytes, also after
// every string was shown and (unchanged) handed back as text. Typing one letter into every string
// changes nothing but that letter's place.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "lang/language_document.h"
#include "lang/language_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    auto read = corvane::ReadLanguageFile(bytes);
    if (!read.file) return 0;
    if (corvane::WriteLanguageFile(*read.file) != bytes) std::abort();
    corvane::LanguageFile typed = *read.file;
    corvane::LanguageDocument document(std::move(*read.file));
    for (std::size_t i = 0; i < document.Count(); ++i) document.SetText(i, std::u16string(document.Text(i)));
    const auto save = document.BytesToSave();
    if (!save.bytes || *save.bytes != bytes) std::abort();
    for (std::size_t i = 0; i < document.Count(); ++i) {
        std::u16string text = document.Text(i);
        text.insert(text.size() / 2, 1, u'x');
        document.SetText(i, text);
        typed.strings[i].insert(typed.strings[i].size() / 2, 1, u'x');
    }
    const auto edited = document.BytesToSave();
    if (!edited.bytes || *edited.bytes != corvane::WriteLanguageFile(typed)) std::abort();
    return 0;
}
