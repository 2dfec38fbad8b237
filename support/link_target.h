#pragma once
// Where a write to a path lands when the path is a symbolic link. The links are read one at a
// time, never with std::filesystem::canonical, so that the rule the kernel applies to shared
// folders holds here too.

#include <filesystem>
#include <string>

namespace corvane {

// The file that a write to `path` replaces or creates: `path` itself, or the end of its chain of
// links (which may not exist yet). Returns false with `reason` for a chain that loops or is too
// long, and for a link the kernel would not follow under fs.protected_symlinks: one in a sticky
// folder that everyone may write to (such as /tmp), owned by neither the folder's owner nor us.
bool ResolveLinkTarget(const std::filesystem::path& path, std::filesystem::path& target, std::string& reason);

}  // namespace corvane
