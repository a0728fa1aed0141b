// SPDX-License-Identifier: GPL-3.0-or-later
// Collects the entries of a skin folder for packing.
#pragma once

#include "tools/skinpack/ArchiveWriter.h"

#include <filesystem>
#include <vector>

namespace lirem::skinpack {

// The order file of a skin folder: one entry name per line; blank lines and
// lines starting with '#' are skipped. It is never packed itself.
inline constexpr const char* kOrderFileName = "entries.lst";

// With an order file, exactly the entries it names, in its order. Without one,
// every regular file except hidden ones in byte order of their names, INI files
// last; an empty folder gives no entries. Throws std::runtime_error, before
// reading any entry, for a missing folder, a missing entry, an entry that is no
// regular file or lies outside the folder (an absolute name, "..", or a
// symlink leading out), and for a folder larger than a skin may unpack to.
std::vector<ArchiveEntry> ReadSkinFolder(const std::filesystem::path& dir);

} // namespace lirem::skinpack
