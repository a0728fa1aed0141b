// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/CsvReader.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace lirem::report {
namespace {

struct Row {
    std::int64_t line;
    std::vector<std::string> fields;
    bool tooLong = false;
    bool unterminated = false;
    bool bareCr = false;
    friend bool operator==(const Row&, const Row&) = default;
};

std::ostream& operator<<(std::ostream& os, const Row& r) {
    os << "line " << r.line << (r.tooLong ? " too long" : "") << (r.unterminated ? " unterminated" : "")
       << (r.bareCr ? " bare CR" : "") << ":";
    for (const auto& f : r.fields)
        os << " [" << f << "]";
    return os;
}

// Hands out at most `chunk` bytes per read, as a pipe does when its writer
// pauses between writes.
class ChunkedSource : public std::streambuf {
public:
    ChunkedSource(std::string text, std::size_t chunk) : text_(std::move(text)), chunk_(chunk) {}

protected:
    int_type underflow() override {
        if (at_ == text_.size())
            return traits_type::eof();
        const std::size_t n = std::min(chunk_, text_.size() - at_);
        char* const begin = text_.data() + at_;
        setg(begin, begin, begin + n);
        at_ += n;
        return traits_type::to_int_type(*begin);
    }

private:
    std::string text_;
    std::size_t chunk_;
    std::size_t at_ = 0;
};

// chunk 0: the whole text is ready at once.
std::vector<Row> ReadAll(const std::string& text, std::size_t limit = CsvReader::kDefaultMaxRecordBytes,
                         std::size_t chunk = 0) {
    std::istringstream whole(text);
    ChunkedSource chunked(text, chunk);
    std::istream pieces(&chunked);
    CsvReader reader(chunk == 0 ? static_cast<std::istream&>(whole) : pieces, limit);
    CsvRecord record;
    std::vector<Row> rows;
    while (reader.Next(record))
        rows.push_back({record.line,
                        {record.fields.begin(), record.fields.begin() + static_cast<long>(record.fieldCount)},
                        record.tooLong,
                        record.unterminatedQuote,
                        record.bareCr});
    return rows;
}

struct Case {
    const char* name;
    std::string text;
    std::vector<Row> expected;
};

TEST(CsvReader, Records) {
    const Case cases[] = {
        {"empty input", "", {}},
        {"one row without newline", "a,b", {{1, {"a", "b"}}}},
        {"newline ends the row", "a,b\nc,d\n", {{1, {"a", "b"}}, {2, {"c", "d"}}}},
        {"CRLF", "a,b\r\nc\r\n", {{1, {"a", "b"}}, {2, {"c"}}}},
        {"lone CR is data", "a\rb\n", {{1, {"a\rb"}}}},
        {"empty fields", ",,\n", {{1, {"", "", ""}}}},
        {"blank line is one empty field", "a\n\nb\n", {{1, {"a"}}, {2, {""}}, {3, {"b"}}}},
        {"quoted comma and quote", "\"a,b\",\"say \"\"hi\"\"\"\n", {{1, {"a,b", "say \"hi\""}}}},
        {"quoted newline keeps the start line", "\"a\nb\",c\nd\n", {{1, {"a\nb", "c"}}, {3, {"d"}}}},
        {"quote inside a plain field is data", "a\"b,c\n", {{1, {"a\"b", "c"}}}},
        {"byte-order mark skipped",
         "\xEF\xBB\xBF"
         "date,x\n",
         {{1, {"date", "x"}}}},
        {"UTF-8 kept as bytes", "Иван,Анна\n", {{1, {"Иван", "Анна"}}}},
        {"unterminated quote", "a,\"bc\nd", {{1, {"a", "bc\nd"}, false, true}}},
        {"only a mark", "\xEF\xBB\xBF", {}},
        {"a partial mark is data", "\xEF\xBBx,y\n", {{1, {"\xEF\xBBx", "y"}}}},
        {"a lone first byte of a mark is data", "\xEF", {{1, {"\xEF"}}}},
        {"a quote after the mark opens a quoted field", "\xEF\xBB\xBF\"a,b\"\n", {{1, {"a,b"}}}},
        {"stray CR in a line that LF ends", "a\"b\rc\",d\n", {{1, {"a\"b\rc\"", "d"}}}},
        {"CR in a quoted field", "\"a\rb\",c\n", {{1, {"a\rb", "c"}}}},
        {"CR alone ends no line", "a\rb\r", {{1, {"a\rb\r"}, false, false, true}}},
    };
    // Whatever the pieces the input arrives in, a byte-order mark split among them too.
    for (const std::size_t chunk : {0U, 1U, 2U, 3U})
        for (const auto& c : cases)
            EXPECT_EQ(ReadAll(c.text, CsvReader::kDefaultMaxRecordBytes, chunk), c.expected)
                << c.name << ", read in pieces of " << chunk;
}

// Where an unclosed quote opened and how many lines it took after that one,
// whatever came before it in the record.
TEST(CsvReader, UnclosedQuoteSaysWhereItOpened) {
    const struct {
        const char* text;
        std::int64_t quoteLine;
        std::int64_t linesInQuote;
    } cases[] = {
        {"\"a", 1, 0},           {"\"a\nb", 1, 1},     {"\"a\n", 1, 0},
        {"x\n\"a\nb\nc", 2, 2},  {"\"a\n\",\"", 2, 0}, // a closed field ending in a line end, then a quote at the end
        {"\"a\n\",\"b\n", 2, 0},                       // the same with a text and a line end in the new quote
    };
    for (const auto& c : cases) {
        std::istringstream in(c.text);
        CsvReader reader(in, CsvReader::kDefaultMaxRecordBytes);
        CsvRecord record;
        while (reader.Next(record) && !record.unterminatedQuote) {
        }
        EXPECT_TRUE(record.unterminatedQuote) << c.text;
        EXPECT_EQ(record.quoteLine, c.quoteLine) << c.text;
        EXPECT_EQ(record.linesInQuote, c.linesInQuote) << c.text;
    }
}

TEST(CsvReader, LongRecordIsSkippedAndReadingGoesOn) {
    const std::string longField(100, 'x');
    const auto rows = ReadAll("a,b\n" + longField + "," + longField + "\nc,d\n", 64);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0], (Row{1, {"a", "b"}}));
    EXPECT_TRUE(rows[1].tooLong);
    EXPECT_TRUE(rows[1].fields.empty());
    EXPECT_EQ(rows[1].line, 2);
    EXPECT_EQ(rows[2], (Row{3, {"c", "d"}}));
}

TEST(CsvReader, SeparatorsCountAgainstTheLimit) {
    // A row of nothing but commas must not grow without bound.
    const auto rows = ReadAll(std::string(1000, ',') + "\nz\n", 64);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_TRUE(rows[0].tooLong);
    EXPECT_EQ(rows[1], (Row{2, {"z"}}));
}

TEST(CsvReader, RowsAcrossBufferBoundaries) {
    // More than one 64 KiB read: every row must come out whole.
    std::string text;
    for (int i = 0; i < 20000; ++i)
        text += std::to_string(i) + ",\"q,\"\"" + std::to_string(i) + "\",Имя\n";
    const auto rows = ReadAll(text);
    ASSERT_EQ(rows.size(), 20000u);
    for (int i = 0; i < 20000; i += 997) {
        const auto& row = rows[static_cast<std::size_t>(i)];
        EXPECT_EQ(row, (Row{i + 1, {std::to_string(i), "q,\"" + std::to_string(i), "Имя"}}));
    }
}

} // namespace
} // namespace lirem::report
