// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/Batch.h"

#include "engine/Cp1251.h"
#include "engine/Errors.h"
#include "report/CsvPerson.h"
#include "report/CsvReader.h"
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

// Fills the person from a row; returns the reason when the row is unusable.
std::string ReadRow(const CsvRecord& r, session::PersonInput& person) {
    CsvPerson row;
    if (std::string reason = ReadCsvPerson(r, row); !reason.empty())
        return reason;
    person.date = row.date;
    engine::Utf8ToCp1251Into(row.first, person.first);
    engine::Utf8ToCp1251Into(row.middle, person.middle);
    engine::Utf8ToCp1251Into(row.last, person.last);
    person.partner.reset();
    if (row.hasPartner)
        person.partner =
            session::PartnerInput{row.partnerDate, engine::Utf8ToCp1251(row.partnerFirst),
                                  engine::Utf8ToCp1251(row.partnerMiddle), engine::Utf8ToCp1251(row.partnerLast)};
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
        if (IsBlankRecord(record))
            continue;
        const bool header = firstRecord && IsHeaderRecord(record);
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
