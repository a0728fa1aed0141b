// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Streaming reader of comma-separated records (RFC 4180 quoting, LF or CRLF
// line ends, an optional UTF-8 byte-order mark). Memory stays constant: the
// input is read in chunks of at most a fixed size and a record longer than the
// limit is skipped and reported instead of being held. A chunk is whatever the
// input has ready, so a record is returned as soon as its line end arrives.

#include <array>
#include <cstddef>
#include <cstdint>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

namespace lirem::report {

struct CsvRecord {
    std::int64_t line = 0;           // 1-based line on which the record starts
    std::vector<std::string> fields; // reused from record to record
    std::size_t fieldCount = 0;      // fields[0..fieldCount) belong to this record
    bool tooLong = false;            // the record passed the limit; its fields are not kept
    bool unterminatedQuote = false;  // the input ended inside a quoted field
    std::int64_t quoteLine = 0;      // with unterminatedQuote: the line on which that quote opened
    std::int64_t linesInQuote = 0;   // with unterminatedQuote: the lines after that one it took
    bool bareCr = false;             // a CR outside quotes not followed by LF (kept as data) in a record
                                     // that no LF ends: the input's line ends are CR alone
};

class CsvReader {
public:
    static constexpr std::size_t kDefaultMaxRecordBytes = 64 * 1024;

    explicit CsvReader(std::istream& in, std::size_t maxRecordBytes = kDefaultMaxRecordBytes);

    // The next record; false once the input is exhausted.
    bool Next(CsvRecord& record);

private:
    // Where the machine stands between two bytes. The byte-order mark states
    // run once, at the start of the input, and survive refills: a mark split
    // across two reads is still recognised.
    enum class State : std::uint8_t {
        kMark,          // the input's first bytes, compared with the mark
        kFieldStart,    // a new field: a quote here opens a quoted field
        kPlain,         // inside an unquoted field
        kQuoted,        // inside a quoted field
        kQuoteInQuoted, // a quote inside a quoted field: a second one is data, anything else closes it
        kCr,            // a CR outside quotes: LF makes a CR LF line end
        kEnd,           // the record ended at a line end
    };

    int Get(); // next byte or -1
    int Peek();
    bool Fill();
    void SkipByteOrderMark();
    void Begin(CsvRecord& record);
    State Step(State state, char c);
    State StepFieldStart(char c);
    State StepPlain(char c);
    State StepQuoted(char c);
    State StepQuoteInQuoted(char c);
    State StepCr(char c);
    void EndOfInput(State state);
    void StartField();
    void Count(std::size_t n);
    void Append(std::string_view text);
    void AppendRun(char first, bool quoted);

    std::istream& in_;
    std::size_t maxRecordBytes_;
    std::array<char, 64 * 1024> buffer_{};
    std::size_t pos_ = 0;
    std::size_t size_ = 0;
    std::int64_t line_ = 1;
    State start_ = State::kMark;  // kMark until the mark is decided, then kFieldStart
    std::size_t markMatched_ = 0; // bytes of the mark seen so far
    std::string markData_;        // a partial mark: data of the first field
    CsvRecord* record_ = nullptr; // the record being read
    std::size_t bytes_ = 0;       // its bytes so far, separators too
    bool lastWasLf_ = false;      // in a quoted field: the last byte was LF
};

} // namespace lirem::report
