// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writes a whole file or nothing. The bytes go to an exclusively created
// temporary file with a short name in the target's folder, are written and
// flushed to disk with every call checked, and the temporary file is then
// renamed over the target, so a reader sees the old file or the new one.
//
// - A symbolic link at the target is written through: the file it leads to is
//   replaced and the link stays. A link to nothing is refused.
// - Only a regular file is ever replaced (a folder, a FIFO or a device is
//   refused).
// - A replaced file keeps its permissions and, where allowed, its owner; a new
//   file gets 0666 less the umask (the process umask is never changed).
// - With Existing::Keep an existing file is never replaced, not even one that
//   appears while writing.
// - No temporary file stays behind: not on failure, and not when SIGINT,
//   SIGTERM or SIGHUP arrive while writing in a program that called
//   InstallInterruptCleanup().

#include <filesystem>
#include <string>
#include <string_view>

namespace lirem::io {

enum class Existing { Keep, Replace };

// Returns an empty string on success, otherwise what went wrong, in words
// ("cannot write 'PATH': REASON").
[[nodiscard]] std::string WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes,
                                              Existing existing);

namespace detail {
// Seams for the tests: the no-replace rename (returns 0 or -1 with errno set),
// and a call made once the temporary file holds the bytes, before the rename.
struct Seams {
    int (*renameNoReplace)(const char* from, const char* to) = nullptr; // nullptr: renameat2
    void (*beforeRename)(const char* temporary) = nullptr;
};
Seams& TestSeams();
} // namespace detail

} // namespace lirem::io
