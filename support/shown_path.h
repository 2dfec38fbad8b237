#pragma once
// File names as menus and captions show them: characters that reorder text (a right-to-left
// override would show "exe.txt" as "txt.exe") appear as their code, and a name too long for the
// place is shortened in the middle, so that the folder's start and the file's name stay readable.
// Names are UTF-16, as the windows hold them.

#include <cstddef>
#include <string>
#include <string_view>

namespace corvane {

// `path` with each bidirectional control character written as "⟦U+202E⟧"; a lone surrogate becomes
// U+FFFD.
std::u16string WithVisibleControls(std::u16string_view path);

// For a window caption, whose font the program does not know: at most kMaxCaptionPathLength units.
inline constexpr std::size_t kMaxCaptionPathLength = 160;
std::u16string CaptionPath(std::u16string_view path);

}  // namespace corvane
