// Any bytes as the version list: the lookup never crashes, and a record it finds is a complete one
// of the key it was asked for.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "update/update_decision.h"
#include "update/updater_config.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view list(reinterpret_cast<const char*>(data), size);
    for (std::string_view key : {std::string_view("corvanescripter"), std::string_view("")}) {
        const auto decision = corvane::DecideUpdate(list, key, "0.3.0");
        if (decision.kind == corvane::UpdateDecision::Kind::NotListed) continue;
        if (decision.record.key != key) std::abort();
        // updater.cfg stays four lines whatever the list holds.
        const auto breaks = [](const std::string& line) { return line.find_first_of("\r\n") != std::string::npos; };
        if (breaks(decision.record.version) || breaks(decision.record.updaterLine)) std::abort();
        (void)corvane::UpdaterConfigText(decision.record, "/x");
    }
    return 0;
}
