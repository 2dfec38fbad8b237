#include "core/language_tables.h"

#include <utility>

namespace corvane {

LanguageTables::LanguageTables(TokenTable tokens, InternalTable internals)
    : tokens_(std::move(tokens)), internals_(std::move(internals)) {}

LanguageTables LanguageTables::Build() { return LanguageTables(TokenTable::Build(), InternalTable::Build()); }

const LanguageTables& LanguageTables::Standard() {
    static const LanguageTables tables = Build();
    return tables;
}

}  // namespace corvane
