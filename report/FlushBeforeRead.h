// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An input buffer over another that calls a hook just before a read that may
// wait: when the source holds nothing more that can be read at once (a pipe
// that is empty for now, the end of a file). A batch writes its answers in
// blocks and lets this hook flush them, so a co-process that waits for each
// answer before it sends the next row still gets it, and a reader that sends
// everything at once gets few, large writes.

#include <functional>
#include <streambuf>
#include <vector>

namespace lirem::report {

class FlushBeforeRead final : public std::streambuf {
public:
    FlushBeforeRead(std::streambuf& source, std::function<void()> beforeWait);
    FlushBeforeRead(const FlushBeforeRead&) = delete;
    FlushBeforeRead& operator=(const FlushBeforeRead&) = delete;
    ~FlushBeforeRead() override = default;

protected:
    int_type underflow() override;
    std::streamsize showmanyc() override;

private:
    std::streambuf& source_;
    std::function<void()> beforeWait_;
    std::vector<char> buffer_;
};

} // namespace lirem::report
