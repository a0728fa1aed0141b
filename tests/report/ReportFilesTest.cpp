// SPDX-License-Identifier: GPL-3.0-or-later
// What the report tool leaves behind: a batch with readings describes every
// reading written so far, a report that does not fit leaves no partial file,
// and a terminal never receives control characters from a name.

#include "report/App.h"
#include "report/Batch.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace lirem::report::test {
namespace {

// Each row's line is out before the next reading is made, even when the
// lines would otherwise wait for a large block.
TEST(ReportFiles, ABatchWithReadingsDescribesEachReadingAtOnce) {
    std::istringstream csv("1.1.1970,Иван,,\n2.1.1970,Анна,,\n3.1.1970,Петр,,\n4.1.1970,Олег,,\n");
    std::ostringstream out;
    std::vector<long> linesBefore;
    const RowHook reading = [&](std::int64_t, const session::PersonInput&, const session::RecordingSink&) {
        const std::string text = out.str();
        linesBefore.push_back(std::count(text.begin(), text.end(), '\n'));
        return std::string();
    };
    const BatchSummary summary = RunBatch(csv, out, {2025, 9}, false, reading);
    EXPECT_EQ(summary.people, 4);
    EXPECT_EQ(linesBefore, (std::vector<long>{0, 1, 2, 3}));
}

// A file size limit makes writes fail, as a full disk does: the report is
// taken back to where it began, a file appended to keeps what it held.
TEST(ReportFiles, AReportThatDoesNotFitLeavesNoPartialFile) {
    const std::filesystem::path out = std::filesystem::path(testing::TempDir()) / "report-full.txt";
    const std::string kept = "kept line\n";
    for (const char* format : {"", " --json"}) {
        for (const char* redirect : {">", ">>"}) {
            std::ofstream(out, std::ios::binary) << kept;
            std::string command = "(ulimit -f 2; exec '";
            command.append(LIREM_REPORT_BINARY).append("' --date 29.11.1985 --first Иван --middle Петрович ");
            command.append("--last Сидоров --partner-date 1.1.1970 --partner-first Анна --text 123456 ");
            command.append("--calendar 2025-09").append(format).append(redirect).append("'");
            command.append(out.string()).append("' 2>/dev/null)");
            const int raw = std::system(command.c_str());
            EXPECT_TRUE(WIFEXITED(raw) && WEXITSTATUS(raw) == 1) << command << ": " << raw;
            std::ifstream file(out, std::ios::binary);
            const std::string left((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
            EXPECT_EQ(left, std::string(redirect) == ">" ? "" : kept) << command;
        }
    }
    std::filesystem::remove(out);
}

TEST(ReportFiles, ATerminalGetsNoControlCharactersFromNames) {
    int master = -1;
    int terminal = -1;
    ASSERT_EQ(::openpty(&master, &terminal, nullptr, nullptr, nullptr), 0);
    struct Case {
        int fd;
        bool replaced;
    };
    for (const Case c : {Case{terminal, true}, Case{-1, false}}) {
        const char* argv[] = {"lirem-report",           "--date",     "1.1.1970", "--first",
                              "\x1b]0;title\x07Иван\r", "--calendar", "2025-09"};
        std::istringstream in;
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(RunApp(7, argv, in, out, err, {2025, 9}, {-1, c.fd}), 0) << err.str();
        const std::string text = out.str();
        const bool hasControls = text.find_first_of("\x1b\x07\r") != std::string::npos;
        EXPECT_EQ(hasControls, !c.replaced);
        EXPECT_EQ(text.find("?]0;title?Иван?") != std::string::npos, c.replaced);
    }
    ::close(master);
    ::close(terminal);
}

} // namespace
} // namespace lirem::report::test
