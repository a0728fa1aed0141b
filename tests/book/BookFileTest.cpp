// SPDX-License-Identifier: GPL-3.0-or-later
// What lies at the book's path when it is not a good book, who may read a new
// book, and what a locked book or a full disk does to a change.
#include "BookFiles.h"

#include "book/Paths.h"

#include <sqlite3.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <fstream>

namespace lirem::book::test {
namespace {

namespace fs = std::filesystem;

// A statement run on the file through SQLite directly, as another program would.
void Raw(const std::string& path, const std::string& sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_close(db);
}

void MakeBook(const std::string& path, int cards) {
    Book book = OpenOrFail(path);
    std::vector<Card> many(static_cast<std::size_t>(cards), Person("Иван", "Петрович", "Сидоров"));
    ASSERT_TRUE(book.Import(many));
}

// Overwrites the second half of the file with a pattern: pages of cards and names.
void Damage(const std::string& path) {
    const auto size = fs::file_size(path);
    std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
    file.seekp(static_cast<std::streamoff>(size / 2));
    const std::string junk(static_cast<std::size_t>(size / 4), '\x5a');
    file.write(junk.data(), static_cast<std::streamsize>(junk.size()));
}

struct BadPath {
    const char* name;
    void (*make)(const std::string& path);
    ErrorCode code;
    const char* messagePart;
};

const BadPath kBadPaths[] = {
    {"Folder", [](const std::string& p) { fs::create_directory(p); }, ErrorCode::NotAFile, "находится папка"},
    {"Fifo", [](const std::string& p) { ASSERT_EQ(mkfifo(p.c_str(), 0600), 0); }, ErrorCode::NotAFile,
     "не обычный файл"},
    {"TextFile", [](const std::string& p) { std::ofstream(p) << "date,first,middle,last\n29.11.1985,Иван,,\n"; },
     ErrorCode::NotABook, "не является картотекой"},
    {"OtherDatabase", [](const std::string& p) { Raw(p, "CREATE TABLE t (x); INSERT INTO t VALUES (1)"); },
     ErrorCode::NotABook, "не является картотекой"},
    {"DamagedBook",
     [](const std::string& p) {
         MakeBook(p, 3000);
         Damage(p);
     },
     ErrorCode::Damaged, "повреждена"},
};

class BookAtBadPath : public ::testing::TestWithParam<BadPath> {};

TEST_P(BookAtBadPath, IsRefusedAndLeftAsItIs) {
    TempFolder dir;
    const std::string path = dir.File("book.sqlite");
    GetParam().make(path);
    const bool regular = fs::is_regular_file(path);
    const std::string before = regular ? ReadBytes(path) : std::string();
    for (const OpenMode mode : {OpenMode::ReadWrite, OpenMode::ReadOnly}) {
        const auto book = Book::Open(path, {.mode = mode});
        ASSERT_FALSE(book);
        EXPECT_EQ(book.Err().code, GetParam().code);
        EXPECT_NE(book.Err().message.find(GetParam().messagePart), std::string::npos) << book.Err().message;
        EXPECT_NE(book.Err().message.find(path), std::string::npos) << book.Err().message;
    }
    if (regular) {
        EXPECT_EQ(ReadBytes(path), before);
    }
    if (GetParam().code == ErrorCode::NotABook) {
        EXPECT_FALSE(fs::exists(path + "-wal")); // another program's file gets no journal of ours
    }
    if (GetParam().code == ErrorCode::Damaged) {
        if (const auto shell = Shell(path, "PRAGMA integrity_check")) {
            EXPECT_NE(*shell, "ok");
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Paths, BookAtBadPath, ::testing::ValuesIn(kBadPaths),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(BookFile, NewerSchemaOpensReadOnlyAndStaysAsItIs) {
    TempFolder dir;
    const std::string path = dir.File("book.sqlite");
    MakeBook(path, 3);
    Raw(path, "PRAGMA user_version = 7");
    const std::string before = ReadBytes(path);

    Book book = OpenOrFail(path);
    EXPECT_TRUE(book.IsReadOnly());
    EXPECT_EQ(book.FileSchemaVersion(), 7);
    ASSERT_TRUE(book.Warning());
    EXPECT_EQ(book.Warning()->code, ErrorCode::ReadOnly);
    EXPECT_NE(book.Warning()->message.find("более новой версией программы (версия схемы 7)"), std::string::npos);
    EXPECT_EQ(book.List().Value().size(), 3U);
    const auto add = book.Add(Person("Анна", "", ""));
    ASSERT_FALSE(add);
    EXPECT_EQ(add.Err().message, book.Warning()->message);
    EXPECT_EQ(ReadBytes(path), before);
    if (const auto shell = Shell(path, "PRAGMA user_version")) {
        EXPECT_EQ(*shell, "7");
    }
}

TEST(BookFile, OlderAndNewBooksAreMigratedToTheCurrentSchema) {
    TempFolder dir;
    const std::string path = dir.File("book.sqlite");
    std::ofstream(path).close(); // an empty file is an empty database: version 0
    Book book = OpenOrFail(path);
    EXPECT_EQ(book.FileSchemaVersion(), kSchemaVersion);
    if (const auto shell = Shell(path, "PRAGMA user_version; PRAGMA journal_mode")) {
        EXPECT_EQ(*shell, std::to_string(kSchemaVersion) + "\nwal");
    }
}

class NewBook : public ::testing::TestWithParam<mode_t> {};

TEST_P(NewBook, IsPrivateWhateverTheUmask) {
    TempFolder dir;
    const std::string path = dir.File("data/lirem3/book.sqlite");
    const mode_t previous = umask(GetParam());
    auto book = Book::Open(path, {.createFolders = true});
    ASSERT_TRUE(book) << book.Err().message;
    ASSERT_TRUE(book.Value().Add(Person("Иван", "", "")));
    umask(previous);
    const auto mode = [](const std::string& p) {
        struct stat info {};
        EXPECT_EQ(stat(p.c_str(), &info), 0) << p;
        return info.st_mode & 07777;
    };
    EXPECT_EQ(mode(dir.File("data")), 0700U);
    EXPECT_EQ(mode(dir.File("data/lirem3")), 0700U);
    for (const char* suffix : {"", "-wal", "-shm"})
        EXPECT_EQ(mode(path + suffix), 0600U) << suffix;
}

INSTANTIATE_TEST_SUITE_P(Umasks, NewBook, ::testing::Values(mode_t{0}, mode_t{022}, mode_t{077}));

TEST(BookFile, DefaultPathFollowsXdgDataHome) {
    const char* saved = std::getenv("XDG_DATA_HOME");
    const std::string keep = saved != nullptr ? saved : "";
    setenv("XDG_DATA_HOME", "/data/home/", 1);
    EXPECT_EQ(DefaultBookPath(), "/data/home/lirem3/book.sqlite");
    setenv("XDG_DATA_HOME", "relative", 1); // ignored, as the XDG rules say
    const std::string home = std::getenv("HOME") != nullptr ? std::getenv("HOME") : "";
    if (!home.empty()) {
        EXPECT_EQ(DefaultBookPath(), home + "/.local/share/lirem3/book.sqlite");
    }
    if (saved != nullptr)
        setenv("XDG_DATA_HOME", keep.c_str(), 1);
    else
        unsetenv("XDG_DATA_HOME");
}

TEST(BookFile, ChangeWaitsForAnotherWriterThenGivesUp) {
    TempFolder dir;
    const std::string path = dir.File("book.sqlite");
    MakeBook(path, 1);
    Book book = OpenOrFail(path, {.busyTimeoutMs = 20});

    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    const auto locked = book.Add(Person("Анна", "", ""));
    ASSERT_FALSE(locked);
    EXPECT_EQ(locked.Err().code, ErrorCode::Locked);
    EXPECT_NE(locked.Err().message.find("занята другой программой"), std::string::npos);
    EXPECT_EQ(book.SetNotes(1, "x")->code, ErrorCode::Locked);
    EXPECT_EQ(book.List().Value().size(), 1U); // readers are not held up by a writer
    ASSERT_EQ(sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(other);
    EXPECT_TRUE(book.Add(Person("Анна", "", "")));
}

// A file size limit fails the import's writes as a full disk does.
TEST(BookFile, FullDiskLosesTheChangeButNotTheBook) {
    TempFolder dir;
    const std::string path = dir.File("book.sqlite");
    MakeBook(path, 10);
    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        auto book = Book::Open(path);
        if (!book)
            _exit(10);
        const rlimit limit{256 * 1024, 256 * 1024};
        setrlimit(RLIMIT_FSIZE, &limit);
        Card card = Person("Мария", "Ивановна", "Петрова");
        card.notes = std::string(200, 'x');
        const std::vector<Card> many(20000, card);
        const auto imported = book.Value().Import(many);
        _exit(imported ? 11 : imported.Err().code == ErrorCode::DiskFull ? 0 : 12);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    Book book = OpenOrFail(path);
    EXPECT_EQ(book.CheckIntegrity(), std::nullopt);
    EXPECT_EQ(book.Count().Value(), 10U);
}

} // namespace
} // namespace lirem::book::test
