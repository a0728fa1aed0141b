// SPDX-License-Identifier: GPL-3.0-or-later
#include "PeopleCsv.h"

#include <array>
#include <string_view>

namespace lirem::report::bench {
namespace {

constexpr std::array<std::string_view, 12> kFirst{"Иван",   "Анна", "Мария", "Пётр",    "Alexander", "Ольга",
                                                  "Сергей", "John", "Елена", "Дмитрий", "Наталья",   "Wendy"};
constexpr std::array<std::string_view, 7> kMiddle{"Петрович",   "Ивановна", "Сергеевич", "",
                                                  "Алексеевна", "Michael",  "Андреевич"};
constexpr std::array<std::string_view, 8> kLast{"Сидоров",   "Петрова", "Иванов",   "Smith",
                                                "Кузнецова", "Смирнов", "Соколова", "Попов-Лебедев"};

// A small linear congruential generator: the same file on every run.
class Random {
public:
    std::uint64_t Next(std::uint64_t bound) {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return (state_ >> 33) % bound;
    }

private:
    std::uint64_t state_ = 20250901;
};

void WriteDate(std::ostream& out, Random& random) {
    out << random.Next(28) + 1 << '.' << random.Next(12) + 1 << '.' << random.Next(91) + 1930;
}

} // namespace

void WritePeopleCsv(std::ostream& out, std::int64_t rows) {
    Random random;
    out << "date,first,middle,last,partner_date,partner_first,partner_middle,partner_last\n";
    for (std::int64_t i = 0; i < rows; ++i) {
        WriteDate(out, random);
        out << ',' << kFirst[random.Next(kFirst.size())] << ',' << kMiddle[random.Next(kMiddle.size())] << ','
            << kLast[random.Next(kLast.size())];
        if (i % 4 == 0) {
            out << ',';
            WriteDate(out, random);
            out << ',' << kFirst[random.Next(kFirst.size())] << ",," << kLast[random.Next(kLast.size())];
        }
        out << '\n';
    }
}

} // namespace lirem::report::bench
