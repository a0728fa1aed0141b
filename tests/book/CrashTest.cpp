// SPDX-License-Identifier: GPL-3.0-or-later
// Real processes on a real book: one killed with SIGKILL in the middle of an
// import, two adding cards at the same time.
#include "BookFiles.h"

#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <set>

namespace lirem::book::test {
namespace {

constexpr std::size_t kImportRows = 100000;
constexpr std::size_t kCardsBefore = 25;

// Runs body in a child process; its exit status is body's result.
pid_t Child(const std::function<int()>& body) {
    const pid_t pid = fork();
    if (pid == 0)
        _exit(body());
    return pid;
}

int ExitStatus(pid_t pid) {
    int status = 0;
    if (waitpid(pid, &status, 0) != pid)
        return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

struct KillPoint {
    const char* name;
    std::size_t row; // the child reports after writing this row; 0: after the commit
    bool waits;      // the child stops there until it is killed; otherwise it goes on
};

class KilledImport : public ::testing::TestWithParam<KillPoint> {};

TEST_P(KilledImport, LeavesAGoodBookWithAllOrNoneOfIt) {
    TempFolder dir;
    const std::string path = dir.File("book.sqlite");
    {
        Book book = OpenOrFail(path);
        for (std::size_t i = 0; i < kCardsBefore; ++i)
            ASSERT_TRUE(book.Add(Person("Иван", "", "Сидоров")));
    }
    int reached[2];
    int never[2]; // nobody writes here: a read from it waits for the kill
    ASSERT_EQ(pipe(reached), 0);
    ASSERT_EQ(pipe(never), 0);
    const KillPoint point = GetParam();
    const pid_t child = Child([&] {
        auto book = Book::Open(path);
        if (!book)
            return 10;
        const std::vector<Card> cards(kImportRows, Person("Анна", "Сергеевна", "Петрова", {1, 2, 1990}));
        const auto imported = book.Value().Import(cards, [&](std::size_t done) {
            if (done != point.row)
                return;
            char byte = 1;
            if (write(reached[1], &byte, 1) != 1)
                _exit(12);
            if (point.waits)
                _exit(read(never[0], &byte, 1) == 0 ? 13 : 14);
        });
        if (!imported)
            return 11;
        if (point.row == 0) { // after the commit, before the book is closed (its WAL not yet folded in)
            char byte = 1;
            if (write(reached[1], &byte, 1) != 1)
                return 12;
            return read(never[0], &byte, 1) == 0 ? 13 : 14;
        }
        return 0;
    });
    ASSERT_GT(child, 0);
    char byte = 0;
    ASSERT_EQ(read(reached[0], &byte, 1), 1);
    kill(child, SIGKILL);
    const int status = ExitStatus(child);
    for (const int fd : {reached[0], reached[1], never[0], never[1]})
        close(fd);
    // A racing kill may come after the commit: then the child exited normally.
    EXPECT_TRUE(status == 128 + SIGKILL || (!point.waits && status == 0)) << status;

    if (point.row == 0) {
        EXPECT_GT(std::filesystem::file_size(path + "-wal"), 0U); // the import lives in the WAL only
    }
    Book book = OpenOrFail(path);
    EXPECT_EQ(book.CheckIntegrity(), std::nullopt);
    const std::size_t count = book.Count().Value();
    if (point.row == 0) {
        EXPECT_EQ(count, kCardsBefore + kImportRows);
    } else if (point.waits) {
        EXPECT_EQ(count, kCardsBefore);
    } else {
        EXPECT_TRUE(count == kCardsBefore || count == kCardsBefore + kImportRows) << count;
    }
    if (const auto shell = Shell(path, "PRAGMA integrity_check; SELECT count(*) FROM card; "
                                       "SELECT count(*) FROM name_variant")) {
        EXPECT_EQ(*shell, "ok\n" + std::to_string(count) + "\n" + std::to_string(count));
    }
    std::printf("[ killed  ] %s: the book has %zu cards (%zu before the import)\n", point.name, count, kCardsBefore);
}

INSTANTIATE_TEST_SUITE_P(Rows, KilledImport,
                         ::testing::Values(KillPoint{"FirstRow", 1, true}, KillPoint{"HalfWay", kImportRows / 2, true},
                                           KillPoint{"LastRowBeforeCommit", kImportRows, true},
                                           KillPoint{"RacingTheCommit", kImportRows, false},
                                           KillPoint{"RacingHalfWay", kImportRows / 2, false},
                                           KillPoint{"AfterCommit", 0, true}),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(TwoWriters, LoseNoCard) {
    TempFolder dir;
    const std::string path = dir.File("book.sqlite"); // neither finds a book: both may create it
    constexpr int kEach = 1000;
    int start[2];
    ASSERT_EQ(pipe(start), 0);
    std::vector<pid_t> children;
    for (const char* writer : {"A", "B"}) {
        children.push_back(Child([&, writer] {
            close(start[1]);
            char byte = 0;
            if (read(start[0], &byte, 1) != 0) // returns when the parent closes its end
                return 12;
            auto book = Book::Open(path, {.busyTimeoutMs = 60000});
            if (!book) {
                std::fprintf(stderr, "%s\n", book.Err().message.c_str());
                return 10;
            }
            for (int i = 0; i < kEach; ++i) {
                if (!book.Value().Add(Person(writer, "", std::to_string(i))))
                    return 11;
            }
            return 0;
        }));
    }
    close(start[0]);
    close(start[1]); // both start at once
    for (const pid_t child : children)
        EXPECT_EQ(ExitStatus(child), 0);

    Book book = OpenOrFail(path);
    const auto cards = book.List().Value();
    std::set<std::string> names;
    for (const Card& card : cards)
        names.insert(card.names.front().first + card.names.front().last);
    EXPECT_EQ(cards.size(), 2U * kEach);
    EXPECT_EQ(names.size(), 2U * kEach);
    if (const auto shell =
            Shell(path, "PRAGMA integrity_check; SELECT count(DISTINCT first || last) FROM name_variant")) {
        EXPECT_EQ(*shell, "ok\n" + std::to_string(2 * kEach));
    }
}

} // namespace
} // namespace lirem::book::test
