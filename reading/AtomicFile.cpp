// SPDX-License-Identifier: GPL-3.0-or-later
#include "reading/AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lirem::reading {
namespace {

std::string Reason(const std::filesystem::path& target, const char* what, int error) {
    return "cannot write '" + target.string() + "': " + what + std::strerror(error);
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

} // namespace

std::string WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes, Existing existing) {
    struct stat info {};
    if (::lstat(target.c_str(), &info) == 0) {
        if (!S_ISREG(info.st_mode))
            return "cannot write '" + target.string() + "': it exists and is not a regular file";
        if (existing == Existing::Keep)
            return "cannot write '" + target.string() + "': the file exists (--force replaces it)";
    } else if (errno != ENOENT) {
        return Reason(target, "", errno);
    }

    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    std::string temp = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0)
        return Reason(target, "", errno);
    ::fchmod(
        fd, 0666 & ~[] {
            const mode_t mask = ::umask(0);
            ::umask(mask);
            return mask;
        }());

    int error = 0;
    if (!WriteAll(fd, bytes) || ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0) {
        const int flags = existing == Existing::Keep ? RENAME_NOREPLACE : 0;
        if (::renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, target.c_str(), static_cast<unsigned>(flags)) != 0) {
            error = errno;
            // A file system without the no-replace rename: a hard link fails too when the target exists.
            if (error == EINVAL && existing == Existing::Keep)
                error = ::link(temp.c_str(), target.c_str()) == 0 ? 0 : errno;
        }
    }
    if (error != 0) {
        ::unlink(temp.c_str());
        return Reason(target, "", error);
    }
    return {};
}

} // namespace lirem::reading
