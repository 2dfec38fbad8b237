#pragma once
// The running program's version as the update site lists it.

#include <string>

namespace corvane {

// Major, minor and revision in plain decimal joined by dots ("0.3.0").
std::string ProgramVersionText();

}  // namespace corvane
