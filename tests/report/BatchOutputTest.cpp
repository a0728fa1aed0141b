// SPDX-License-Identifier: GPL-3.0-or-later
// The built program's batch output where it meets the system: a file that
// cannot take it all, and a reader waiting on a pipe for each row's answer.

#include "report/Batch.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <streambuf>
#include <string>

namespace {

std::string Rows(int count) {
    std::string csv;
    for (int i = 0; i < count; ++i)
        csv += std::to_string(i % 28 + 1) + ".1.1970,Иван,Петрович,Сидоров,1.1.1970,Анна,,\n";
    return csv;
}

// A file size limit makes writes fail, as a full disk does.
TEST(BatchOutput, FailingFileEndsAtTheLastCompleteLine) {
    const std::filesystem::path dir = testing::TempDir();
    const std::string in = dir / "batch-full-in.csv";
    const std::string out = dir / "batch-full-out.jsonl";
    std::ofstream(in, std::ios::binary) << Rows(400);
    for (const char* limitBlocks : {"16", "37", "129"}) {
        std::string command = "(ulimit -f ";
        command.append(limitBlocks).append("; exec '").append(LIREM_REPORT_BINARY);
        command.append("' --batch '").append(in).append("' --calendar 2025-09 >'").append(out).append("' 2>/dev/null)");
        const int raw = std::system(command.c_str());
        EXPECT_TRUE(WIFEXITED(raw) && WEXITSTATUS(raw) == 1) << "ulimit -f " << limitBlocks << ": " << raw;
        std::ifstream file(out, std::ios::binary);
        const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        ASSERT_FALSE(text.empty()) << limitBlocks;
        EXPECT_EQ(text.back(), '\n') << limitBlocks;
        std::istringstream lines(text);
        int row = 0;
        for (std::string line; std::getline(lines, line);)
            EXPECT_EQ(nlohmann::json::parse(line, nullptr, false)["row"], ++row) << limitBlocks;
    }
    std::filesystem::remove(in);
    std::filesystem::remove(out);
}

// Reads one line from fd, giving up after a generous deadline instead of hanging.
std::string ReadLine(int fd) {
    std::string line;
    char c = 0;
    while (line.empty() || line.back() != '\n') {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, 20000) <= 0 || ::read(fd, &c, 1) != 1)
            return line;
        line += c;
    }
    return line;
}

TEST(BatchOutput, EachRowIsAnsweredBeforeTheNextArrivesOnAPipe) {
    int toTool[2];
    int fromTool[2];
    ASSERT_EQ(::pipe(toTool), 0);
    ASSERT_EQ(::pipe(fromTool), 0);
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        ::dup2(toTool[0], STDIN_FILENO);
        ::dup2(fromTool[1], STDOUT_FILENO);
        for (int fd : {toTool[0], toTool[1], fromTool[0], fromTool[1]})
            ::close(fd);
        ::execl(LIREM_REPORT_BINARY, "lirem-report", "--batch", "-", "--calendar", "2025-09", nullptr);
        ::_exit(127);
    }
    ::close(toTool[0]);
    ::close(fromTool[1]);
    const std::string rows[] = {"date,first,middle,last\r\n29.11.1985,Иван,,\r\n", "x,,,\n", "5.9.1970,,,\n"};
    for (int i = 0; i < 3; ++i) {
        ASSERT_EQ(::write(toTool[1], rows[i].data(), rows[i].size()), static_cast<ssize_t>(rows[i].size()));
        const auto answer = nlohmann::json::parse(ReadLine(fromTool[0]), nullptr, false);
        EXPECT_EQ(answer["row"], i + 2) << "row " << i + 2 << " not answered while the input stays open";
    }
    ::close(toTool[1]);
    EXPECT_EQ(ReadLine(fromTool[0]), "");
    ::close(fromTool[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1); // the row "x" is an error
}

// Keeps what is written and counts the flushes.
class CountingOutput final : public std::stringbuf {
public:
    int flushes = 0;

protected:
    int sync() override {
        ++flushes;
        return 0;
    }
};

// For a reader on a pipe the answers are flushed only when the input has
// nothing more to give at once: input that is all there goes out in one block,
// not one write per row.
TEST(BatchOutput, InputThatIsAllThereIsAnsweredInOneBlock) {
    for (const bool lineBuffered : {true, false}) {
        std::istringstream in(Rows(100)); // less than one block of output
        CountingOutput buffer;
        std::ostream out(&buffer);
        const auto summary = lirem::report::RunBatch(in, out, {2025, 9}, lineBuffered);
        EXPECT_EQ(summary.people, 100);
        EXPECT_LE(buffer.flushes, 5) << lineBuffered; // a few at the end, never one per row
        const std::string text = buffer.str();
        EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 100) << lineBuffered;
    }
}

} // namespace
