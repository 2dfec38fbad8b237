#pragma once
// Transparent hash so that the tables' maps can be searched with a std::string_view.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace corvane {

struct StringHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
    std::size_t operator()(const std::string& text) const { return (*this)(std::string_view(text)); }
};

}  // namespace corvane
