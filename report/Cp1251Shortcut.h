// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// UTF-8 to code page 1251 for the batch, with a shortcut for the common case.
//
// A text made only of ASCII and the Russian letters А..я, Ё, ё holds no
// combining mark and nothing that Unicode normalisation changes, so its code
// page 1251 form is a plain byte-for-character mapping. Any other text (other
// scripts, combining marks, malformed UTF-8) goes through the engine's full
// conversion. Both give the same bytes for every input.

#include <string>
#include <string_view>

namespace lirem::report {

// Replaces out's contents with the code page 1251 form of utf8.
void Utf8ToCp1251Into(std::string_view utf8, std::string& out);

} // namespace lirem::report
