#include "support/registry.h"

#include "support/windows_registry.h"
#include "support/wine_registry.h"

namespace corvane {

std::string RegistryValue::AsText() const {
    switch (kind) {
        case Kind::Text:
            return text;
        case Kind::Number:
            return std::to_string(number);
        case Kind::Empty:
            break;
    }
    return {};
}

std::unique_ptr<RegistryReader> SystemRegistry() {
#ifdef _WIN32
    return std::make_unique<WindowsRegistry>();
#else
    return std::make_unique<WineRegistry>(WineRegistry::PrefixFromEnvironment());
#endif
}

}  // namespace corvane
