// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/skinpack/OutputFile.h"

#include "io/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <stdexcept>
#include <string>
#include <string_view>

namespace fs = std::filesystem;

namespace lirem::skinpack {
namespace {

[[noreturn]] void Fail(const std::string& what, int error) {
    throw std::runtime_error(what + ": " + std::strerror(error));
}

// A FIFO or a device takes the bytes as they are; it is never replaced.
void WriteInPlace(const fs::path& path, std::span<const std::uint8_t> bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        Fail("cannot open " + path.string(), errno);
    int error = 0;
    while (!bytes.empty() && error == 0) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            error = n < 0 ? errno : ENOSPC; // a device that takes nothing is full
            break;
        }
        bytes = bytes.subspan(static_cast<std::size_t>(n));
    }
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error != 0)
        Fail("cannot write " + path.string(), error);
}

} // namespace

void WriteOutput(const fs::path& path, std::span<const std::uint8_t> bytes) {
    if (path == kStandardOutput) {
        std::cout.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return; // checked by FinishStandardOutput
    }
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode)) {
        WriteInPlace(path, bytes);
        return;
    }
    const std::string problem = io::WriteFileAtomically(
        path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), io::Existing::Replace);
    if (!problem.empty())
        throw std::runtime_error(problem);
}

void FinishStandardOutput() {
    // The C++ stream keeps no errno of its own: the C stream below it does.
    errno = 0;
    std::cout.flush();
    int error = errno;
    bool failed = !std::cout;
    if (std::fflush(stdout) != 0) {
        failed = true;
        error = errno;
    }
    failed = failed || std::ferror(stdout) != 0;
    if (std::fclose(stdout) != 0 && !failed) {
        failed = true;
        error = errno;
    }
    if (failed)
        Fail("cannot write standard output", error != 0 ? error : EIO);
}

} // namespace lirem::skinpack
