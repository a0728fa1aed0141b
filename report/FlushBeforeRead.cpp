// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/FlushBeforeRead.h"

#include <algorithm>
#include <utility>

namespace lirem::report {

FlushBeforeRead::FlushBeforeRead(std::streambuf& source, std::function<void()> beforeWait)
    : source_(source), beforeWait_(std::move(beforeWait)), buffer_(64 * 1024) {
    setg(buffer_.data(), buffer_.data(), buffer_.data());
}

// A file buffer tells how much it can deliver without waiting (what it holds,
// or what the pipe or file holds); nothing means the next read may block.
FlushBeforeRead::int_type FlushBeforeRead::underflow() {
    if (source_.in_avail() <= 0 && beforeWait_)
        beforeWait_();
    if (traits_type::eq_int_type(source_.sgetc(), traits_type::eof()))
        return traits_type::eof();
    const std::streamsize ready = std::max<std::streamsize>(source_.in_avail(), 1);
    const auto want = std::min(ready, static_cast<std::streamsize>(buffer_.size()));
    const std::streamsize got = source_.sgetn(buffer_.data(), want);
    if (got <= 0)
        return traits_type::eof();
    setg(buffer_.data(), buffer_.data(), buffer_.data() + got);
    return traits_type::to_int_type(buffer_[0]);
}

std::streamsize FlushBeforeRead::showmanyc() {
    return source_.in_avail();
}

} // namespace lirem::report
