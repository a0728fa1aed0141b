// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Thin owners of SQLite's connection and statement handles, and the mapping
// of its result codes onto the book's errors. Used inside book/ only.

#include "book/Error.h"

#include <sqlite3.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace lirem::book::sqlite {

struct Closer {
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
using Connection = std::unique_ptr<sqlite3, Closer>;

// The book's error for a failed call; path and timeout go into the message.
[[nodiscard]] Error ToError(sqlite3* db, int rc, const std::string& path, int busyTimeoutMs);

class Statement {
public:
    Statement() = default;
    Statement(sqlite3* db, std::string_view sql);
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    Statement(Statement&& other) noexcept;
    Statement& operator=(Statement&& other) noexcept;
    ~Statement();

    [[nodiscard]] int PrepareResult() const { return prepareRc_; }

    void Bind(int index, std::int64_t value);
    void Bind(int index, std::string_view text);
    void BindNull(int index);

    // SQLITE_ROW, SQLITE_DONE or an error code.
    [[nodiscard]] int Step();
    void Reset();

    [[nodiscard]] std::int64_t Int(int column) const;
    [[nodiscard]] std::int32_t Int32(int column) const;
    [[nodiscard]] std::string Text(int column) const;
    [[nodiscard]] bool IsNull(int column) const;

private:
    sqlite3_stmt* stmt_ = nullptr;
    int prepareRc_ = SQLITE_OK;
};

// Runs statements that return no rows; the SQLite result code.
[[nodiscard]] int Exec(sqlite3* db, const char* sql);

} // namespace lirem::book::sqlite
