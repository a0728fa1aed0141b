// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/Batch.h"
#include "RunTool.h"
#include "report/App.h"
#include "report/JsonReport.h"
#include "report/JsonWriter.h"
#include "session/NullSink.h"
#include "session/Pipeline.h"
#include "session/RecordingSink.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>
#include <string>
#include <vector>

namespace lirem::report {
namespace {

using nlohmann::ordered_json;

std::vector<ordered_json> Lines(const std::string& out) {
    std::vector<ordered_json> lines;
    std::istringstream in(out);
    std::string line;
    while (std::getline(in, line))
        lines.push_back(ordered_json::parse(line));
    return lines;
}

// A sink that keeps nothing lets the display steps skip their writes; the
// results must be those of a sink that keeps everything.
TEST(Batch, ResultsDoNotDependOnWhetherTheSinkKeepsTheWrites) {
    const std::vector<session::PersonInput> people = [] {
        std::vector<session::PersonInput> list(3);
        list[0].date = {29, 11, 1985};
        list[0].first = "Ivan";
        list[1].date = {1, 1, 1900};
        list[1].partner.emplace().date = {31, 12, 2000};
        list[2].date = {11, 11, 1999};
        list[2].last = "Smith";
        for (session::PersonInput& p : list)
            p.calendar = {2025, 2};
        return list;
    }();
    for (const session::PersonInput& person : people) {
        session::NullSink discard;
        session::RecordingSink kept;
        JsonWriter fromNull;
        JsonWriter fromKept;
        WritePersonJson(person, session::RunPerson(person, discard), 1, fromNull);
        WritePersonJson(person, session::RunPerson(person, kept), 1, fromKept);
        EXPECT_EQ(fromNull.View(), fromKept.View()) << person.date.year;
    }
}

TEST(Batch, BadRowsInTheMiddleDoNotStopTheBatch) {
    const std::string csv = "date,first,middle,last\n"           // line 1: header
                            "29.11.1985,Иван,Петрович,Сидоров\n" // 2
                            "31/12/1999,Ann,,\n"                 // 3: not a date
                            "\n"                                 // 4: blank, skipped
                            "-5.11.1985,Анна,,\n"                // 5: the engine's conversion error
                            "1.1.1970,too,few\n"                 // 6: three fields
                            "5.9.1970,,,\n";                     // 7
    const auto run = test::RunTool({"--batch", "-", "--calendar", "2025-09"}, csv);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "lirem-report: 3 of 5 rows could not be computed\n");
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0]["row"], 2);
    EXPECT_EQ(lines[0]["core"]["life_path"]["value"], 9);
    EXPECT_EQ(lines[1], ordered_json::parse(R"({"row":3,"error":"birth date '31/12/1999' is not a date D.M.Y"})"));
    EXPECT_EQ(lines[2], ordered_json::parse(R"({"row":5,"error":"'-' is not a valid integer value."})"));
    EXPECT_EQ(lines[3], ordered_json::parse(R"({"row":6,"error":"expected 4 or 8 fields, found 3"})"));
    EXPECT_EQ(lines[4]["row"], 7);
    EXPECT_EQ(lines[4]["calendar"]["spiritual_birthdays"], ordered_json::parse("[4,13]"));
}

// A batch row is the single report of the same person, plus its row number.
TEST(Batch, RowEqualsTheSingleReport) {
    const std::string csv = "29.11.1985,Иван,Петрович,Сидоров,1.1.1970,Анна,,\n"
                            "\"5.9.1970\",\"Мария, \"\"Маша\"\"\",,Петрова,,,,\n";
    const auto batch = test::RunTool({"--batch", "-", "--calendar", "2025-09"}, csv);
    ASSERT_EQ(batch.status, 0) << batch.err;
    const auto lines = Lines(batch.out);
    ASSERT_EQ(lines.size(), 2u);

    const std::vector<std::vector<std::string>> singles = {
        {"--date", "29.11.1985", "--first", "Иван", "--middle", "Петрович", "--last", "Сидоров", "--partner-date",
         "1.1.1970", "--partner-first", "Анна"},
        {"--date", "5.9.1970", "--first", "Мария, \"Маша\"", "--last", "Петрова"},
    };
    for (std::size_t i = 0; i < singles.size(); ++i) {
        auto args = singles[i];
        args.insert(args.end(), {"--calendar", "2025-09", "--json"});
        const auto single = test::RunTool(args);
        ASSERT_EQ(single.status, 0) << single.err;
        ordered_json row = lines[i];
        EXPECT_EQ(row["row"], static_cast<int>(i) + 1);
        row.erase("row");
        EXPECT_EQ(row, ordered_json::parse(single.out)) << i;
    }
    EXPECT_TRUE(lines[1]["partner"].is_null()); // empty partner columns: no partner page
}

TEST(Batch, RowErrors) {
    struct Case {
        std::string csv;
        const char* error;
    };
    const Case cases[] = {
        {"1.1.1970,a,b,c,d\n", "expected 4 or 8 fields, found 5"},
        {"1.1.1970,a,b,c,x.y.z,,,\n", "partner's birth date 'x.y.z' is not a date D.M.Y"},
        {"1.1.1970,\"a,b,c\n", "quoted field opened on line 1 is not closed before the end of the input"},
        {"1.1.1970,\"a\nb\",c,\"d\n2.2.1970,e\n3.3.1970,f\n",
         "quoted field opened on line 2 is not closed: it took the 2 lines after it, up to the end of the input"},
        {"date,first,middle,last\r1.1.1970,a,b,c\r2.2.1970,a,b,c\r",
         "line ends are CR alone: the file needs LF or CR LF line ends"},
        {"1.1.1970,a,b,c\r" + std::string(70000, 'x') + "\r",
         "line ends are CR alone: the file needs LF or CR LF line ends"},
        {"1.1.1970,\"a\nb,c\n", "quoted field opened on line 1 is not closed: it took the 1 line after it, up to "
                                "the end of the input"},
        {"1.1.-1970,a,b,c\n", "'-' is not a valid integer value."}, // negative date sum
        {"Дата,a,b,c\n", "birth date 'Дата' is not a date D.M.Y"},
    };
    for (const auto& c : cases) {
        const auto run = test::RunTool({"--batch", "-", "--calendar", "2025-09"}, c.csv);
        EXPECT_EQ(run.status, 1) << c.csv.substr(0, 80);
        const auto lines = Lines(run.out);
        ASSERT_EQ(lines.size(), 1u) << c.csv.substr(0, 80);
        EXPECT_EQ(lines[0]["error"], c.error) << c.csv.substr(0, 80);
    }
}

// Lines that hold no row are skipped; a stray CR in a line that LF ends is a
// byte of its field, not a line end.
TEST(Batch, BlankLinesAndStrayBytesAreNoErrors) {
    struct Case {
        std::string csv;
        int row;
        const char* first;
    };
    const Case cases[] = {
        {" \n\t\n  \t \r\n1.1.1970,Ivan,,Petrov\n", 4, "Ivan"},
        {"date,first,middle,last\n   \n1.1.1970,Ivan,,Petrov\n", 3, "Ivan"},
        {"1.1.1970,Iv\"a\rn\",,Petrov\n", 1, "Iv\"a\rn\""},
        {"1.1.1970,\"Iv\ran\",,Petrov\r\n", 1, "Iv\ran"},
        {"\xEF\xBB\xBF"
         "date,first,middle,last\n1.1.1970,Ivan,,Petrov\n",
         2, "Ivan"},
    };
    for (const auto& c : cases) {
        const auto run = test::RunTool({"--batch", "-", "--calendar", "2025-09"}, c.csv);
        EXPECT_EQ(run.status, 0) << c.csv << run.out;
        const auto lines = Lines(run.out);
        ASSERT_EQ(lines.size(), 1u) << c.csv;
        EXPECT_EQ(lines[0]["row"], c.row) << c.csv;
        EXPECT_EQ(lines[0]["input"]["first"], c.first) << c.csv;
    }
}

TEST(Batch, CalendarMonthZeroFailsEveryRowAsTheWindowWould) {
    const auto run = test::RunTool({"--batch", "-", "--calendar", "2025-00"}, "1.1.1970,,,\n2.2.1980,,,\n");
    EXPECT_EQ(run.status, 1);
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1], ordered_json::parse(R"({"row":2,"error":"Invalid argument to date encode."})"));
}

TEST(Batch, TooLongRowIsReported) {
    const std::string csv = "1.1.1970," + std::string(70000, 'x') + ",,\n5.9.1970,,,\n";
    const auto run = test::RunTool({"--batch", "-", "--calendar", "2025-09"}, csv);
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0]["error"], "row longer than 65536 bytes");
    EXPECT_EQ(lines[1]["row"], 2);
}

TEST(Batch, EmptyInputWritesNothing) {
    for (const char* csv : {"", "date,first,middle,last\n", "\n\n"}) {
        const auto run = test::RunTool({"--batch", "-"}, csv);
        EXPECT_EQ(run.status, 0) << csv;
        EXPECT_EQ(run.out, "") << csv;
    }
}

// More rows than one output chunk and one input chunk hold.
TEST(Batch, ManyRowsKeepOrderAndRowNumbers) {
    std::string csv;
    for (int i = 0; i < 5000; ++i)
        csv += std::to_string(i % 28 + 1) + ".1.1970,Иван,,\n";
    std::istringstream in(csv);
    std::ostringstream out;
    const BatchSummary summary = RunBatch(in, out, {2025, 9});
    EXPECT_EQ(summary.people, 5000);
    EXPECT_EQ(summary.errors, 0);
    const auto lines = Lines(out.str());
    ASSERT_EQ(lines.size(), 5000u);
    for (int i = 0; i < 5000; i += 499) {
        EXPECT_EQ(lines[static_cast<std::size_t>(i)]["row"], i + 1);
        EXPECT_EQ(lines[static_cast<std::size_t>(i)]["input"]["day"], i % 28 + 1);
    }
}

TEST(Batch, WriteFailureIsReported) {
    std::istringstream in("1.1.1970,,,\n");
    std::ostringstream out;
    out.setstate(std::ios::badbit);
    EXPECT_TRUE(RunBatch(in, out, {2025, 9}).writeFailed);
}

} // namespace
} // namespace lirem::report
