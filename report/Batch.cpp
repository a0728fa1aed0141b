// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/Batch.h"

#include "engine/Cp1251.h"
#include "engine/Errors.h"
#include "report/CsvReader.h"
#include "report/DateArgs.h"
#include "report/ErrorText.h"
#include "report/FlushBeforeRead.h"
#include "report/JsonReport.h"
#include "report/JsonWriter.h"
#include "session/NullSink.h"
#include "session/Pipeline.h"

#include <string>
#include <string_view>

namespace lirem::report {
namespace {

constexpr std::size_t kFlushBytes = 256 * 1024;

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

bool IsHeader(const CsvRecord& r) {
    const std::string_view first = TrimBlanks(r.fields[0]);
    if (first.size() != 4)
        return false;
    for (std::size_t i = 0; i < 4; ++i)
        if ((first[i] | 0x20) != "date"[i])
            return false;
    return true;
}

std::string BadDate(std::string_view what, std::string_view field) {
    std::string reason(what);
    reason += " '";
    reason += engine::Utf8ToCp1251(field);
    reason += "' is not a date D.M.Y";
    return reason;
}

// Fills the person from a row; returns the reason when the row is unusable.
std::string ReadRow(const CsvRecord& r, session::PersonInput& person) {
    if (r.unterminatedQuote) {
        std::string reason = "quoted field opened on line " + std::to_string(r.quoteLine) + " is not closed";
        if (r.linesInQuote > 0)
            return reason + ": it took the " + std::to_string(r.linesInQuote) +
                   " lines after it, up to the end of the input";
        return reason + " before the end of the input";
    }
    if (r.bareCr)
        return "line ends are CR alone: the file needs LF or CR LF line ends";
    if (r.tooLong)
        return "row longer than " + std::to_string(CsvReader::kDefaultMaxRecordBytes) + " bytes";
    if (r.fieldCount != 4 && r.fieldCount != 8)
        return "expected 4 or 8 fields, found " + std::to_string(r.fieldCount);
    const auto date = ParseBirthDate(TrimBlanks(r.fields[0]));
    if (!date)
        return BadDate("birth date", TrimBlanks(r.fields[0]));
    person.date = *date;
    engine::Utf8ToCp1251Into(r.fields[1], person.first);
    engine::Utf8ToCp1251Into(r.fields[2], person.middle);
    engine::Utf8ToCp1251Into(r.fields[3], person.last);
    person.partner.reset();
    if (r.fieldCount == 8 &&
        !(r.fields[4].empty() && r.fields[5].empty() && r.fields[6].empty() && r.fields[7].empty())) {
        session::PartnerInput& partner = person.partner.emplace();
        const std::string_view partnerDate = TrimBlanks(r.fields[4]);
        if (!partnerDate.empty()) {
            const auto parsed = ParseBirthDate(partnerDate);
            if (!parsed)
                return BadDate("partner's birth date", partnerDate);
            partner.date = *parsed;
        }
        engine::Utf8ToCp1251Into(r.fields[5], partner.first);
        engine::Utf8ToCp1251Into(r.fields[6], partner.middle);
        engine::Utf8ToCp1251Into(r.fields[7], partner.last);
    }
    return {};
}

} // namespace

BatchSummary RunBatch(std::istream& in, std::ostream& out, session::CalendarMonth calendar, bool lineBuffered,
                      const RowHook& rowDone) {
    BatchSummary summary;
    CsvRecord record;
    session::PersonInput person;
    person.calendar = calendar;
    session::PersonResult result;
    session::RecordingSink shown; // filled only for the row hook
    session::NullSink discard;
    JsonWriter json;
    bool firstRecord = true;

    // Only whole lines reach the output. With a reading per row, each row's
    // line follows its file at once, so what was written is always described.
    // A reader waiting on the lines gets them before the input is waited for.
    const bool eachRow = static_cast<bool>(rowDone);
    const bool beforeWait = lineBuffered && !eachRow;
    auto flush = [&] {
        const std::string_view text = json.View();
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        json.Clear();
        if (eachRow || beforeWait)
            out.flush();
        if (!out)
            summary.writeFailed = true;
    };
    FlushBeforeRead gate(*in.rdbuf(), [&] {
        if (!summary.writeFailed && !json.View().empty())
            flush();
    });
    std::istream gated(&gate);
    std::istream& source = beforeWait ? gated : in;
    CsvReader reader(source);
    // The caller looks at its own stream's state for read failures.
    struct PassState {
        std::istream& from;
        std::istream& to;
        ~PassState() {
            if (&from != &to)
                to.setstate(from.rdstate());
        }
    } passState{source, in};

    while (reader.Next(record)) {
        if (summary.writeFailed)
            return summary;
        const bool blank = !record.tooLong && record.fieldCount == 1 && record.fields[0].empty();
        if (blank)
            continue;
        const bool header = firstRecord && !record.tooLong && !record.bareCr && IsHeader(record);
        firstRecord = false;
        if (header)
            continue;

        std::string reason = ReadRow(record, person);
        if (reason.empty()) {
            try {
                if (rowDone) {
                    shown = session::RecordingSink();
                    result = session::RunPerson(person, shown);
                } else {
                    result = session::RunPerson(person, discard);
                }
            } catch (const engine::EngineError& e) {
                reason = WithFullStop(e.what());
            }
        }
        if (reason.empty() && rowDone)
            reason = rowDone(record.line, person, shown);
        if (reason.empty()) {
            WritePersonJson(person, result, record.line, json);
            ++summary.people;
        } else {
            WriteRowErrorJson(record.line, reason, json);
            ++summary.errors;
        }
        json.EndLine();
        if (eachRow || json.View().size() >= kFlushBytes) {
            flush();
            if (summary.writeFailed)
                return summary;
        }
    }
    flush();
    out.flush();
    if (!out)
        summary.writeFailed = true;
    return summary;
}

} // namespace lirem::report
