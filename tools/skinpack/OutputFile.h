// SPDX-License-Identifier: GPL-3.0-or-later
// Writes an output of the packer so that it is complete or absent.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

namespace lirem::skinpack {

// "-" names standard output.
inline constexpr const char* kStandardOutput = "-";

// A regular file (or a new one) is written through an exclusively created
// temporary file with an unpredictable name in the same folder, flushed to
// disk and renamed over it; the temporary file is removed on any failure. A
// symlink is written through to the file it names. Standard output, a FIFO or
// a device is written in place. Throws std::runtime_error saying what failed.
void WriteOutput(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

// Flushes and closes standard output; throws std::runtime_error when that fails.
void FinishStandardOutput();

} // namespace lirem::skinpack
