#pragma once
// Runs part of a test as another user, in a forked child, so that "another user's file" is real.

#ifndef _WIN32
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <optional>

namespace corvane::testing {

inline constexpr uid_t kNobody = 65534;
inline constexpr gid_t kNoGroup = 65534;

// The child's answer, or nothing when it could not take those ids (not root).
inline std::optional<bool> RunAsUser(uid_t uid, gid_t gid, const std::function<bool()>& work) {
    if (::geteuid() != 0) return std::nullopt;
    const pid_t child = ::fork();
    if (child == 0) ::_exit(::setgroups(0, nullptr) || ::setgid(gid) || ::setuid(uid) ? 2 : work() ? 0 : 1);
    int status = 0;
    const bool ran = child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status);
    if (!ran || WEXITSTATUS(status) == 2) return std::nullopt;
    return WEXITSTATUS(status) == 0;
}

}  // namespace corvane::testing
#endif
