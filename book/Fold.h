// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Letter case folding for searching and sorting names.

#include <string>
#include <string_view>

namespace lirem::book {

// UTF-8 in, UTF-8 out: Latin and Cyrillic capitals become small letters and ё
// becomes е (people type one for the other). Everything else, including bytes
// that are not UTF-8, is copied unchanged.
[[nodiscard]] std::string FoldForSearch(std::string_view text);

} // namespace lirem::book
