// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/CsvReader.h"

#include <algorithm>

namespace lirem::report {
namespace {

constexpr std::string_view kMark = "\xEF\xBB\xBF";

bool IsSpecial(char c, bool quoted) {
    return quoted ? (c == '"' || c == '\n') : (c == ',' || c == '\n' || c == '\r' || c == '"');
}

} // namespace

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

// The mark is taken only whole; the bytes of a partial one are data.
void CsvReader::SkipByteOrderMark() {
    while (markMatched_ < kMark.size() && Peek() == static_cast<unsigned char>(kMark[markMatched_])) {
        Get();
        ++markMatched_;
    }
    if (markMatched_ < kMark.size())
        markData_.assign(kMark.substr(0, markMatched_));
    start_ = State::kFieldStart;
}

void CsvReader::Begin(CsvRecord& record) {
    record_ = &record;
    bytes_ = 0;
    lastWasLf_ = false;
    record.line = line_;
    record.fieldCount = 0;
    record.tooLong = false;
    record.unterminatedQuote = false;
    record.quoteLine = 0;
    record.linesInQuote = 0;
    record.bareCr = false;
    StartField();
}

void CsvReader::StartField() {
    CsvRecord& r = *record_;
    if (r.tooLong)
        return;
    ++r.fieldCount;
    if (r.fieldCount > r.fields.size())
        r.fields.resize(r.fieldCount);
    r.fields[r.fieldCount - 1].clear();
}

// Every byte of the record counts against the limit, separators too.
void CsvReader::Count(std::size_t n) {
    bytes_ += n;
    if (bytes_ > maxRecordBytes_ && !record_->tooLong) {
        record_->tooLong = true;
        record_->fieldCount = 0;
    }
}

void CsvReader::Append(std::string_view text) {
    Count(text.size());
    if (!record_->tooLong)
        record_->fields[record_->fieldCount - 1].append(text);
}

// The byte and the ordinary bytes after it in the buffer, taken at once.
void CsvReader::AppendRun(char first, bool quoted) {
    const char* const from = buffer_.data() + pos_;
    const char* const end = buffer_.data() + size_;
    const char* const to = std::find_if(from, end, [quoted](char c) { return IsSpecial(c, quoted); });
    Append(std::string_view(&first, 1));
    Append(std::string_view(from, static_cast<std::size_t>(to - from)));
    pos_ += static_cast<std::size_t>(to - from);
}

CsvReader::State CsvReader::StepFieldStart(char c) {
    if (c != '"')
        return StepPlain(c);
    record_->quoteLine = line_;
    lastWasLf_ = false; // a line end in an earlier quoted field is not this one's
    return State::kQuoted;
}

CsvReader::State CsvReader::StepPlain(char c) {
    switch (c) {
    case '\n':
        ++line_;
        return State::kEnd;
    case '\r':
        return State::kCr;
    case ',':
        Count(1);
        StartField();
        return State::kFieldStart;
    default:
        AppendRun(c, false);
        return State::kPlain;
    }
}

CsvReader::State CsvReader::StepQuoted(char c) {
    if (c == '"')
        return State::kQuoteInQuoted;
    lastWasLf_ = c == '\n';
    if (lastWasLf_) {
        ++line_;
        Append("\n");
    } else {
        AppendRun(c, true);
    }
    return State::kQuoted;
}

CsvReader::State CsvReader::StepQuoteInQuoted(char c) {
    if (c == '"') {
        lastWasLf_ = false;
        Append("\"");
        return State::kQuoted;
    }
    return StepPlain(c); // the field is closed; what follows is read as outside quotes
}

CsvReader::State CsvReader::StepCr(char c) {
    if (c == '\n') {
        ++line_;
        return State::kEnd;
    }
    record_->bareCr = true; // kept as data; an LF later makes it a stray CR, not a line end
    Append("\r");
    return StepPlain(c);
}

CsvReader::State CsvReader::Step(State state, char c) {
    switch (state) {
    case State::kFieldStart:
        return StepFieldStart(c);
    case State::kQuoted:
        return StepQuoted(c);
    case State::kQuoteInQuoted:
        return StepQuoteInQuoted(c);
    case State::kCr:
        return StepCr(c);
    case State::kMark:
    case State::kPlain:
    case State::kEnd:
        break;
    }
    return StepPlain(c);
}

// The input ended inside the record (no line end after it).
void CsvReader::EndOfInput(State state) {
    CsvRecord& r = *record_;
    if (state == State::kCr) {
        r.bareCr = true;
        Append("\r");
    }
    if (state == State::kQuoted) {
        r.unterminatedQuote = true;
        // A line end just before the end of the input starts no further line.
        r.linesInQuote = line_ - r.quoteLine - (lastWasLf_ ? 1 : 0);
    }
}

bool CsvReader::Next(CsvRecord& record) {
    if (start_ == State::kMark)
        SkipByteOrderMark();
    if (markData_.empty() && Peek() < 0)
        return false;

    Begin(record);
    State state = State::kFieldStart;
    if (!markData_.empty()) {
        Append(markData_);
        markData_.clear();
        state = State::kPlain;
    }
    while (state != State::kEnd) {
        const int c = Get();
        if (c < 0) {
            EndOfInput(state);
            return true;
        }
        state = Step(state, static_cast<char>(c));
    }
    record.bareCr = false; // the record ended at an LF: its CR was a stray byte, not the line end
    return true;
}

} // namespace lirem::report
