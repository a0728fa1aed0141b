// Collects the entries of a skin folder for packing.
#pragma once

#include "tools/skinpack/ArchiveWriter.h"

#include <filesystem>
#include <vector>

namespace skinpack {

// The order file of a skin folder: one entry name per line; blank lines and
// lines starting with '#' are skipped. It is never packed itself.
inline constexpr const char* kOrderFileName = "entries.lst";

// With an order file, exactly the entries it names, in its order (a named file
// that is missing throws std::runtime_error). Without one, every regular file
// except hidden ones in byte order of their names, INI files last. A missing
// or empty folder gives no entries.
std::vector<ArchiveEntry> ReadSkinFolder(const std::filesystem::path& dir);

} // namespace skinpack
