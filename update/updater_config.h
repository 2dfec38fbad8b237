#pragma once
// updater.cfg, what the update utility reads when it starts: four lines, each ended by CR LF.

#include <string>

#include "update/version_list.h"

namespace corvane {

// The display name of the program being updated, the site's version, the record's third line and
// the full path of the running program file.
std::string UpdaterConfigText(const VersionRecord& record, const std::string& programFile);

}  // namespace corvane
