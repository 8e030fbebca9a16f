// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Root ignores permission bits, so what a read-only folder or file does to a user cannot be
// seen by a test that runs as root. Such a piece of a test runs through AsUser: as root in a
// child process under the ids of "nobody", otherwise right here.

#include <functional>
#include <grp.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace testsupport {

constexpr uid_t Nobody = 65534;

// The user the pieces run as: who must own the files they may write.
inline uid_t PieceUser() {
    return geteuid() == 0 ? Nobody : geteuid();
}

// Runs `piece` as PieceUser() and returns its result (0 to 255); -1 when it could not run. As
// root, the piece's user belongs to `groups` besides its own.
inline int AsUser(const std::function<int()>& piece, const std::vector<gid_t>& groups = {}) {
    if (geteuid() != 0)
        return piece();
    const pid_t child = fork();
    if (child < 0)
        return -1;
    if (child == 0) {
        if (setgroups(groups.size(), groups.data()) != 0 || setgid(Nobody) != 0 ||
            setuid(Nobody) != 0)
            _exit(255);
        _exit(piece() & 0xFF);
    }
    int status = 0;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

} // namespace testsupport
