// SPDX-License-Identifier: GPL-3.0-or-later
// lirem-report book ...: cards in and out of a real book file, the export
// read by the batch, the import reporting bad rows as the batch does.
#include "RunTool.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <stdlib.h>

namespace lirem::report::test {
namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

class BookCommand : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "lirem-bookcmd-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        book_ = (dir_ / "book.sqlite").string();
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    ToolRun Book(std::vector<std::string> args, const std::string& input = {}) {
        args.insert(args.begin(), {"book", "--book", book_});
        return RunTool(std::move(args), input);
    }

    std::filesystem::path dir_;
    std::string book_;
};

TEST_F(BookCommand, AddListShowRemove) {
    const ToolRun first = Book({"add", "--date", "29.11.1985", "--first", "Иван", "--middle", "Петрович", "--last",
                                "Сидоров", "--note", "строка 1\nстрока 2"});
    ASSERT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(first.out, "1\n");
    const ToolRun second = Book({"add", "--day", "5", "--month", "9", "--year", "1970", "--first", "Мария", "--last",
                                 "Петрова", "--label", "в браке", "--partner-first", "Алексей", "--text", "+7 495"});
    ASSERT_EQ(second.status, 0) << second.err;
    EXPECT_EQ(second.out, "2\n");

    EXPECT_EQ(Book({"list"}).out, "2\t5.9.1970\tПетрова Мария\n1\t29.11.1985\tСидоров Иван Петрович\n");
    EXPECT_EQ(Book({"list", "--search", "сидоров"}).out, "1\t29.11.1985\tСидоров Иван Петрович\n");
    const ToolRun json = Book({"list", "--json", "--search", "1970"});
    EXPECT_THAT(json.out, StartsWith(R"({"id":2,"birth_date":{"day":5,"month":9,"year":1970},"names":[{"first":)"
                                     R"("Мария","middle":"","last":"Петрова","label":"в браке"}],"partner":)"
                                     R"({"birth_date":{"day":1,"month":1,"year":1970},"first":"Алексей")"));
    EXPECT_THAT(json.out, HasSubstr(R"("text":"+7 495","notes":"")"));

    const ToolRun shown = Book({"show", "1"});
    EXPECT_EQ(shown.status, 0);
    EXPECT_THAT(shown.out, StartsWith("Карточка № 1\nДата рождения: 29.11.1985\nИмя: Сидоров Иван Петрович\n"));
    EXPECT_THAT(shown.out, HasSubstr("Заметки:\nстрока 1\nстрока 2\n"));

    EXPECT_EQ(Book({"remove", "1"}).status, 0);
    for (const auto& args : {std::vector<std::string>{"show", "1"}, {"remove", "1"}}) {
        const ToolRun gone = Book(args);
        EXPECT_EQ(gone.status, 1);
        EXPECT_EQ(gone.err, "lirem-report: В картотеке нет карточки № 1.\n");
    }
    EXPECT_EQ(Book({"list"}).out, "2\t5.9.1970\tПетрова Мария\n");
}

TEST_F(BookCommand, RefusesBadArgumentsAndCardsTheEngineRejects) {
    const struct {
        std::vector<std::string> args;
        int status;
        const char* err;
    } cases[] = {
        {{}, 2, "A subcommand is required"},
        {{"add", "--date", "29.11"}, 2, "--date: '29.11' is not a date"},
        {{"add", "--date", "1.1.1970", "--day", "2"}, 2, "excludes"},
        {{"show", "x"}, 2, "'x' is not a card number"},
        {{"show"}, 2, "N is required"},
        {{"import"}, 2, "CSV is required"},
        {{"import", "/nonexistent.csv"}, 2, "cannot open '/nonexistent.csv'"},
        {{"add", "--day", "-1"}, 1, "'-' is not a valid integer value."},
        {{"remove", "3"}, 1, "В картотеке нет карточки № 3."},
        {{"show", "3"}, 1, "В картотеке нет карточки № 3."},
    };
    for (const auto& c : cases) {
        const ToolRun run = Book(c.args);
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_THAT(run.err, HasSubstr(c.err));
        EXPECT_EQ(run.out, "");
    }
    EXPECT_FALSE(std::filesystem::exists(book_)); // nothing was written
    EXPECT_EQ(Book({"list"}).status, 0);          // a book not yet made is empty
    EXPECT_FALSE(std::filesystem::exists(book_));
}

TEST_F(BookCommand, BookThatCannotBeUsedIsReportedInRussian) {
    std::filesystem::create_directory(book_);
    for (const auto& args : {std::vector<std::string>{"list"}, {"add"}, {"export"}}) {
        const ToolRun run = Book(args);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err, "lirem-report: На месте картотеки «" + book_ + "» находится папка; картотека не открыта.\n");
    }
}

TEST_F(BookCommand, ExportIsWhatTheBatchReadsAndImportTakesBack) {
    ASSERT_EQ(Book({"add", "--date", "29.11.1985", "--first", "Иван", "--last", "Сидоров, \"младший\""}).status, 0);
    ASSERT_EQ(Book({"add", "--date", "5.9.1970", "--first", "Мария", "--partner-date", "1.1.1968", "--partner-last",
                    "Петров"})
                  .status,
              0);
    const ToolRun exported = Book({"export"});
    ASSERT_EQ(exported.status, 0);
    EXPECT_EQ(exported.out, "date,first,middle,last,partner_date,partner_first,partner_middle,partner_last\r\n"
                            "5.9.1970,Мария,,,1.1.1968,,,Петров\r\n"
                            "29.11.1985,Иван,,\"Сидоров, \"\"младший\"\"\"\r\n");

    const ToolRun batch = RunTool({"--batch", "-"}, exported.out);
    EXPECT_EQ(batch.status, 0) << batch.out;
    EXPECT_THAT(batch.out, HasSubstr(R"("last":"Сидоров, \"младший\"")"));

    std::filesystem::remove(book_);
    const ToolRun imported = Book({"import", "-"}, exported.out);
    EXPECT_EQ(imported.status, 0) << imported.err;
    EXPECT_EQ(imported.out, "");
    EXPECT_EQ(Book({"export"}).out, exported.out);
}

TEST_F(BookCommand, ImportAddsTheGoodRowsAndReportsTheBadOnesAsTheBatchDoes) {
    const std::string csv = "date,first,middle,last\n"
                            "29.11.1985,Иван,,Сидоров\n"
                            "1.2,Олег,,\n"        // no date
                            "1.1.1970,Три,поля\n" // three fields
                            "\n"                  // blank: skipped
                            "5.9.1970,Мария,,Петрова,x,,,\n"
                            "-1.1.1970,Минус,,\n" // the engine's error
                            "2.2.2002,Пётр,,,2.2.2000,Ольга,,\n";
    const ToolRun run = Book({"import", "-"}, csv);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "lirem-report: 4 of 6 rows could not be imported; the other 2 were added\n");
    const ToolRun batch = RunTool({"--batch", "-"}, csv);
    std::string batchErrors;
    std::istringstream lines(batch.out);
    for (std::string line; std::getline(lines, line);)
        if (line.find("\"error\"") != std::string::npos)
            batchErrors += line + "\n";
    EXPECT_EQ(run.out, batchErrors);
    EXPECT_EQ(Book({"list"}).out, "2\t2.2.2002\tПётр\n1\t29.11.1985\tСидоров Иван\n");
}

} // namespace
} // namespace lirem::report::test
