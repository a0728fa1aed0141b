// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Readable, stable names for parameterised test cases: GoogleTest allows only
// letters, digits and '_', and without a name it prints the parameter's bytes.

#include <string>
#include <string_view>

namespace lirem::test {

// The text as a test name: ASCII letters and digits stay, a space becomes '_',
// common punctuation becomes a word ("minus", "dot"), any other character its
// code point ("u0410"; a byte that is not UTF-8, "xCE"). Empty text: "empty".
std::string TestNameOf(std::string_view utf8);

} // namespace lirem::test
