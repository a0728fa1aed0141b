// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/CsvReader.h"

#include <algorithm>
#include <string_view>

namespace lirem::report {

CsvReader::CsvReader(std::istream& in, std::size_t maxRecordBytes) : in_(in), maxRecordBytes_(maxRecordBytes) {}

bool CsvReader::Fill() {
    pos_ = 0;
    size_ = 0;
    if (!in_)
        return false;
    // Waits for at least one byte, then takes what the stream holds without
    // waiting for more: a pipe delivers each row as soon as it is written.
    std::streambuf& source = *in_.rdbuf();
    try {
        if (std::istream::traits_type::eq_int_type(source.sgetc(), std::istream::traits_type::eof())) {
            in_.setstate(std::ios::eofbit);
            return false;
        }
        const std::streamsize ready = std::max<std::streamsize>(source.in_avail(), 1);
        const auto want = std::min(ready, static_cast<std::streamsize>(buffer_.size()));
        size_ = static_cast<std::size_t>(source.sgetn(buffer_.data(), want));
    } catch (...) {
        in_.setstate(std::ios::badbit); // a read error (a folder, a device failure)
        return false;
    }
    return size_ > 0;
}

int CsvReader::Get() {
    if (pos_ == size_ && !Fill())
        return -1;
    return static_cast<unsigned char>(buffer_[pos_++]);
}

int CsvReader::Peek() {
    if (pos_ == size_ && !Fill())
        return -1;
    return static_cast<unsigned char>(buffer_[pos_]);
}

bool CsvReader::Next(CsvRecord& record) {
    if (!started_) {
        started_ = true;
        static constexpr std::array<int, 3> kBom{0xEF, 0xBB, 0xBF};
        if (Peek() == kBom[0]) {
            // A mark is taken only whole; a lone 0xEF byte is data.
            std::size_t matched = 0;
            while (matched < kBom.size() && pos_ + matched < size_ &&
                   static_cast<unsigned char>(buffer_[pos_ + matched]) == kBom[matched])
                ++matched;
            if (matched == kBom.size())
                pos_ += matched;
        }
    }
    if (Peek() < 0)
        return false;

    record.line = line_;
    record.fieldCount = 0;
    record.tooLong = false;
    record.unterminatedQuote = false;
    record.quoteLine = 0;
    record.linesInQuote = 0;
    record.bareCr = false;
    std::size_t bytes = 0;
    auto field = [&]() -> std::string* {
        if (record.tooLong)
            return nullptr;
        if (record.fieldCount > record.fields.size())
            record.fields.resize(record.fieldCount);
        return &record.fields[record.fieldCount - 1];
    };
    auto startField = [&] {
        ++record.fieldCount;
        if (std::string* f = field())
            f->clear();
    };
    // Every byte of the record counts against the limit, separators too.
    auto count = [&](std::size_t n) {
        bytes += n;
        if (bytes > maxRecordBytes_ && !record.tooLong) {
            record.tooLong = true;
            record.fieldCount = 0;
        }
    };
    auto append = [&](std::string_view text) {
        count(text.size());
        if (std::string* f = field())
            f->append(text);
    };
    // Plain bytes up to the next separator, quote or line end, taken at once.
    auto appendPlainRun = [&](char first) {
        std::size_t end = pos_;
        while (end < size_) {
            const char c = buffer_[end];
            if (c == ',' || c == '\n' || c == '\r' || c == '"')
                break;
            ++end;
        }
        const char firstByte[1] = {first};
        append(std::string_view(firstByte, 1));
        append(std::string_view(buffer_.data() + pos_, end - pos_));
        pos_ = end;
    };

    startField();
    bool quoted = false;
    bool atFieldStart = true;
    bool lastWasLf = false;
    for (;;) {
        const int c = Get();
        if (c < 0) {
            record.unterminatedQuote = quoted;
            // A line end just before the end of the input starts no further line.
            record.linesInQuote = quoted ? line_ - record.quoteLine - (lastWasLf ? 1 : 0) : 0;
            break;
        }
        if (quoted) {
            if (c == '"') {
                if (Peek() == '"') {
                    Get();
                    append("\"");
                } else {
                    quoted = false;
                }
                continue;
            }
            lastWasLf = c == '\n';
            if (lastWasLf)
                ++line_;
            const char byte[1] = {static_cast<char>(c)};
            append(std::string_view(byte, 1));
            continue;
        }
        if (c == '\n') {
            ++line_;
            break;
        }
        if (c == '\r') {
            if (Peek() == '\n')
                continue; // CRLF ends the record at the LF
            record.bareCr = true;
        }
        if (c == ',') {
            count(1);
            if (!record.tooLong)
                startField();
            atFieldStart = true;
            continue;
        }
        if (c == '"' && atFieldStart) {
            quoted = true;
            record.quoteLine = line_;
            lastWasLf = false;
            atFieldStart = false;
            continue;
        }
        atFieldStart = false;
        appendPlainRun(static_cast<char>(c));
    }
    return true;
}

} // namespace lirem::report
