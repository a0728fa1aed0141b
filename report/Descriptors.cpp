// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/Descriptors.h"

#include <sys/stat.h>
#include <unistd.h>

namespace lirem::report {
namespace {

bool Interactive(const struct stat& st) {
    return S_ISFIFO(st.st_mode) || S_ISSOCK(st.st_mode);
}

} // namespace

bool IsInteractive(int fd) {
    struct stat st {};
    return fd >= 0 && ::fstat(fd, &st) == 0 && (Interactive(st) || ::isatty(fd) == 1);
}

bool IsInteractive(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && (Interactive(st) || S_ISCHR(st.st_mode));
}

} // namespace lirem::report
