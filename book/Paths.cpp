// SPDX-License-Identifier: GPL-3.0-or-later
#include "book/Paths.h"

#include "book/Messages.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace lirem::book {
namespace {

std::string HomeFolder() {
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0')
        return home;
    if (const passwd* entry = getpwuid(getuid()); entry != nullptr && entry->pw_dir != nullptr)
        return entry->pw_dir;
    return "/";
}

} // namespace

std::string DefaultBookPath() {
    std::string base;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg != nullptr && xdg[0] == '/')
        base = xdg;
    else
        base = HomeFolder() + "/.local/share";
    while (base.size() > 1 && base.back() == '/')
        base.pop_back();
    return base + "/lirem3/book.sqlite";
}

Status CreateFolders(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos || slash == 0)
        return std::nullopt;
    const std::string folder = path.substr(0, slash);
    // Each missing part from the top down; the ones that exist stay as they are.
    for (std::size_t end = folder.find('/', 1);; end = folder.find('/', end + 1)) {
        const std::string part = folder.substr(0, end);
        if (mkdir(part.c_str(), 0700) == 0) {
            // The umask may have taken bits from 0700; the folder is ours, so say it exactly.
            if (chmod(part.c_str(), 0700) != 0)
                return Error{ErrorCode::CannotOpen, messages::CannotCreateFolder(part, errno)};
        } else if (errno != EEXIST) {
            return Error{ErrorCode::CannotOpen, messages::CannotCreateFolder(part, errno)};
        }
        if (end == std::string::npos)
            break;
    }
    return std::nullopt;
}

PathKind KindOf(const std::string& path) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0)
        return errno == ENOENT ? PathKind::Missing : PathKind::Other;
    if (S_ISREG(info.st_mode))
        return PathKind::RegularFile;
    if (S_ISDIR(info.st_mode))
        return PathKind::Folder;
    return PathKind::Other;
}

Status CreatePrivateFile(const std::string& path) {
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) {
        if (errno == EEXIST)
            return std::nullopt;
        return Error{errno == EROFS ? ErrorCode::ReadOnly : ErrorCode::CannotOpen,
                     messages::CannotCreateFile(path, errno)};
    }
    const bool modeSet = fchmod(fd, 0600) == 0;
    const int modeErrno = errno;
    close(fd);
    if (!modeSet)
        return Error{ErrorCode::CannotOpen, messages::CannotCreateFile(path, modeErrno)};
    return std::nullopt;
}

} // namespace lirem::book
