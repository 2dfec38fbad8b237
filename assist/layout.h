#pragma once
// A script's words laid out exactly as the loader prints a compiled file (line starts, tab
// indentation by braces, blanks, CR LF), each word kept as the author spelled it.

#include <string>
#include <string_view>

#include "core/language_tables.h"

namespace corvane {

std::string LayOutScript(std::string_view text, const LanguageTables& tables);

}  // namespace corvane
