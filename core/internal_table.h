#pragma once
// The internal value table: the game's numbered internal values and their INT_ names (262 rows).
// Built once; immutable afterwards.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/code_pair.h"
#include "core/string_hash.h"

namespace corvane {

class InternalTable {
public:
    // The 262 rows in order; each row's code is "INT_" + number, its text the name.
    static InternalTable Build();

    const std::vector<CodePair>& rows() const { return rows_; }
    std::size_t size() const { return rows_.size(); }

    // Number of the first row whose name equals `name` exactly (letter case included).
    std::optional<std::int32_t> FindNumberByName(std::string_view name) const;

    // Name of the first row whose code equals "INT_" + `number`; nullptr when there is none.
    const std::string* FindNameByNumber(std::int32_t number) const;

private:
    void AddIntPair(std::int32_t number, std::string name);

    std::vector<CodePair> rows_;
    std::vector<std::int32_t> numbers_;
    std::unordered_map<std::string, std::size_t, StringHash, std::equal_to<>> byName_;
    std::unordered_map<std::int32_t, std::size_t> byNumber_;
};

}  // namespace corvane
