#pragma once
// The round trip that really holds: once a text compiles, the loader's text of the result compiles
// to a file that loads as the same text. Aborts when it does not.

#include <cstdlib>
#include <string_view>

#include "core/compiler.h"
#include "core/loader.h"

namespace corvane {

inline void CheckRoundTrip(std::string_view text, const CompileOptions& options) {
    const LanguageTables& tables = LanguageTables::Standard();
    const CompileResult first = CompileScript(text, tables, options);
    if (!first.ok()) return;
    const LoadResult firstLoad = LoadScript(first.script().fileBytes, tables);
    if (!firstLoad.ok()) return;  // a text that does not begin with START_SCRIPT
    const CompileResult second = CompileScript(firstLoad.script().text, tables, options);
    if (!second.ok()) return;  // e.g. a file without ENDSCRIPT loads on through its variable table
    const LoadResult secondLoad = LoadScript(second.script().fileBytes, tables);
    if (!secondLoad.ok() || secondLoad.script().text != firstLoad.script().text) std::abort();
}

}  // namespace corvane
