// SPDX-License-Identifier: GPL-3.0-or-later
// The program's packed skin, built from assets/skin at compile time and
// carried as a Qt resource in the stored skin block form (int32 length, then
// the packed skin).
#pragma once

#include <QByteArray>

namespace lirem::skin {

inline constexpr const char* kNumeroSkinResource = ":/skin/numero.skin";

// The whole stored skin block; empty when the resource is missing.
QByteArray NumeroSkinStream();

} // namespace lirem::skin
