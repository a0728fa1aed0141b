// SPDX-License-Identifier: GPL-3.0-or-later
// The built program run as a subprocess: exit statuses and which stream
// receives what.

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace {

struct Result {
    int status = -1;
    std::string out;
    std::string err;
};

std::string Slurp(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::string TempPath(const std::string& name) {
    const char* dir = std::getenv("TMPDIR");
    return std::string(dir ? dir : "/tmp") + "/lirem-report-test-" + std::to_string(::getpid()) + "-" + name;
}

// args is passed to the shell as written.
Result RunProgram(const std::string& args, const std::string& stdinText = {}) {
    const std::string in = TempPath("in");
    const std::string out = TempPath("out");
    const std::string err = TempPath("err");
    std::ofstream(in, std::ios::binary) << stdinText;
    const std::string command =
        std::string("'") + LIREM_REPORT_BINARY + "' " + args + " <'" + in + "' >'" + out + "' 2>'" + err + "'";
    const int raw = std::system(command.c_str());
    Result r;
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    r.out = Slurp(out);
    r.err = Slurp(err);
    std::remove(in.c_str());
    std::remove(out.c_str());
    std::remove(err.c_str());
    return r;
}

struct Case {
    const char* args;
    int status;
    bool outEmpty;
    const char* errStartsWith; // nullptr: stderr must be empty
};

TEST(ExitStatus, Table) {
    const Case cases[] = {
        {"--date 29.11.1985 --first Иван --calendar 2025-09", 0, false, nullptr},
        {"--date 29.11.1985 --calendar 2025-09 --json", 0, false, nullptr},
        {"--help", 0, false, nullptr},
        {"--version", 0, false, nullptr},
        {"--date -5.11.1985 --calendar 2025-09", 1, true, "'-' is not a valid integer value.\n"},
        {"--day=-5 --calendar 2025-09 --json", 1, true, "'-' is not a valid integer value.\n"},
        {"--year -3000 --calendar 2025-09", 1, true, "'-' is not a valid integer value.\n"},
        {"--calendar 2025-00", 1, true, "Invalid argument to date encode.\n"},
        {"--calendar 2025-13 --json", 1, true, "Invalid argument to date encode.\n"},
        {"--no-such-option", 2, true, "lirem-report: "},
        {"--date 29/11/1985", 2, true, "lirem-report: --date: '29/11/1985' is not a date"},
        {"--day x", 2, true, "lirem-report: --day: 'x' is not a whole number"},
        {"--calendar 2025", 2, true, "lirem-report: --calendar"},
        {"--date 1.1.1970 --day 2", 2, true, "lirem-report: "},
        {"--batch - --first Иван", 2, true, "lirem-report: "},
        {"--batch /no/such/file.csv", 2, true, "lirem-report: cannot open '/no/such/file.csv'"},
        {"--batch /tmp", 2, true, "lirem-report: cannot open '/tmp': Is a directory"},
        {"--batch - --json", 2, true, "lirem-report: "},
        {"--json --batch -", 2, true, "lirem-report: "},
        {"--json --json --calendar 2025-09", 2, true, "lirem-report: --json"},
        {"--force --force --pdf /nonexistent/x.pdf", 2, true, "lirem-report: --force"},
        {"--first a --first b", 2, true, "lirem-report: --first"},
        {"--first", 2, true, "lirem-report: "},
    };
    for (const auto& c : cases) {
        const Result r = RunProgram(c.args);
        EXPECT_EQ(r.status, c.status) << c.args << "\n" << r.err;
        EXPECT_EQ(r.out.empty(), c.outEmpty) << c.args << "\n" << r.out;
        if (c.errStartsWith)
            EXPECT_EQ(r.err.rfind(c.errStartsWith, 0), 0u) << c.args << "\n" << r.err;
        else
            EXPECT_EQ(r.err, "") << c.args;
    }
}

TEST(ExitStatus, UsageErrorsShowAShortUsage) {
    const Result r = RunProgram("--bogus");
    EXPECT_NE(r.err.find("Usage: lirem-report"), std::string::npos);
    EXPECT_NE(r.err.find("--help"), std::string::npos);
    EXPECT_LT(r.err.size(), 600u); // short, not the whole help
}

TEST(ExitStatus, HelpExplainsEveryOption) {
    const Result r = RunProgram("--help");
    for (const char* option : {"--date", "--day", "--month", "--year", "--first", "--middle", "--last", "--calendar",
                               "--partner-date", "--partner-first", "--partner-middle", "--partner-last", "--text",
                               "--json", "--batch", "--version", "--help"})
        EXPECT_NE(r.out.find(option), std::string::npos) << option;
}

TEST(ExitStatus, BatchFromStandardInput) {
    const Result r = RunProgram("--batch - --calendar 2025-09", "29.11.1985,Иван,,\nx,,,\n5.9.1970,,,\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 3);
    EXPECT_EQ(r.err, "lirem-report: 1 of 3 rows could not be computed\n");

    const Result ok = RunProgram("--batch - --calendar 2025-09", "29.11.1985,Иван,,\n");
    EXPECT_EQ(ok.status, 0);
    EXPECT_EQ(ok.err, "");
}

TEST(ExitStatus, VersionLine) {
    EXPECT_EQ(RunProgram("--version").out, "lirem-report 3.0.0\n");
}

} // namespace
