#pragma once
// The token table and the internal value table together: the language data that the compiler,
// the loader, the grammar and the reference lists read. Built once, never changed.

#include "core/internal_table.h"
#include "core/token_table.h"

namespace corvane {

class LanguageTables {
public:
    static LanguageTables Build();

    // One shared instance, built on first use (thread-safe) and immutable.
    static const LanguageTables& Standard();

    const TokenTable& tokens() const { return tokens_; }
    const InternalTable& internals() const { return internals_; }

private:
    LanguageTables(TokenTable tokens, InternalTable internals);

    TokenTable tokens_;
    InternalTable internals_;
};

}  // namespace corvane
