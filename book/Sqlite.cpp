// SPDX-License-Identifier: GPL-3.0-or-later
#include "book/Sqlite.h"

#include "book/Messages.h"

#include <cerrno>
#include <limits>

namespace lirem::book::sqlite {

Error ToError(sqlite3* db, int rc, const std::string& path, int busyTimeoutMs) {
    const int systemErrno = db != nullptr ? sqlite3_system_errno(db) : 0;
    switch (rc & 0xff) {
    case SQLITE_NOTADB:
        return {ErrorCode::NotABook, messages::NotABook(path)};
    case SQLITE_CORRUPT:
        return {ErrorCode::Damaged, messages::Damaged(path)};
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return {ErrorCode::Locked, messages::Locked(path, busyTimeoutMs)};
    case SQLITE_FULL:
        return {ErrorCode::DiskFull, messages::DiskFull(path)};
    case SQLITE_READONLY:
        return {ErrorCode::ReadOnly, messages::ReadOnlyFile(path)};
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
    case SQLITE_AUTH:
        if (systemErrno == EROFS)
            return {ErrorCode::ReadOnly, messages::ReadOnlyFile(path)};
        return {ErrorCode::CannotOpen, messages::CannotOpen(path, systemErrno != 0 ? systemErrno : EACCES)};
    case SQLITE_IOERR:
        // A write cut short by the disk or by a file size limit is a full disk to the user.
        if (systemErrno == ENOSPC || systemErrno == EDQUOT || systemErrno == EFBIG)
            return {ErrorCode::DiskFull, messages::DiskFull(path)};
        if (systemErrno == EROFS)
            return {ErrorCode::ReadOnly, messages::ReadOnlyFile(path)};
        break;
    default:
        break;
    }
    std::string detail = db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    return {ErrorCode::Io, messages::Io(path, detail)};
}

Statement::Statement(sqlite3* db, std::string_view sql) {
    prepareRc_ =
        sqlite3_prepare_v3(db, sql.data(), static_cast<int>(sql.size()), SQLITE_PREPARE_PERSISTENT, &stmt_, nullptr);
}

Statement::Statement(Statement&& other) noexcept : stmt_(other.stmt_), prepareRc_(other.prepareRc_) {
    other.stmt_ = nullptr;
}

Statement& Statement::operator=(Statement&& other) noexcept {
    if (this != &other) {
        sqlite3_finalize(stmt_);
        stmt_ = other.stmt_;
        prepareRc_ = other.prepareRc_;
        other.stmt_ = nullptr;
    }
    return *this;
}

Statement::~Statement() {
    sqlite3_finalize(stmt_);
}

void Statement::Bind(int index, std::int64_t value) {
    sqlite3_bind_int64(stmt_, index, value);
}

void Statement::Bind(int index, std::string_view text) {
    // Texts are stored byte for byte; SQLITE_TRANSIENT copies them before the call returns.
    sqlite3_bind_text64(stmt_, index, text.data(), text.size(), SQLITE_TRANSIENT, SQLITE_UTF8);
}

void Statement::BindNull(int index) {
    sqlite3_bind_null(stmt_, index);
}

int Statement::Step() {
    return stmt_ != nullptr ? sqlite3_step(stmt_) : prepareRc_;
}

void Statement::Reset() {
    if (stmt_ != nullptr) {
        sqlite3_reset(stmt_);
        sqlite3_clear_bindings(stmt_);
    }
}

std::int64_t Statement::Int(int column) const {
    return sqlite3_column_int64(stmt_, column);
}

std::int32_t Statement::Int32(int column) const {
    const std::int64_t value = Int(column);
    if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max())
        return 0;
    return static_cast<std::int32_t>(value);
}

std::string Statement::Text(int column) const {
    const auto* text = sqlite3_column_text(stmt_, column);
    const int bytes = sqlite3_column_bytes(stmt_, column);
    if (text == nullptr || bytes <= 0)
        return {};
    return std::string(reinterpret_cast<const char*>(text), static_cast<std::size_t>(bytes));
}

bool Statement::IsNull(int column) const {
    return sqlite3_column_type(stmt_, column) == SQLITE_NULL;
}

int Exec(sqlite3* db, const char* sql) {
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
}

} // namespace lirem::book::sqlite
