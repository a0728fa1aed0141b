#include "report/CsvReader.h"

#include <string_view>

namespace lirem::report {

CsvReader::CsvReader(std::istream& in, std::size_t maxRecordBytes) : in_(in), maxRecordBytes_(maxRecordBytes) {}

bool CsvReader::Fill() {
    if (!in_)
        return false;
    in_.read(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    size_ = static_cast<std::size_t>(in_.gcount());
    pos_ = 0;
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
    for (;;) {
        const int c = Get();
        if (c < 0) {
            record.unterminatedQuote = quoted;
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
            if (c == '\n')
                ++line_;
            const char byte[1] = {static_cast<char>(c)};
            append(std::string_view(byte, 1));
            continue;
        }
        if (c == '\n') {
            ++line_;
            break;
        }
        if (c == '\r' && Peek() == '\n')
            continue; // CRLF ends the record at the LF
        if (c == ',') {
            count(1);
            if (!record.tooLong)
                startField();
            atFieldStart = true;
            continue;
        }
        if (c == '"' && atFieldStart) {
            quoted = true;
            atFieldStart = false;
            continue;
        }
        atFieldStart = false;
        appendPlainRun(static_cast<char>(c));
    }
    return true;
}

} // namespace lirem::report
