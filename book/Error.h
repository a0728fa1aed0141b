// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What can go wrong with the client book: a stable code for programs and a
// Russian message for people. Every operation returns one of these as a value.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

namespace lirem::book {

enum class ErrorCode {
    NotABook,    // the file is no SQLite database, or another program's database
    Damaged,     // the database fails its integrity check
    Locked,      // another program held the book longer than the busy timeout
    DiskFull,    // no space left (or a file size limit)
    ReadOnly,    // the file, the disk or the book's schema allows reading only
    NotAFile,    // a folder, a FIFO, a device or a socket lies at the path
    Missing,     // a book opened for reading does not exist yet
    CannotOpen,  // the file or its folder cannot be opened or created
    NoSuchCard,  // no card with that number
    InvalidCard, // a card without a name variant
    Io,          // any other failure of the disk or the database
};

// A short English name that never changes ("not-a-book", "locked", ...), for
// scripts and the JSON output.
[[nodiscard]] std::string_view CodeName(ErrorCode code);

struct Error {
    ErrorCode code = ErrorCode::Io;
    std::string message; // Russian, one or two sentences, ends with a full stop
};

// Either a value or an error.
template <typename T> class [[nodiscard]] Result {
public:
    Result(T value) : state_(std::move(value)) {}     // NOLINT(google-explicit-constructor)
    Result(Error error) : state_(std::move(error)) {} // NOLINT(google-explicit-constructor)

    [[nodiscard]] bool Ok() const { return state_.index() == 0; }
    explicit operator bool() const { return Ok(); }
    [[nodiscard]] T& Value() & { return std::get<0>(state_); }
    [[nodiscard]] const T& Value() const& { return std::get<0>(state_); }
    [[nodiscard]] T&& Value() && { return std::get<0>(std::move(state_)); }
    [[nodiscard]] const Error& Err() const { return std::get<1>(state_); }

private:
    std::variant<T, Error> state_;
};

// The result of an operation that gives nothing back: empty means success.
using Status = std::optional<Error>;

} // namespace lirem::book
