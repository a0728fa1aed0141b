// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/skinpack/OutputFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace lirem::skinpack {
namespace {

[[noreturn]] void Fail(const std::string& what, int error) {
    throw std::runtime_error(what + ": " + std::strerror(error));
}

// Writes everything or returns the errno of the failure (0 on success).
int WriteAll(int fd, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n < 0 ? errno : EIO;
        bytes = bytes.subspan(static_cast<std::size_t>(n));
    }
    return 0;
}

// Owns the temporary file until it is renamed: removes it otherwise.
class TempFile {
public:
    explicit TempFile(const fs::path& target) {
        const fs::path dir = target.has_parent_path() ? target.parent_path() : fs::path(".");
        std::string pattern = (dir / ("." + target.filename().string() + ".XXXXXX")).string();
        std::vector<char> name(pattern.begin(), pattern.end());
        name.push_back('\0');
        fd_ = ::mkostemp(name.data(), O_CLOEXEC); // O_EXCL, random suffix
        if (fd_ < 0)
            Fail("cannot create a temporary file in " + dir.string(), errno);
        path_ = name.data();
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    ~TempFile() {
        if (fd_ >= 0)
            ::close(fd_);
        if (!path_.empty())
            ::unlink(path_.c_str());
    }

    void Write(std::span<const std::uint8_t> bytes, mode_t mode, const fs::path& target) {
        if (const int e = WriteAll(fd_, bytes))
            Fail("cannot write " + target.string(), e);
        if (::fchmod(fd_, mode) != 0)
            Fail("cannot set the permissions of " + target.string(), errno);
        if (::fsync(fd_) != 0)
            Fail("cannot write " + target.string(), errno);
        const int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0)
            Fail("cannot write " + target.string(), errno);
        if (::rename(path_.c_str(), target.c_str()) != 0)
            Fail("cannot replace " + target.string(), errno);
        path_.clear();
    }

private:
    int fd_ = -1;
    std::string path_;
};

mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

void WriteInPlace(const fs::path& path, std::span<const std::uint8_t> bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        Fail("cannot open " + path.string(), errno);
    const int writeError = WriteAll(fd, bytes);
    const int closeError = ::close(fd) != 0 ? errno : 0;
    if (writeError != 0 || closeError != 0)
        Fail("cannot write " + path.string(), writeError != 0 ? writeError : closeError);
}

} // namespace

void WriteOutput(const fs::path& path, std::span<const std::uint8_t> bytes) {
    if (path == kStandardOutput) {
        std::cout.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return; // checked by FinishStandardOutput
    }
    fs::path target = path;
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        // Replace the file the link names, keeping the link.
        std::error_code error;
        target = fs::canonical(path, error);
        if (error)
            throw std::runtime_error(path.string() + " is a symbolic link to a missing file");
    }
    if (::stat(target.c_str(), &st) != 0) {
        if (errno != ENOENT)
            Fail("cannot write " + path.string(), errno);
        TempFile(target).Write(bytes, NewFileMode(), target);
        return;
    }
    if (S_ISDIR(st.st_mode))
        throw std::runtime_error(path.string() + " is a folder");
    if (!S_ISREG(st.st_mode)) {
        WriteInPlace(target, bytes); // a FIFO or a device is never replaced
        return;
    }
    TempFile(target).Write(bytes, st.st_mode & 07777, target);
}

void FinishStandardOutput() {
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
