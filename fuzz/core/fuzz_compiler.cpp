// Any text: the compiler never crashes, its file is always 12552 bytes, and the round trip holds
// with and without the author's Yes to more than 256 entries.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/compiled_file.h"
#include "fuzz/core/round_trip.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    corvane::CompileOptions options;
    for (bool allow : {false, true}) {
        options.allowMoreThan256Entries = allow;
        const corvane::CompileResult result =
            corvane::CompileScript(text, corvane::LanguageTables::Standard(), options);
        if (result.ok() && result.script().fileBytes.size() != corvane::kCompiledFileSize) std::abort();
        if (!result.ok() && result.error().position + result.error().length > size) std::abort();
        corvane::CheckRoundTrip(text, options);
    }
    return 0;
}
