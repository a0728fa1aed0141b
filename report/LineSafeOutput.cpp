// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/LineSafeOutput.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace lirem::report {

LineSafeOutput::LineSafeOutput(int fd) : fd_(fd), buffer_(kCapacity) {
    struct stat st {};
    regular_ = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    setp(buffer_.data(), buffer_.data() + buffer_.size());
}

LineSafeOutput::~LineSafeOutput() {
    Drain();
}

bool LineSafeOutput::Write(const char* data, std::size_t size) {
    while (size > 0 && !failed_) {
        const ssize_t n = ::write(fd_, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            failed_ = true;
            CutToLastLine();
            break;
        }
        const auto written = static_cast<std::size_t>(n);
        const void* lastLf = ::memrchr(data, '\n', written);
        sinceLineEnd_ = lastLf ? static_cast<std::size_t>(data + written - static_cast<const char*>(lastLf) - 1)
                               : sinceLineEnd_ + written;
        data += written;
        size -= written;
    }
    return !failed_;
}

// Only a regular file can be cut; a pipe or a terminal has taken the bytes already.
void LineSafeOutput::CutToLastLine() { // NOLINT(readability-make-member-function-const)
    if (!regular_)
        return;
    const off_t end = ::lseek(fd_, 0, SEEK_CUR);
    if (end < 0 || static_cast<std::size_t>(end) < sinceLineEnd_)
        return;
    // If the cut fails too, the partial line stays; the failed write is reported either way.
    if (::ftruncate(fd_, end - static_cast<off_t>(sinceLineEnd_)) != 0)
        return;
}

bool LineSafeOutput::Drain() {
    const auto used = static_cast<std::size_t>(pptr() - pbase());
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    return Write(buffer_.data(), used);
}

LineSafeOutput::int_type LineSafeOutput::overflow(int_type c) {
    if (!Drain())
        return traits_type::eof();
    if (traits_type::eq_int_type(c, traits_type::eof()))
        return traits_type::not_eof(c);
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
    return c;
}

std::streamsize LineSafeOutput::xsputn(const char* s, std::streamsize n) {
    if (failed_)
        return 0;
    const auto size = static_cast<std::size_t>(n);
    if (size <= static_cast<std::size_t>(epptr() - pptr())) {
        std::memcpy(pptr(), s, size);
        pbump(static_cast<int>(n));
        return n;
    }
    if (!Drain())
        return 0;
    if (size >= buffer_.size())
        return Write(s, size) ? n : 0;
    std::memcpy(pptr(), s, size);
    pbump(static_cast<int>(n));
    return n;
}

int LineSafeOutput::sync() {
    return Drain() ? 0 : -1;
}

} // namespace lirem::report
