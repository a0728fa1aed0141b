// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The client book: one SQLite file of cards, shared by the window and the
// report tool. Every change is one transaction (WAL journal, synchronous=FULL),
// a busy timeout lets two programs write at once, and a file that is not a
// book, is damaged or comes from a newer program is never rewritten.

#include "book/Card.h"
#include "book/Error.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace lirem::book {

// The schema this program writes; older books are migrated on opening.
inline constexpr std::int64_t kSchemaVersion = 1;

enum class OpenMode { ReadWrite, ReadOnly };

struct OpenOptions {
    OpenMode mode = OpenMode::ReadWrite;
    int busyTimeoutMs = 5000;   // how long a change waits for another program's
    bool createFolders = false; // create the missing folders of the path (0700)
};

class Book {
public:
    // Opens the book at path; ReadWrite creates a missing file (0600). A book
    // of a newer schema opens read-only, with Warning() saying so.
    [[nodiscard]] static Result<Book> Open(const std::string& path, const OpenOptions& options = {});

    Book(Book&&) noexcept;
    Book& operator=(Book&&) noexcept;
    ~Book();

    [[nodiscard]] const std::string& Path() const;
    [[nodiscard]] bool IsReadOnly() const;
    // Why a book opened for writing is read-only (a newer schema); empty otherwise.
    [[nodiscard]] const Status& Warning() const;
    [[nodiscard]] std::int64_t FileSchemaVersion() const;

    // The new card's number. The card's id, created and changed are ignored.
    [[nodiscard]] Result<CardId> Add(const Card& card);
    // Replaces everything of card card.id but its creation time.
    [[nodiscard]] Status Update(const Card& card);
    [[nodiscard]] Status Remove(CardId id);
    [[nodiscard]] Status SetNotes(CardId id, std::string_view notes);

    // Adds all cards in one transaction, or none of them. progress(n) is
    // called after the n-th card is written, before the commit.
    using Progress = std::function<void(std::size_t done)>;
    [[nodiscard]] Result<std::size_t> Import(std::span<const Card> cards, const Progress& progress = {});

    [[nodiscard]] Result<Card> Get(CardId id) const;
    // Every card, sorted by main name (last, first, middle; letter case and
    // ё/е ignored), then by number.
    [[nodiscard]] Result<std::vector<Card>> List() const;
    [[nodiscard]] Result<std::size_t> Count() const;

    // SQLite's full integrity check (opening runs the quicker one).
    [[nodiscard]] Status CheckIntegrity() const;

private:
    struct State;
    explicit Book(std::unique_ptr<State> state);
    std::unique_ptr<State> state_;
};

} // namespace lirem::book
