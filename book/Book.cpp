// SPDX-License-Identifier: GPL-3.0-or-later
#include "book/Book.h"

#include "book/Fold.h"
#include "book/Messages.h"
#include "book/Paths.h"
#include "book/Sqlite.h"

#include <algorithm>
#include <ctime>
#include <numeric>

namespace lirem::book {
namespace {

using sqlite::Statement;

// Marks the file as a Lirem book ("LRB3"), so another program's database is
// told apart from an empty one.
constexpr std::int64_t kApplicationId = 0x4C524233;

// Version 1: cards and their name variants. A card has a partner when
// partner_day is not NULL; free_text NULL means no free text.
constexpr const char* kSchema1 = R"(
CREATE TABLE card (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    day INTEGER NOT NULL,
    month INTEGER NOT NULL,
    year INTEGER NOT NULL,
    partner_day INTEGER,
    partner_month INTEGER,
    partner_year INTEGER,
    partner_first TEXT,
    partner_middle TEXT,
    partner_last TEXT,
    free_text TEXT,
    notes TEXT NOT NULL DEFAULT '',
    created INTEGER NOT NULL,
    changed INTEGER NOT NULL
);
CREATE TABLE name_variant (
    card INTEGER NOT NULL REFERENCES card(id) ON DELETE CASCADE,
    position INTEGER NOT NULL,
    first TEXT NOT NULL,
    middle TEXT NOT NULL,
    last TEXT NOT NULL,
    label TEXT NOT NULL DEFAULT '',
    PRIMARY KEY (card, position)
) WITHOUT ROWID;
)";

// The steps from each version to the next: kMigrations[v] takes a book of
// version v to v + 1. Each step runs in the transaction that also sets the
// new user_version, so a book is always at one version or the next.
constexpr const char* kMigrations[] = {kSchema1};
static_assert(std::size(kMigrations) == kSchemaVersion);

constexpr const char* kCardColumns = "id, day, month, year, partner_day, partner_month, partner_year, partner_first, "
                                     "partner_middle, partner_last, free_text, notes, created, changed";

std::int64_t Now() {
    return static_cast<std::int64_t>(std::time(nullptr));
}

// Undoes an open transaction unless it was committed.
class Transaction {
public:
    explicit Transaction(sqlite3* db) : db_(db) {}
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    ~Transaction() {
        if (sqlite3_get_autocommit(db_) == 0)
            static_cast<void>(sqlite::Exec(db_, "ROLLBACK"));
    }
    // IMMEDIATE takes the write lock at once, so waiting for another writer
    // goes through the busy timeout instead of failing on the first write.
    [[nodiscard]] int BeginWrite() { return sqlite::Exec(db_, "BEGIN IMMEDIATE"); }
    [[nodiscard]] int BeginRead() { return sqlite::Exec(db_, "BEGIN"); }
    [[nodiscard]] int Commit() { return sqlite::Exec(db_, "COMMIT"); }

private:
    sqlite3* db_;
};

Card ReadCardRow(const Statement& row) {
    Card card;
    card.id = row.Int(0);
    card.birth = {row.Int32(1), row.Int32(2), row.Int32(3)};
    if (!row.IsNull(4)) {
        Partner& partner = card.partner.emplace();
        partner.date = {row.Int32(4), row.Int32(5), row.Int32(6)};
        partner.first = row.Text(7);
        partner.middle = row.Text(8);
        partner.last = row.Text(9);
    }
    if (!row.IsNull(10))
        card.text = row.Text(10);
    card.notes = row.Text(11);
    card.created = row.Int(12);
    card.changed = row.Int(13);
    return card;
}

// Binds the card's own columns as ?1..?11 (without notes and times).
void BindCardFields(Statement& s, const Card& card) {
    s.Bind(1, std::int64_t{card.birth.day});
    s.Bind(2, std::int64_t{card.birth.month});
    s.Bind(3, std::int64_t{card.birth.year});
    if (card.partner) {
        s.Bind(4, std::int64_t{card.partner->date.day});
        s.Bind(5, std::int64_t{card.partner->date.month});
        s.Bind(6, std::int64_t{card.partner->date.year});
        s.Bind(7, card.partner->first);
        s.Bind(8, card.partner->middle);
        s.Bind(9, card.partner->last);
    } else {
        for (int i = 4; i <= 9; ++i)
            s.BindNull(i);
    }
    if (card.text)
        s.Bind(10, *card.text);
    else
        s.BindNull(10);
    s.Bind(11, card.notes);
}

std::string SortKey(const NameVariant& name) {
    std::string key = FoldForSearch(name.last);
    key += '\x01';
    key += FoldForSearch(name.first);
    key += '\x01';
    key += FoldForSearch(name.middle);
    return key;
}

} // namespace

struct Book::State {
    std::string path;
    OpenOptions options;
    sqlite::Connection db;
    bool readOnly = false;
    bool empty = false; // opened for reading before anything was ever written
    Status warning;
    std::int64_t fileVersion = 0;

    Error Fail(int rc) const { return sqlite::ToError(db.get(), rc, path, options.busyTimeoutMs); }

    Status Connect(bool forReading) {
        db.reset();
        sqlite3* handle = nullptr;
        const int flags = (forReading ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) | SQLITE_OPEN_EXRESCODE;
        const int rc = sqlite3_open_v2(path.c_str(), &handle, flags, nullptr);
        db.reset(handle);
        if (rc != SQLITE_OK)
            return Fail(rc);
        readOnly = forReading;
        sqlite3_busy_timeout(db.get(), options.busyTimeoutMs);
        return std::nullopt;
    }

    Result<std::int64_t> QueryInt(const char* sql) const {
        Statement s(db.get(), sql);
        const int rc = s.Step();
        if (rc != SQLITE_ROW)
            return Fail(rc);
        return s.Int(0);
    }

    // What kind of file this is: a book (its version), a fresh database, or something else.
    // The three values are read in one transaction: another program may be
    // creating the book meanwhile.
    Result<std::int64_t> Identify() const {
        if (sqlite3_get_autocommit(db.get()) != 0) {
            Transaction tx(db.get());
            if (const int rc = tx.BeginRead(); rc != SQLITE_OK)
                return Fail(rc);
            auto version = Identify();
            if (const int rc = tx.Commit(); version && rc != SQLITE_OK)
                return Fail(rc);
            return version;
        }
        const auto appId = QueryInt("PRAGMA application_id");
        if (!appId)
            return appId.Err();
        const auto version = QueryInt("PRAGMA user_version");
        if (!version)
            return version.Err();
        const auto objects = QueryInt("SELECT count(*) FROM sqlite_schema");
        if (!objects)
            return objects.Err();
        const bool fresh = appId.Value() == 0 && version.Value() == 0 && objects.Value() == 0;
        if (appId.Value() != kApplicationId && !fresh)
            return Error{ErrorCode::NotABook, messages::NotABook(path)};
        return version.Value();
    }

    Status Check(const char* pragma) const {
        Statement s(db.get(), pragma);
        int rc = s.Step();
        if (rc != SQLITE_ROW)
            return Fail(rc);
        const bool ok = s.Text(0) == "ok";
        if (!ok)
            return Error{ErrorCode::Damaged, messages::Damaged(path)};
        while ((rc = s.Step()) == SQLITE_ROW) {
        }
        if (rc != SQLITE_DONE)
            return Fail(rc);
        return std::nullopt;
    }

    // Brings the book to kSchemaVersion, one version per transaction. The
    // version is read again under the write lock: another program may have
    // created or migrated the book since it was opened.
    Status Migrate() {
        for (;;) {
            Transaction tx(db.get());
            if (const int rc = tx.BeginWrite(); rc != SQLITE_OK)
                return Fail(rc);
            const auto version = Identify();
            if (!version)
                return version.Err();
            fileVersion = version.Value();
            if (fileVersion >= kSchemaVersion)
                return std::nullopt;
            const auto step = static_cast<std::size_t>(fileVersion);
            if (const int rc = sqlite::Exec(db.get(), kMigrations[step]); rc != SQLITE_OK)
                return Fail(rc);
            const std::string stamp = "PRAGMA application_id = " + std::to_string(kApplicationId) +
                                      "; PRAGMA user_version = " + std::to_string(fileVersion + 1);
            if (const int rc = sqlite::Exec(db.get(), stamp.c_str()); rc != SQLITE_OK)
                return Fail(rc);
            if (const int rc = tx.Commit(); rc != SQLITE_OK)
                return Fail(rc);
        }
    }

    // Switching a new book to WAL needs the file to itself. When another
    // program is creating the same book, SQLite answers "busy" at once
    // instead of waiting (two readers wanting to write would wait for each
    // other), so the switch is tried again for up to the busy timeout. A book
    // already in WAL mode needs no lock for this.
    Status UseWal() const {
        constexpr int kPauseMs = 5;
        for (int waited = 0;; waited += kPauseMs) {
            const int rc = sqlite::Exec(db.get(), "PRAGMA journal_mode = WAL");
            if (rc == SQLITE_OK)
                return std::nullopt;
            if ((rc & 0xff) != SQLITE_BUSY || waited >= options.busyTimeoutMs)
                return Fail(rc);
            sqlite3_sleep(kPauseMs);
        }
    }

    Status Setup(bool forReading) {
        if (auto error = Connect(forReading))
            return error;
        if (!forReading && sqlite3_db_readonly(db.get(), "main") == 1) {
            // SQLite fell back to reading (a read-only file or disk): say so and go on reading.
            readOnly = true;
            forReading = true;
            warning = Error{ErrorCode::ReadOnly, messages::ReadOnlyFile(path)};
        }
        const auto version = Identify();
        if (!version)
            return version.Err();
        fileVersion = version.Value();
        if (auto error = Check("PRAGMA quick_check"))
            return error;
        if (sqlite::Exec(db.get(), "PRAGMA foreign_keys = ON") != SQLITE_OK)
            return Fail(sqlite3_errcode(db.get()));
        if (fileVersion > kSchemaVersion) {
            // Written by a newer program: read what we can, never write.
            Error why{ErrorCode::ReadOnly, messages::NewerSchema(path, fileVersion)};
            if (!forReading) {
                if (auto error = Connect(true))
                    return error;
            }
            warning = std::move(why);
            return std::nullopt;
        }
        if (forReading) {
            empty = fileVersion == 0;
            return std::nullopt;
        }
        if (auto error = UseWal())
            return error;
        if (const int rc = sqlite::Exec(db.get(), "PRAGMA synchronous = FULL"); rc != SQLITE_OK)
            return Fail(rc);
        return Migrate();
    }

    Status Writable() const {
        if (!readOnly)
            return std::nullopt;
        if (warning)
            return warning;
        return Error{ErrorCode::ReadOnly, messages::ReadOnlyFile(path)};
    }

    Status InsertNames(CardId id, const std::vector<NameVariant>& names, Statement& insert) const {
        std::int64_t position = 0;
        for (const NameVariant& name : names) {
            insert.Reset();
            insert.Bind(1, id);
            insert.Bind(2, position++);
            insert.Bind(3, name.first);
            insert.Bind(4, name.middle);
            insert.Bind(5, name.last);
            insert.Bind(6, name.label);
            if (const int rc = insert.Step(); rc != SQLITE_DONE)
                return Fail(rc);
        }
        return std::nullopt;
    }

    Result<CardId> InsertCard(const Card& card, Statement& insertCard, Statement& insertName, std::int64_t now) const {
        if (card.names.empty())
            return Error{ErrorCode::InvalidCard, messages::NoName()};
        insertCard.Reset();
        BindCardFields(insertCard, card);
        insertCard.Bind(12, now);
        if (const int rc = insertCard.Step(); rc != SQLITE_DONE)
            return Fail(rc);
        const CardId id = sqlite3_last_insert_rowid(db.get());
        if (auto error = InsertNames(id, card.names, insertName))
            return *error;
        return id;
    }

    Statement CardInsert() const {
        return Statement(db.get(), "INSERT INTO card (day, month, year, partner_day, partner_month, partner_year, "
                                   "partner_first, partner_middle, partner_last, free_text, notes, created, changed) "
                                   "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?12)");
    }
    Statement NameInsert() const {
        return Statement(
            db.get(),
            "INSERT INTO name_variant (card, position, first, middle, last, label) VALUES (?, ?, ?, ?, ?, ?)");
    }

    // Runs a statement that changes one card; NoSuchCard when it changed none.
    Status ChangeOne(Statement& s, CardId id) const {
        if (const int rc = s.Step(); rc != SQLITE_DONE)
            return Fail(rc);
        if (sqlite3_changes(db.get()) == 0)
            return Error{ErrorCode::NoSuchCard, messages::NoSuchCard(id)};
        return std::nullopt;
    }
};

Book::Book(std::unique_ptr<State> state) : state_(std::move(state)) {}
Book::Book(Book&&) noexcept = default;
Book& Book::operator=(Book&&) noexcept = default;
Book::~Book() = default;

Result<Book> Book::Open(const std::string& path, const OpenOptions& options) {
    const bool forReading = options.mode == OpenMode::ReadOnly;
    switch (KindOf(path)) {
    case PathKind::Folder:
        return Error{ErrorCode::NotAFile, messages::Folder(path)};
    case PathKind::Other:
        return Error{ErrorCode::NotAFile, messages::NotARegularFile(path)};
    case PathKind::Missing:
        if (forReading)
            return Error{ErrorCode::Missing, messages::Missing(path)};
        if (options.createFolders) {
            if (auto error = CreateFolders(path))
                return *error;
        }
        if (auto error = CreatePrivateFile(path))
            return *error;
        break;
    case PathKind::RegularFile:
        break;
    }
    auto state = std::make_unique<State>();
    state->path = path;
    state->options = options;
    if (auto error = state->Setup(forReading))
        return *error;
    return Book(std::move(state));
}

const std::string& Book::Path() const {
    return state_->path;
}
bool Book::IsReadOnly() const {
    return state_->readOnly;
}
const Status& Book::Warning() const {
    return state_->warning;
}
std::int64_t Book::FileSchemaVersion() const {
    return state_->fileVersion;
}

Result<CardId> Book::Add(const Card& card) {
    if (auto error = state_->Writable())
        return *error;
    Transaction tx(state_->db.get());
    if (const int rc = tx.BeginWrite(); rc != SQLITE_OK)
        return state_->Fail(rc);
    Statement insertCard = state_->CardInsert();
    Statement insertName = state_->NameInsert();
    auto id = state_->InsertCard(card, insertCard, insertName, Now());
    if (!id)
        return id;
    if (const int rc = tx.Commit(); rc != SQLITE_OK)
        return state_->Fail(rc);
    return id;
}

Result<std::size_t> Book::Import(std::span<const Card> cards, const Progress& progress) {
    if (auto error = state_->Writable())
        return *error;
    Transaction tx(state_->db.get());
    if (const int rc = tx.BeginWrite(); rc != SQLITE_OK)
        return state_->Fail(rc);
    Statement insertCard = state_->CardInsert();
    Statement insertName = state_->NameInsert();
    const std::int64_t now = Now();
    std::size_t done = 0;
    for (const Card& card : cards) {
        if (const auto id = state_->InsertCard(card, insertCard, insertName, now); !id)
            return id.Err();
        ++done;
        if (progress)
            progress(done);
    }
    if (const int rc = tx.Commit(); rc != SQLITE_OK)
        return state_->Fail(rc);
    return done;
}

Status Book::Update(const Card& card) {
    if (auto error = state_->Writable())
        return error;
    if (card.names.empty())
        return Error{ErrorCode::InvalidCard, messages::NoName()};
    Transaction tx(state_->db.get());
    if (const int rc = tx.BeginWrite(); rc != SQLITE_OK)
        return state_->Fail(rc);
    Statement update(state_->db.get(),
                     "UPDATE card SET day = ?1, month = ?2, year = ?3, partner_day = ?4, partner_month = ?5, "
                     "partner_year = ?6, partner_first = ?7, partner_middle = ?8, partner_last = ?9, free_text = ?10, "
                     "notes = ?11, changed = ?12 WHERE id = ?13");
    BindCardFields(update, card);
    update.Bind(12, Now());
    update.Bind(13, card.id);
    if (auto error = state_->ChangeOne(update, card.id))
        return error;
    Statement drop(state_->db.get(), "DELETE FROM name_variant WHERE card = ?");
    drop.Bind(1, card.id);
    if (const int rc = drop.Step(); rc != SQLITE_DONE)
        return state_->Fail(rc);
    Statement insertName = state_->NameInsert();
    if (auto error = state_->InsertNames(card.id, card.names, insertName))
        return error;
    if (const int rc = tx.Commit(); rc != SQLITE_OK)
        return state_->Fail(rc);
    return std::nullopt;
}

Status Book::Remove(CardId id) {
    if (auto error = state_->Writable())
        return error;
    Transaction tx(state_->db.get());
    if (const int rc = tx.BeginWrite(); rc != SQLITE_OK)
        return state_->Fail(rc);
    Statement remove(state_->db.get(), "DELETE FROM card WHERE id = ?"); // the names follow (ON DELETE CASCADE)
    remove.Bind(1, id);
    if (auto error = state_->ChangeOne(remove, id))
        return error;
    if (const int rc = tx.Commit(); rc != SQLITE_OK)
        return state_->Fail(rc);
    return std::nullopt;
}

Status Book::SetNotes(CardId id, std::string_view notes) {
    if (auto error = state_->Writable())
        return error;
    Transaction tx(state_->db.get());
    if (const int rc = tx.BeginWrite(); rc != SQLITE_OK)
        return state_->Fail(rc);
    Statement update(state_->db.get(), "UPDATE card SET notes = ?, changed = ? WHERE id = ?");
    update.Bind(1, notes);
    update.Bind(2, Now());
    update.Bind(3, id);
    if (auto error = state_->ChangeOne(update, id))
        return error;
    if (const int rc = tx.Commit(); rc != SQLITE_OK)
        return state_->Fail(rc);
    return std::nullopt;
}

Result<Card> Book::Get(CardId id) const {
    if (state_->empty)
        return Error{ErrorCode::NoSuchCard, messages::NoSuchCard(id)};
    Transaction tx(state_->db.get());
    if (const int rc = tx.BeginRead(); rc != SQLITE_OK)
        return state_->Fail(rc);
    Statement select(state_->db.get(), std::string("SELECT ") + kCardColumns + " FROM card WHERE id = ?");
    select.Bind(1, id);
    int rc = select.Step();
    if (rc == SQLITE_DONE)
        return Error{ErrorCode::NoSuchCard, messages::NoSuchCard(id)};
    if (rc != SQLITE_ROW)
        return state_->Fail(rc);
    Card card = ReadCardRow(select);
    Statement names(state_->db.get(),
                    "SELECT first, middle, last, label FROM name_variant WHERE card = ? ORDER BY position");
    names.Bind(1, id);
    while ((rc = names.Step()) == SQLITE_ROW)
        card.names.push_back({names.Text(0), names.Text(1), names.Text(2), names.Text(3)});
    if (rc != SQLITE_DONE)
        return state_->Fail(rc);
    if (const int commit = tx.Commit(); commit != SQLITE_OK)
        return state_->Fail(commit);
    return card;
}

Result<std::vector<Card>> Book::List() const {
    std::vector<Card> cards;
    if (state_->empty)
        return cards;
    Transaction tx(state_->db.get()); // both reads see the same book
    if (const int rc = tx.BeginRead(); rc != SQLITE_OK)
        return state_->Fail(rc);
    Statement select(state_->db.get(), std::string("SELECT ") + kCardColumns + " FROM card ORDER BY id");
    int rc = SQLITE_OK;
    while ((rc = select.Step()) == SQLITE_ROW)
        cards.push_back(ReadCardRow(select));
    if (rc != SQLITE_DONE)
        return state_->Fail(rc);
    // Names come ordered by card number, as the cards are: one merge.
    Statement names(state_->db.get(),
                    "SELECT card, first, middle, last, label FROM name_variant ORDER BY card, position");
    std::size_t at = 0;
    while ((rc = names.Step()) == SQLITE_ROW) {
        const CardId id = names.Int(0);
        while (at < cards.size() && cards[at].id < id)
            ++at;
        if (at < cards.size() && cards[at].id == id)
            cards[at].names.push_back({names.Text(1), names.Text(2), names.Text(3), names.Text(4)});
    }
    if (rc != SQLITE_DONE)
        return state_->Fail(rc);
    if (const int commit = tx.Commit(); commit != SQLITE_OK)
        return state_->Fail(commit);

    std::vector<std::string> keys;
    keys.reserve(cards.size());
    for (const Card& card : cards)
        keys.push_back(card.names.empty() ? std::string() : SortKey(card.names.front()));
    std::vector<std::size_t> order(cards.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&keys](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
    std::vector<Card> sorted;
    sorted.reserve(cards.size());
    for (const std::size_t i : order)
        sorted.push_back(std::move(cards[i]));
    return sorted;
}

Result<std::size_t> Book::Count() const {
    if (state_->empty)
        return std::size_t{0};
    const auto count = state_->QueryInt("SELECT count(*) FROM card");
    if (!count)
        return count.Err();
    return static_cast<std::size_t>(count.Value());
}

Status Book::CheckIntegrity() const {
    return state_->Check("PRAGMA integrity_check");
}

} // namespace lirem::book
