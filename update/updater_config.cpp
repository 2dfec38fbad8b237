#include "update/updater_config.h"

#include "support/file_utils.h"

namespace corvane {

std::string UpdaterConfigText(const VersionRecord& record, const std::string& programFile) {
    const std::string lineBreak = CrLf();
    return "Corvane Scripter" + lineBreak + record.version + lineBreak + record.updaterLine + lineBreak + programFile +
           lineBreak;
}

}  // namespace corvane
