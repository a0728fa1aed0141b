// SPDX-License-Identifier: GPL-3.0-or-later
// The worked examples of the calculator, printed in full, against reviewed
// golden files; then the numbers of the same examples checked one by one.

#include "RunTool.h"
#include "tests/support/PartnerExample.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace lirem::report {
namespace {

using nlohmann::ordered_json;

std::string ReadGolden(const std::string& name) {
    std::ifstream file(std::string(LIREM_REPORT_GOLDEN_DIR) + "/" + name, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

const std::vector<std::string> kSidorov = {"--date",   "29.11.1985", "--first", "Иван",       "--middle",
                                           "Петрович", "--last",     "Сидоров", "--calendar", "2025-09"};

std::vector<std::string> With(std::vector<std::string> args, std::initializer_list<std::string> more) {
    args.insert(args.end(), more);
    return args;
}

struct GoldenCase {
    const char* file;
    std::vector<std::string> args;
};

TEST(Golden, Reports) {
    const std::vector<std::string> partner = With(kSidorov, {"--partner-date", "1.1.1970", "--partner-first", "Анна"});
    const std::vector<std::string> calendar = {"--date", "5.9.1970", "--calendar", "2025-09"};
    const GoldenCase cases[] = {
        {"sidorov.txt", kSidorov},
        {"sidorov.json", With(kSidorov, {"--json"})},
        {"partner.txt", partner},
        {"partner.json", With(partner, {"--json"})},
        {"calendar-2025-09.txt", calendar},
        {"calendar-2025-09.json", With(calendar, {"--json"})},
        {"free-text.txt", {"--text", "+7 (495) 123-45-67", "--calendar", "2023-01"}},
    };
    for (const auto& c : cases) {
        const auto run = test::RunTool(c.args);
        EXPECT_EQ(run.status, 0) << c.file << ": " << run.err;
        EXPECT_EQ(run.err, "") << c.file;
        EXPECT_EQ(run.out, ReadGolden(c.file)) << c.file;
    }
}

ordered_json Json(const std::vector<std::string>& args) {
    const auto run = test::RunTool(With(args, {"--json"}));
    EXPECT_EQ(run.status, 0) << run.err;
    return ordered_json::parse(run.out);
}

TEST(WorkedExamples, CoreSynthesisSpectrumOfSidorov) {
    const ordered_json j = Json(kSidorov);
    struct Number {
        const char* key;
        int value;
        int karmic;
    };
    const Number numbers[] = {
        {"birthday", 11, 0}, {"life_path", 9, 0}, {"expression", 6, 0}, {"soul_urge", 4, 13}, {"personality", 11, 0},
    };
    for (const auto& n : numbers) {
        EXPECT_EQ(j["core"][n.key]["value"], n.value) << n.key;
        EXPECT_EQ(j["core"][n.key]["karmic"], n.karmic) << n.key;
    }
    const ordered_json& s = j["synthesis"];
    EXPECT_EQ(s["possibilities_abilities"], "Возможности превышают Способности");
    EXPECT_EQ(s["possibilities_motivation"], "Возможности превышают Мотивацию");
    EXPECT_EQ(s["abilities_motivation"], "Способности равны или примерно равны Мотивации");
    EXPECT_EQ(s["realization"], 6);
    EXPECT_EQ(s["reason"], 22);
    EXPECT_EQ(s["bridges"], ordered_json::parse(R"({"path_expression":3,"soul_personality":2,"expression_soul":2})"));
    const ordered_json& sp = j["spectrum"];
    EXPECT_EQ(sp["counts"], ordered_json::parse("[5,1,3,0,1,2,4,1,2]"));
    EXPECT_EQ(sp["etalon"], ordered_json::parse("[4,2,2,1,1,3,4,1,1]"));
    EXPECT_EQ(sp["name_length"], 19);
    EXPECT_EQ(sp["alphabet"], "russian");
    EXPECT_EQ(sp["karmic_lessons"], ordered_json::parse("[4]"));
    EXPECT_EQ(sp["hidden_passion"], ordered_json::parse("[1,3,9]"));
}

TEST(WorkedExamples, PartnerAnna) {
    const ordered_json p = Json(With(kSidorov, {"--partner-date", "1.1.1970", "--partner-first", "Анна"}))["partner"];
    EXPECT_EQ(p["first_person_missing"], false);
    EXPECT_EQ(p["life_path"], 1);
    EXPECT_EQ(p["expression"], 5);
    EXPECT_EQ(p["soul_urge"], 2);
    EXPECT_EQ(p["personality"], 3);
    EXPECT_EQ(p["birthday"], 1);
    EXPECT_EQ(p["karmic_lessons"], ordered_json::parse("[2,3,4,5,7,8,9]"));
    EXPECT_EQ(p["hidden_passion"], ordered_json::parse("[1,6]"));
    std::vector<std::string> lines;
    for (const char* m : lirem::test::kAnnaMatches) {
        lines.emplace_back(m);
        lines.emplace_back(); // every match is followed by an empty line
    }
    EXPECT_EQ(p["lines"].get<std::vector<std::string>>(), lines);
}

TEST(WorkedExamples, FirstPersonWithoutNameGetsTheWarning) {
    const auto run = test::RunTool({"--first", "  ", "--partner-first", "Анна", "--calendar", "2025-09"});
    ASSERT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("\nНе введены исходные данные\nдля первого партнера!\n"), std::string::npos) << run.out;
    const ordered_json p = Json({"--first", "  ", "--partner-first", "Анна", "--calendar", "2025-09"})["partner"];
    EXPECT_EQ(p["first_person_missing"], true);
    EXPECT_TRUE(p["life_path"].is_null());
    EXPECT_TRUE(p["lines"].empty());
}

TEST(WorkedExamples, CyclesAndCalendarOf5September1970) {
    const ordered_json j = Json({"--date", "5.9.1970", "--calendar", "2025-09"});
    const ordered_json& c = j["cycles"];
    EXPECT_EQ(c["birth_date"], "5.09.1970");
    EXPECT_EQ(c["pinnacles"], ordered_json::parse("[5,4,9,8]"));
    EXPECT_EQ(c["pinnacle_start_years"], ordered_json::parse("[2003,2012,2021]"));
    EXPECT_EQ(c["periods"], ordered_json::parse("[9,5,8]"));
    EXPECT_EQ(c["period_start_years"], ordered_json::parse("[1994,2030]"));
    EXPECT_EQ(c["challenges"], ordered_json::parse("[4,3,1,1]"));
    const ordered_json& k = j["calendar"];
    EXPECT_EQ(k["personal_year"], 5);
    EXPECT_EQ(k["personal_month"], 5);
    EXPECT_EQ(k["first_weekday"], 1);
    EXPECT_EQ(k["days_in_month"], 30);
    ASSERT_EQ(k["personal_days"].size(), 30u);
    EXPECT_EQ(k["personal_days"][0], 6);
    EXPECT_EQ(k["personal_days"][4], 1);
    EXPECT_EQ(k["spiritual_birthdays"], ordered_json::parse("[4,13]"));

    const ordered_json jan = Json({"--date", "5.9.1970", "--calendar", "2023-01"})["calendar"];
    EXPECT_EQ(jan["personal_year"], 3);
    EXPECT_EQ(jan["personal_month"], 4);
    EXPECT_EQ(jan["first_weekday"], 7);
    EXPECT_EQ(jan["spiritual_birthdays"], ordered_json::array());
}

// A month beginning on a Sunday uses all 37 cells: the sixth row is printed.
TEST(WorkedExamples, CalendarGridUsesTheSixthRow) {
    const auto run = test::RunTool({"--date", "5.9.1970", "--calendar", "2023-01"});
    ASSERT_EQ(run.status, 0);
    // Personal Month 4: day 1 gives 5, days 30 and 31 give 7 and 8.
    EXPECT_NE(run.out.find("\n" + std::string(45, ' ') + "1 5\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\n  30 7   31 8\n"), std::string::npos) << run.out;
}

struct FreeTextCase {
    const char* text;
    int sum;
    int karmic;
    const char* counts;
    const char* karmicLine;
};

TEST(WorkedExamples, FreeText) {
    const FreeTextCase cases[] = {
        {"12345", 6, 0, "[1,1,1,1,1,0,0,0,0]", "Кармическое Число: -"},
        {"49", 4, 13, "[0,0,0,1,0,0,0,0,1]", "Кармическое Число: 13"},
        {"29", 11, 0, "[0,1,0,0,0,0,0,0,1]", "Кармическое Число: -"},
        {"Анна", 5, 14, "[2,0,0,0,0,2,0,0,0]", "Кармическое Число: 14"},
        {"Ivan 1970", 9, 0, "[2,0,0,1,1,0,1,0,2]", "Кармическое Число: -"},
        {"+7 (495) 123-45-67", 8, 0, "[1,1,1,2,2,1,2,0,1]", "Кармическое Число: -"},
        {"!!!", 0, 0, "[0,0,0,0,0,0,0,0,0]", "Кармическое Число: -"},
        {"   ", 0, 0, "[0,0,0,0,0,0,0,0,0]", "Кармическое Число: 0"}, // blank: the page keeps its texts
    };
    for (const auto& c : cases) {
        const ordered_json f = Json({"--text", c.text, "--calendar", "2025-09"})["free_text"];
        EXPECT_EQ(f["sum"], c.sum) << c.text;
        EXPECT_EQ(f["karmic"], c.karmic) << c.text;
        EXPECT_EQ(f["counts"], ordered_json::parse(c.counts)) << c.text;
        const auto run = test::RunTool({"--text", c.text, "--calendar", "2025-09"});
        EXPECT_NE(run.out.find("\nСумма: " + std::to_string(c.sum) + "\n" + c.karmicLine + "\n"), std::string::npos)
            << c.text << "\n"
            << run.out;
    }
}

} // namespace
} // namespace lirem::report
