// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The partner comparison of the worked example: Иван Петрович Сидоров, born
// 29.11.1985, against Анна, born 1.1.1970. These are the ten matches the result
// memo lists, in order; there each is followed by an empty line. UTF-8.

#include <array>

namespace lirem::test {

inline constexpr std::array<const char*, 10> kAnnaMatches = {
    "Скрытая Страсть 1 совпадает с Жизненным Путем партнера",
    "Скрытая Страсть 1 совпадает с Днем Рождения партнера",
    "Скрытая Страсть 1 совпадает со Скрытой Страстью партнера",
    "Скрытая Страсть 3 совпадает с Личностью партнера",
    "Скрытая Страсть 3 совпадает с Кармическим Уроком партнера",
    "Кармический Урок 4 совпадает с Кармическим Уроком партнера",
    "Душевное Побуждение совпадает с Кармичаским Уроком 4 партнера",
    "Экспрессия совпадает со Скрытой Страстью 6 партнера",
    "Скрытая Страсть 9 совпадает с Кармическим Уроком партнера",
    "Жизненный Путь совпадает с Кармичаским Уроком 9 партнера",
};

} // namespace lirem::test
