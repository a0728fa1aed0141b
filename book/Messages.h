// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Russian texts of the book's errors, in one place.

#include <cstdint>
#include <string>

namespace lirem::book::messages {

[[nodiscard]] std::string NotABook(const std::string& path);
[[nodiscard]] std::string Damaged(const std::string& path);
[[nodiscard]] std::string Locked(const std::string& path, int timeoutMs);
[[nodiscard]] std::string DiskFull(const std::string& path);
[[nodiscard]] std::string ReadOnlyFile(const std::string& path);
[[nodiscard]] std::string NewerSchema(const std::string& path, std::int64_t version);
[[nodiscard]] std::string Folder(const std::string& path);
[[nodiscard]] std::string NotARegularFile(const std::string& path);
[[nodiscard]] std::string Missing(const std::string& path);
[[nodiscard]] std::string CannotOpen(const std::string& path, int error);
[[nodiscard]] std::string CannotCreateFolder(const std::string& path, int error);
[[nodiscard]] std::string CannotCreateFile(const std::string& path, int error);
[[nodiscard]] std::string NoSuchCard(std::int64_t id);
[[nodiscard]] std::string NoName();
[[nodiscard]] std::string Io(const std::string& path, const std::string& detail);

} // namespace lirem::book::messages
