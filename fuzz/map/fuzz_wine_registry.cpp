// Any bytes as a Wine system.reg: parsing never crashes or hangs, and every value read back is
// one of the three kinds with nothing left over from another kind.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "support/wine_registry_file.h"
#include "support/wine_string.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    corvane::WineRegistryFile file = corvane::WineRegistryFile::Parse(bytes);
    const char* key = "Software\\Bullfrog Productions Ltd\\Populous: The Beginning";
    (void)file.HasKey(key);
    for (const char* name : {"InstallPath", "", "Version"}) {
        corvane::RegistryValue value = file.Value(key, name);
        if (value.kind != corvane::RegistryValue::Kind::Text && !value.text.empty()) std::abort();
        if (value.kind != corvane::RegistryValue::Kind::Number && value.number != 0) std::abort();
    }
    auto unescaped = corvane::UnescapeWineString(bytes, '"');
    if (unescaped && unescaped->end > bytes.size()) std::abort();
    return 0;
}
