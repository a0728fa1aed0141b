// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The part of a file name made from a person's name, the same for the
// window's suggested reading and the batch's readings: letters, digits and
// hyphens are kept, every other run of characters becomes one underscore,
// none stands at either end, so the name never climbs folders, never starts
// with a dot and holds no wildcard. Standard C++ only.

#include <cstddef>
#include <string>
#include <string_view>

namespace lirem::session {

// Names longer than this are cut, so the whole file name stays well inside
// what file systems and file dialogs accept.
inline constexpr std::size_t kMaxNameCharacters = 80;

// cp1251Name: the name as code page 1251 bytes. The result is UTF-8, at most
// kMaxNameCharacters characters, empty when the name has no letter or digit.
[[nodiscard]] std::string SafeNamePart(std::string_view cp1251Name);

} // namespace lirem::session
