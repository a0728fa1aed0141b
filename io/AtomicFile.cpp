// SPDX-License-Identifier: GPL-3.0-or-later
#include "io/AtomicFile.h"

#include "io/InterruptCleanup.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace lirem::io {
namespace {

constexpr const char* kExists = "the file exists (--force replaces it)";

std::string Problem(const fs::path& target, const std::string& reason) {
    return "cannot write '" + target.string() + "': " + reason;
}

std::string ErrorText(int error) {
    return std::strerror(error);
}

// Everything or the reason it failed; a write that takes no bytes is a failure
// (a file system that accepts nothing would loop forever otherwise).
std::string WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return ErrorText(errno);
        if (n == 0)
            return "the file system took no bytes";
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return {};
}

// A short name, so that a target name of any legal length still leaves room:
// ".lirem." and six random letters or digits.
std::string TemporaryName() {
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::array<unsigned char, 6> random{};
    if (::getrandom(random.data(), random.size(), 0) != static_cast<ssize_t>(random.size())) {
        // Without the kernel's randomness: distinct enough, O_EXCL still guards.
        static unsigned counter = 0;
        const auto seed = static_cast<unsigned>(::getpid()) * 2654435761U + ++counter;
        for (std::size_t i = 0; i < random.size(); ++i)
            random[i] = static_cast<unsigned char>(seed >> (i * 5));
    }
    std::string name = ".lirem.";
    for (const unsigned char r : random)
        name += kLetters[r % (sizeof kLetters - 1)];
    return name;
}

int RenameNoReplace(const char* from, const char* to) {
    if (detail::TestSeams().renameNoReplace != nullptr)
        return detail::TestSeams().renameNoReplace(from, to);
    return ::renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE);
}

// The temporary file from its creation until it is renamed: closed, removed and
// unregistered from the interrupt handler on every other way out.
class Temporary {
public:
    Temporary() = default;
    Temporary(const Temporary&) = delete;
    Temporary& operator=(const Temporary&) = delete;
    ~Temporary() {
        if (fd_ >= 0)
            ::close(fd_);
        if (!path_.empty())
            ::unlink(path_.c_str());
        detail::UnregisterTemporary(slot_);
    }

    // Creates it in `folder`; returns errno on failure.
    int Create(const fs::path& folder, mode_t mode) {
        for (int attempt = 0; attempt < 100; ++attempt) {
            path_ = (folder / TemporaryName()).string();
            // Registered before it exists: an interrupt right after open() still removes it.
            slot_ = detail::RegisterTemporary(path_.c_str());
            fd_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
            if (fd_ >= 0)
                return 0;
            const int error = errno;
            detail::UnregisterTemporary(slot_);
            slot_ = -1;
            path_.clear();
            if (error != EEXIST)
                return error;
        }
        return EEXIST;
    }

    int Fd() const { return fd_; }
    const std::string& Path() const { return path_; }

    // Closes the file; returns errno on failure.
    int Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0 ? 0 : errno;
    }

    // The name is gone (renamed over the target): nothing to remove.
    void Renamed() { path_.clear(); }

    // Removes the name now; returns errno on failure.
    int Remove() {
        const std::string path = std::move(path_);
        path_.clear();
        return ::unlink(path.c_str()) == 0 ? 0 : errno;
    }

private:
    int fd_ = -1;
    int slot_ = -1;
    std::string path_;
};

struct Destination {
    fs::path file;       // the file to replace or create (a symbolic link resolved)
    bool exists = false; // a regular file is there
    struct stat info {}; // its status, when it exists
    std::string problem; // why it cannot be written
};

Destination Resolve(const fs::path& target, Existing existing) {
    Destination d;
    d.file = target;
    if (::lstat(target.c_str(), &d.info) != 0) {
        if (errno != ENOENT)
            d.problem = Problem(target, ErrorText(errno));
        return d;
    }
    if (S_ISLNK(d.info.st_mode)) {
        // Written through to the file the link leads to; the link stays.
        std::error_code error;
        d.file = fs::canonical(target, error);
        if (error) {
            d.problem = Problem(target, error == std::errc::no_such_file_or_directory
                                            ? "it is a symbolic link to a missing file"
                                            : error.message());
            return d;
        }
        if (::stat(d.file.c_str(), &d.info) != 0) {
            d.problem = Problem(target, ErrorText(errno));
            return d;
        }
    }
    if (!S_ISREG(d.info.st_mode))
        d.problem = Problem(target, "it exists and is not a regular file");
    else if (existing == Existing::Keep)
        d.problem = Problem(target, kExists);
    d.exists = true;
    return d;
}

// Gives the temporary file the replaced file's owner (where allowed) and mode.
int TakeOver(int fd, const struct stat& info) {
    // Only root may give a file away; anyone else keeps their own file.
    if (::fchown(fd, info.st_uid, info.st_gid) != 0 && errno != EPERM)
        return errno;
    return ::fchmod(fd, info.st_mode & 07777) == 0 ? 0 : errno;
}

// Puts the finished temporary file in place; returns the reason on failure.
std::string Place(Temporary& temp, const fs::path& file, Existing existing) {
    if (existing == Existing::Replace) {
        if (::rename(temp.Path().c_str(), file.c_str()) != 0)
            return ErrorText(errno);
        temp.Renamed();
        return {};
    }
    if (RenameNoReplace(temp.Path().c_str(), file.c_str()) == 0) {
        temp.Renamed();
        return {};
    }
    int error = errno;
    if (error == EINVAL || error == ENOSYS) {
        // A file system without the no-replace rename (NFS, FUSE): a hard link
        // fails the same way when the target exists. The temporary name is
        // removed in every case, or a deleted file's data would stay.
        error = ::link(temp.Path().c_str(), file.c_str()) == 0 ? 0 : errno;
        const int removeError = temp.Remove();
        if (error == 0 && removeError != 0)
            return "cannot remove the temporary file: " + ErrorText(removeError);
    }
    if (error == EEXIST)
        return kExists;
    return error == 0 ? std::string() : ErrorText(error);
}

} // namespace

namespace detail {
Seams& TestSeams() {
    static Seams seams;
    return seams;
}
} // namespace detail

std::string WriteFileAtomically(const fs::path& target, std::string_view bytes, Existing existing) {
    const Destination d = Resolve(target, existing);
    if (!d.problem.empty())
        return d.problem;

    Temporary temp;
    const fs::path folder = d.file.has_parent_path() ? d.file.parent_path() : fs::path(".");
    // A new file is created 0666 and the kernel takes the umask off; a
    // replacement starts private and takes the old file's mode below.
    if (const int error = temp.Create(folder, d.exists ? 0600 : 0666))
        return Problem(target, ErrorText(error));
    if (d.exists)
        if (const int error = TakeOver(temp.Fd(), d.info))
            return Problem(target, "cannot keep the file's owner and permissions: " + ErrorText(error));
    if (std::string reason = WriteAll(temp.Fd(), bytes); !reason.empty())
        return Problem(target, reason);
    if (::fsync(temp.Fd()) != 0)
        return Problem(target, ErrorText(errno));
    if (const int error = temp.Close())
        return Problem(target, ErrorText(error));
    if (detail::TestSeams().beforeRename != nullptr)
        detail::TestSeams().beforeRename(temp.Path().c_str());
    if (std::string reason = Place(temp, d.file, existing); !reason.empty())
        return Problem(target, reason);
    return {};
}

} // namespace lirem::io
