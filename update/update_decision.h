#pragma once
// What the version list says about this program.

#include <string>
#include <string_view>

#include "update/version_list.h"

namespace corvane {

struct UpdateDecision {
    enum class Kind { NotListed, SameVersion, OtherVersion };
    Kind kind = Kind::NotListed;
    VersionRecord record;  // the program's record, unless NotListed
};

// Versions are compared as text: any difference, an older version or "0.03.0" for "0.3.0" included,
// is offered as an update, so the site can also take a release back.
UpdateDecision DecideUpdate(std::string_view list, std::string_view programKey, std::string_view ownVersion);

}  // namespace corvane
