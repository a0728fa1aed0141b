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
    bool bareCr = false;             // a CR outside quotes not followed by LF (kept as data)
};

class CsvReader {
public:
    static constexpr std::size_t kDefaultMaxRecordBytes = 64 * 1024;

    explicit CsvReader(std::istream& in, std::size_t maxRecordBytes = kDefaultMaxRecordBytes);

    // The next record; false once the input is exhausted.
    bool Next(CsvRecord& record);

private:
    int Get(); // next byte or -1
    int Peek();
    bool Fill();

    std::istream& in_;
    std::size_t maxRecordBytes_;
    std::array<char, 64 * 1024> buffer_{};
    std::size_t pos_ = 0;
    std::size_t size_ = 0;
    std::int64_t line_ = 1;
    bool started_ = false;
};

} // namespace lirem::report
