#include "update/program_version.h"

namespace corvane {

std::string ProgramVersionText() {
    return std::to_string(CORVANE_VERSION_MAJOR) + "." + std::to_string(CORVANE_VERSION_MINOR) + "." +
           std::to_string(CORVANE_VERSION_PATCH);
}

}  // namespace corvane
