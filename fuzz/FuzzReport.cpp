// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: everything the report tool reads from a user. The first
// byte chooses what the rest is:
//   0  a batch file, run whole (CSV reader, dates, names, engine, JSON lines);
//   1  a batch file read record by record with a small row limit;
//   2  date arguments: birth date, calendar month and a whole number, one a
//      line, computed with a partner into the JSON report;
//   3  a name in UTF-8, converted to code page 1251 with NFC.
#include "engine/Cp1251.h"
#include "engine/Errors.h"
#include "report/Batch.h"
#include "report/CsvReader.h"
#include "report/DateArgs.h"
#include "report/JsonReport.h"
#include "report/JsonWriter.h"
#include "session/NullSink.h"
#include "session/Pipeline.h"

#include <nlohmann/json.hpp>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

namespace lirem::report {
namespace {

void Check(bool condition) {
    if (!condition)
        std::abort();
}

// Every row gives exactly one line, and each line is one JSON object.
void RunWholeBatch(std::string_view csv) {
    std::istringstream in{std::string(csv)};
    std::ostringstream out;
    const BatchSummary summary = RunBatch(in, out, {2025, 9});
    Check(!summary.writeFailed);
    std::istringstream lines(out.str());
    std::int64_t count = 0;
    for (std::string line; std::getline(lines, line); ++count)
        Check(line.starts_with("{\"row\":") && nlohmann::json::accept(line));
    Check(count == summary.people + summary.errors);
    Check(out.str().empty() || out.str().back() == '\n');
}

void ReadRecords(std::string_view csv, std::size_t limit) {
    std::istringstream in{std::string(csv)};
    CsvReader reader(in, limit);
    CsvRecord record;
    std::int64_t lastLine = 0;
    while (reader.Next(record)) {
        Check(record.line > lastLine);
        lastLine = record.line;
        Check(!record.tooLong || record.fieldCount == 0);
        Check(record.unterminatedQuote || (record.quoteLine == 0 && record.linesInQuote == 0) ||
              record.quoteLine >= record.line);
        Check(record.linesInQuote >= 0);
        std::size_t bytes = 0;
        for (std::size_t i = 0; i < record.fieldCount; ++i)
            bytes += record.fields[i].size();
        Check(bytes <= limit);
    }
}

void ComputeDates(std::string_view text) {
    const std::size_t first = text.find('\n');
    const std::string_view date = text.substr(0, first);
    const std::string_view rest = first == std::string_view::npos ? std::string_view() : text.substr(first + 1);
    const std::size_t second = rest.find('\n');
    const std::string_view month = rest.substr(0, second);
    const std::string_view number = second == std::string_view::npos ? std::string_view() : rest.substr(second + 1);

    if (const auto value = ParseInt32(number))
        Check(ParseInt32(std::to_string(*value)) == value);
    session::PersonInput person;
    if (const auto parsed = ParseBirthDate(date))
        person.date = *parsed;
    else
        return;
    if (const auto parsed = ParseCalendarMonth(month)) {
        Check(parsed->year >= 1 && parsed->year <= 9999);
        person.calendar = *parsed;
    }
    person.first = "Иван";
    person.partner.emplace().date = person.date;
    try {
        session::NullSink shown;
        const session::PersonResult result = session::RunPerson(person, shown);
        JsonWriter json;
        WritePersonJson(person, result, std::nullopt, json);
        Check(nlohmann::ordered_json::parse(json.View()).is_object());
    } catch (const engine::EngineError&) {
        // the window shows these as messages
    }
}

// Well-formed UTF-8 (Unicode table 3-7): no overlong forms, no surrogates,
// nothing above U+10FFFF.
bool IsValidUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t len = lead < 0x80                    ? 1
                          : lead >= 0xC2 && lead <= 0xDF ? 2
                          : lead >= 0xE0 && lead <= 0xEF ? 3
                          : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                         : 0;
        if (len == 0 || i + len > text.size())
            return false;
        for (std::size_t k = 1; k < len; ++k) {
            const auto b = static_cast<unsigned char>(text[i + k]);
            unsigned char low = 0x80;
            unsigned char high = 0xBF;
            if (k == 1) {
                low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
                high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
            }
            if (b < low || b > high)
                return false;
        }
        i += len;
    }
    return true;
}

std::size_t CodePoints(std::string_view utf8) {
    std::size_t n = 0;
    for (const char c : utf8)
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

void ConvertName(std::string_view utf8) {
    const std::string bytes = engine::Utf8ToCp1251(utf8);
    Check(engine::Utf8ToCp1251Standard(utf8) == bytes);
    // NFC turns one code point into at most three, and every character gives
    // one byte; a malformed sequence gives one '?' and holds at least one byte.
    Check(bytes.size() <= 3 * utf8.size());
    if (IsValidUtf8(utf8)) {
        Check(bytes.size() <= 3 * CodePoints(utf8));
        // The result is in NFC already: converting it again changes nothing.
        Check(engine::Utf8ToCp1251(engine::Cp1251ToUtf8(bytes)) == bytes);
    }
}

} // namespace
} // namespace lirem::report

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1)
        return 0;
    const std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    switch (data[0] % 4) {
    case 0:
        lirem::report::RunWholeBatch(rest);
        break;
    case 1:
        lirem::report::ReadRecords(rest, 1 + data[0] / 4 % 64);
        break;
    case 2:
        lirem::report::ComputeDates(rest);
        break;
    default:
        lirem::report::ConvertName(rest);
        break;
    }
    return 0;
}
