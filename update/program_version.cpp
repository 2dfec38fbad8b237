#include "update/program_version.h"

#include "corvane_version.h"

namespace corvane {

std::string ProgramVersionText() {
    return std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + "." + std::to_string(kVersionPatch);
}

}  // namespace corvane
