// SPDX-License-Identifier: GPL-3.0-or-later
#include "RunTool.h"
#include "engine/Cp1251.h"
#include "report/JsonReport.h"
#include "report/JsonWriter.h"
#include "session/NullSink.h"
#include "session/Pipeline.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <set>
#include <string>

namespace lirem::report {
namespace {

using nlohmann::ordered_json;

TEST(JsonWriter, StringsAreValidUtf8WithEscapes) {
    const std::string cases[] = {
        "",
        "plain",
        "quote \" backslash \\ slash /",
        "tab\tnewline\nreturn\rbell\x07 nul-free \x1f end",
        engine::Utf8ToCp1251("Иван Петрович Сидоров, Ёлка ёж"),
        "\x98 unassigned byte",
        "\xB9 \x85 \xA0 \x96 \x97", // №, ellipsis, no-break space, dashes
        "\x7f delete",
    };
    for (const std::string& text : cases) {
        JsonWriter writer;
        writer.BeginArray().Cp1251String(text).EndArray();
        const ordered_json parsed = ordered_json::parse(writer.View());
        ASSERT_EQ(parsed.size(), 1u);
        EXPECT_EQ(parsed[0].get<std::string>(), engine::Cp1251ToUtf8(text)) << writer.View();
    }
}

TEST(JsonWriter, NumbersAndNesting) {
    JsonWriter writer;
    writer.BeginObject()
        .Key("a")
        .Int(0)
        .Key("b")
        .Int(-2147483648LL)
        .Key("c")
        .Int(9223372036854775807LL)
        .Key("d")
        .BeginArray()
        .EndArray()
        .Key("e")
        .BeginObject()
        .EndObject()
        .Key("f")
        .BeginArray()
        .Int(7)
        .Null()
        .Bool(true)
        .Bool(false)
        .BeginArray()
        .Int(10)
        .EndArray()
        .EndArray()
        .EndObject();
    writer.EndLine();
    writer.BeginObject().Key("g").Int(1).EndObject();
    EXPECT_EQ(writer.View(), "{\"a\":0,\"b\":-2147483648,\"c\":9223372036854775807,\"d\":[],\"e\":{},"
                             "\"f\":[7,null,true,false,[10]]}\n{\"g\":1}");
}

session::PersonInput Person(session::BirthDate date, std::string_view first, std::string_view middle,
                            std::string_view last) {
    session::PersonInput p;
    p.date = date;
    p.first = engine::Utf8ToCp1251(first);
    p.middle = engine::Utf8ToCp1251(middle);
    p.last = engine::Utf8ToCp1251(last);
    p.calendar = {2025, 9};
    return p;
}

std::vector<session::PersonInput> People() {
    std::vector<session::PersonInput> people;
    people.push_back(Person({29, 11, 1985}, "Иван", "Петрович", "Сидоров"));
    people.push_back(Person({1, 1, 1970}, "", "", ""));
    people.push_back(Person({5, 9, 1970}, "Alexander", "", "Smith"));
    session::PersonInput withPartner = Person({29, 11, 1985}, "Иван", "Петрович", "Сидоров");
    withPartner.partner = session::PartnerInput{{1, 1, 1970}, engine::Utf8ToCp1251("Анна"), "", ""};
    withPartner.text = engine::Utf8ToCp1251("+7 (495) 123-45-67 \"quoted\"\t№");
    people.push_back(withPartner);
    session::PersonInput noFirstPerson = Person({13, 3, 2000}, " ", "", "");
    noFirstPerson.partner = session::PartnerInput{};
    noFirstPerson.text = "   ";
    people.push_back(noFirstPerson);
    return people;
}

// The batch's fast writer writes what the JSON library would, byte for byte
// (the single report is the library's indented form of the same object).
TEST(JsonReport, FastWriterEqualsLibraryDump) {
    for (const session::PersonInput& person : People()) {
        session::NullSink shown;
        const session::PersonResult result = session::RunPerson(person, shown);
        JsonWriter writer;
        WritePersonJson(person, result, std::nullopt, writer);
        EXPECT_EQ(ordered_json::parse(writer.View()).dump(), writer.View());
    }
}

void CollectKeys(const ordered_json& value, const std::string& path, std::set<std::string>& keys) {
    if (!value.is_object())
        return;
    for (const auto& [key, member] : value.items()) {
        const std::string full = path.empty() ? key : std::string(path).append(".").append(key);
        keys.insert(full);
        CollectKeys(member, full, keys);
    }
}

// The keys are a published interface: renaming one must fail here.
TEST(JsonReport, StableKeys) {
    const auto run = test::RunTool({"--date", "29.11.1985", "--first", "Иван", "--partner-first", "Анна", "--text",
                                    "12345", "--calendar", "2025-09", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    std::set<std::string> keys;
    CollectKeys(ordered_json::parse(run.out), "", keys);
    // One line per object keeps the list readable.
    // clang-format off
    const std::set<std::string> expected = {
        "input", "input.day", "input.month", "input.year", "input.first", "input.middle", "input.last",
        "core", "core.life_path", "core.life_path.value", "core.life_path.sum", "core.life_path.karmic",
        "core.expression", "core.expression.value", "core.expression.sum", "core.expression.karmic",
        "core.soul_urge", "core.soul_urge.value", "core.soul_urge.sum", "core.soul_urge.karmic",
        "core.personality", "core.personality.value", "core.personality.sum", "core.personality.karmic",
        "core.birthday", "core.birthday.value", "core.birthday.sum", "core.birthday.karmic",
        "synthesis", "synthesis.possibilities_abilities", "synthesis.possibilities_motivation",
        "synthesis.abilities_motivation", "synthesis.realization", "synthesis.reason", "synthesis.bridges",
        "synthesis.bridges.path_expression", "synthesis.bridges.soul_personality",
        "synthesis.bridges.expression_soul",
        "spectrum", "spectrum.counts", "spectrum.etalon", "spectrum.excess", "spectrum.name_length",
        "spectrum.alphabet", "spectrum.karmic_lessons", "spectrum.hidden_passion", "spectrum.much_more",
        "spectrum.much_less",
        "cycles", "cycles.birth_date", "cycles.pinnacles", "cycles.pinnacle_start_years", "cycles.periods",
        "cycles.period_start_years", "cycles.challenges",
        "calendar", "calendar.year", "calendar.month", "calendar.personal_year", "calendar.personal_month",
        "calendar.first_weekday", "calendar.days_in_month", "calendar.personal_days", "calendar.spiritual_birthdays",
        "partner", "partner.input", "partner.input.day", "partner.input.month", "partner.input.year",
        "partner.input.first", "partner.input.middle", "partner.input.last", "partner.first_person_missing",
        "partner.life_path", "partner.expression", "partner.soul_urge", "partner.personality", "partner.birthday",
        "partner.karmic_lessons", "partner.hidden_passion", "partner.lines",
        "free_text", "free_text.text", "free_text.raw_sum", "free_text.sum", "free_text.karmic", "free_text.counts",
    };
    // clang-format on
    EXPECT_EQ(keys, expected);
}

TEST(JsonReport, SingleReportParsesAndRoundTrips) {
    for (const session::PersonInput& person : People()) {
        const ordered_json first = ordered_json::parse(BuildJsonReport(person));
        const ordered_json again = ordered_json::parse(first.dump());
        EXPECT_EQ(first, again);
        EXPECT_EQ(again.dump(2) + "\n", BuildJsonReport(person));
    }
}

} // namespace
} // namespace lirem::report
