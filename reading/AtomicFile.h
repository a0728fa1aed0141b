// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writes a whole file or nothing: the bytes go to an exclusively created
// temporary file beside the target, are flushed to disk, and the temporary
// file is then renamed over the target. What is not a regular file is never
// replaced.

#include <filesystem>
#include <string>
#include <string_view>

namespace lirem::reading {

enum class Existing { Keep, Replace };

// Returns an empty string on success, otherwise what went wrong, in words;
// no temporary file is left behind. With Existing::Keep an existing target is
// an error, and a target that appears meanwhile is not overwritten.
[[nodiscard]] std::string WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes,
                                              Existing existing);

} // namespace lirem::reading
