// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the book lives and how a new one is created: one file per user,
// private to them.

#include "book/Error.h"

#include <string>

namespace lirem::book {

// $XDG_DATA_HOME/lirem3/book.sqlite, or ~/.local/share/lirem3/book.sqlite when
// XDG_DATA_HOME is unset, empty or relative (as the XDG rules say).
[[nodiscard]] std::string DefaultBookPath();

// Creates the missing folders of path's parent, each with mode 0700.
[[nodiscard]] Status CreateFolders(const std::string& path);

// What lies at a path, looked at without opening it (a FIFO would block a
// reader, a device might do anything).
enum class PathKind { Missing, RegularFile, Folder, Other };
[[nodiscard]] PathKind KindOf(const std::string& path);

// Creates an empty file with mode 0600 whatever the umask; an existing file is
// left alone. Fails with CannotOpen when the folder is missing or closed.
[[nodiscard]] Status CreatePrivateFile(const std::string& path);

} // namespace lirem::book
