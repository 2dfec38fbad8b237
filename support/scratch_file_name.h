#pragma once
// The names of the program's own temporary files beside a target (".NAME.tmp-PID-STAMP-COUNT"),
// and the clean-up of those that a killed program left behind.

#include <cstddef>
#include <filesystem>
#include <string>

namespace corvane {

// A name beside `target` that no other writer uses at the same time, within the folder's limit
// on the length of a name however long the target's own name is.
std::filesystem::path ScratchFileNameBeside(const std::filesystem::path& target);

// The longest name a file in `folder` may have (bytes; at most 255).
std::size_t NameLimit(const std::filesystem::path& folder);

// At most `maxBytes` of UTF-8 `text`, never ending inside a character.
std::string CutUtf8(std::string text, std::size_t maxBytes);

// Removes, from `folder`, this user's temporary files of that name pattern whose program is no
// longer running and that have not changed for a minute. A live writer's file is never touched.
void RemoveStaleScratchFiles(const std::filesystem::path& folder);

}  // namespace corvane
