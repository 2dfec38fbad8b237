// Any bytes: the loader never crashes; whatever it loads and compiles again loads the same.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "fuzz/core/round_trip.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const corvane::LoadResult loaded = corvane::LoadScript(bytes, corvane::LanguageTables::Standard());
    if (loaded.ok() != (size > 0 && data[0] == 12)) std::abort();
    if (loaded.ok()) corvane::CheckRoundTrip(loaded.script().text, corvane::CompileOptions{});
    return 0;
}
