// Any text: the checker never crashes and points inside the text.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "checker/script_checker.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const corvane::CheckVerdict verdict = corvane::CheckScript(text, corvane::Grammar::Standard());
    if (!verdict.ok() && verdict.position + verdict.length > size) std::abort();
    if (verdict.message.empty()) std::abort();
    return 0;
}
