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

// Every byte to an open file, or an error naming its cause.
void WriteAll(int fd, const std::string& name, std::span<const std::uint8_t> bytes) {
    int error = 0;
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            error = n < 0 ? errno : ENOSPC; // a device that takes nothing is full
            break;
        }
        bytes = bytes.subspan(static_cast<std::size_t>(n));
    }
    if (error != 0)
        Fail("cannot write " + name, error);
}

// A FIFO or a device takes the bytes as they are; it is never replaced.
void WriteInPlace(const fs::path& path, std::span<const std::uint8_t> bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        Fail("cannot open " + path.string(), errno);
    try {
        WriteAll(fd, path.string(), bytes);
    } catch (...) {
        ::close(fd);
        throw;
    }
    if (::close(fd) != 0)
        Fail("cannot write " + path.string(), errno);
}

} // namespace

void WriteOutput(const fs::path& path, std::span<const std::uint8_t> bytes) {
    if (path == kStandardOutput) {
        // Written at once, so that a failure is reported with its cause.
        std::cout.flush();
        WriteAll(STDOUT_FILENO, "standard output", bytes);
        return;
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
