#include "update/update_decision.h"

namespace corvane {

UpdateDecision DecideUpdate(std::string_view list, std::string_view programKey, std::string_view ownVersion) {
    UpdateDecision decision;
    const auto record = FindVersionRecord(list, programKey);
    if (!record) return decision;
    decision.record = *record;
    decision.kind =
        record->version == ownVersion ? UpdateDecision::Kind::SameVersion : UpdateDecision::Kind::OtherVersion;
    return decision;
}

}  // namespace corvane
