// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Standard output of the tool: a large buffer over a file descriptor that, when
// a write to a regular file fails, cuts the file back to its last complete
// line, so a full disk never leaves half a JSON object behind.

#include <cstddef>
#include <streambuf>
#include <vector>

namespace lirem::report {

class LineSafeOutput final : public std::streambuf {
public:
    static constexpr std::size_t kCapacity = 256 * 1024;

    explicit LineSafeOutput(int fd);
    LineSafeOutput(const LineSafeOutput&) = delete;
    LineSafeOutput& operator=(const LineSafeOutput&) = delete;
    ~LineSafeOutput() override; // writes what is left; check with pubsync() first to see failures

protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* s, std::streamsize n) override;
    int sync() override;

private:
    bool Drain();
    bool Write(const char* data, std::size_t size);
    // Not const: it changes the file this buffer writes.
    void CutToLastLine(); // NOLINT(readability-make-member-function-const)

    int fd_;
    bool regular_ = false;
    bool failed_ = false;
    std::size_t sinceLineEnd_ = 0; // bytes written after the last line end written
    std::vector<char> buffer_;
};

} // namespace lirem::report
