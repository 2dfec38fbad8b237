#pragma once
// The names of the program's own temporary files beside a target (".NAME.tmp-PID-STAMP-COUNT"),
// and the clean-up of those that a killed program left behind.

#include <filesystem>

namespace corvane {

// A name beside `target` that no other writer uses at the same time.
std::filesystem::path ScratchFileNameBeside(const std::filesystem::path& target);

// Removes, from `folder`, this user's temporary files of that name pattern whose program is no
// longer running and that have not changed for a minute. A live writer's file is never touched.
void RemoveStaleScratchFiles(const std::filesystem::path& folder);

}  // namespace corvane
