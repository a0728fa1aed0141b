// SPDX-License-Identifier: GPL-3.0-or-later
// The client book's speed goals: a book of 10,000 cards opens and lists in
// under 100 ms, each search keystroke filters in under 16 ms, and an import
// of 100,000 rows runs at 50,000 rows/s or more.

#include "../report/PeopleCsv.h"
#include "book/Book.h"
#include "book/Filter.h"
#include "report/App.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace lirem::book;

constexpr std::array kFirst{"Иван", "Мария", "Пётр", "Анна", "Сергей", "Ольга", "Алексей", "Елена", "John", "Zoe"};
constexpr std::array kMiddle{"Петрович", "Ивановна", "Сергеевич", "Алексеевна", "", "Николаевич", "Юрьевна"};
constexpr std::array kLast{"Сидоров", "Петрова",  "Иванов", "Смирнова", "Кузнецов", "Попова",
                           "Соколов", "Лебедева", "Smith",  "Ёлкин",    "Морозов",  "Волкова"};

std::vector<Card> MakeCards(std::size_t count) {
    std::vector<Card> cards(count);
    for (std::size_t i = 0; i < count; ++i) {
        Card& c = cards[i];
        c.birth = {static_cast<int>(i % 28 + 1), static_cast<int>(i / 28 % 12 + 1), static_cast<int>(1940 + i % 70)};
        c.names.push_back({kFirst[i % kFirst.size()],
                           kMiddle[i / 3 % kMiddle.size()],
                           std::string(kLast[i / 7 % kLast.size()]) + std::to_string(i % 97),
                           {}});
        if (i % 4 == 0)
            c.names.push_back({kFirst[i % kFirst.size()], "", kLast[i / 11 % kLast.size()], "при рождении"});
        if (i % 3 == 0)
            c.partner = Partner{{1, 1, 1970}, kFirst[(i + 1) % kFirst.size()], "", kLast[i % kLast.size()]};
        c.notes = "Консультация " + std::to_string(i) + ".\nВторая строка заметки.";
    }
    return cards;
}

class Folder {
public:
    Folder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "lirem-book-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr)
            path_ = pattern;
    }
    ~Folder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;
    [[nodiscard]] std::string File(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

// A book of 10,000 cards, written once.
const std::string& TenThousand() {
    static const Folder folder;
    static const std::string path = [] {
        const std::string file = folder.File("book.sqlite");
        auto book = Book::Open(file);
        if (!book || !book.Value().Import(MakeCards(10000)))
            std::abort();
        return file;
    }();
    return path;
}

// What the book dialog does when it opens: open the file, read every card,
// index them for the search field.
void BM_OpenAndList10k(benchmark::State& state) {
    const std::string& path = TenThousand();
    for (auto _ : state) {
        auto book = Book::Open(path);
        auto cards = book.Value().List();
        const CardFilter filter(cards.Value());
        benchmark::DoNotOptimize(filter);
    }
    state.SetLabel("10,000 cards");
}
BENCHMARK(BM_OpenAndList10k)->Unit(benchmark::kMillisecond);

// One keystroke each: the texts a user types into the search field, letter by letter.
void BM_SearchKeystroke10k(benchmark::State& state) {
    auto book = Book::Open(TenThousand());
    const auto cards = book.Value().List();
    const CardFilter filter(cards.Value());
    std::vector<std::string> typed;
    for (const std::string word : {"сидоров", "29.11.1985", "ИВАН ПЕТРОВ"}) {
        for (std::size_t i = 1; i <= word.size(); ++i)
            typed.push_back(word.substr(0, i)); // half a UTF-8 letter is a keystroke too, and costs the same
    }
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(filter.Match(typed[next]));
        next = (next + 1) % typed.size();
    }
}
BENCHMARK(BM_SearchKeystroke10k)->Unit(benchmark::kMillisecond);

void BM_Import100k(benchmark::State& state) {
    const std::vector<Card> cards = MakeCards(100000);
    for (auto _ : state) {
        state.PauseTiming();
        const Folder folder;
        auto book = Book::Open(folder.File("book.sqlite"));
        state.ResumeTiming();
        if (!book.Value().Import(cards))
            state.SkipWithError("import failed");
    }
    state.counters["rows/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * 100000.0, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_Import100k)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

// The same through the tool: 100,000 CSV rows read, each checked by the
// engine as the batch checks it, then stored in one transaction.
void BM_ToolImport100k(benchmark::State& state) {
    std::ostringstream csv;
    lirem::report::bench::WritePeopleCsv(csv, 100000);
    const std::string rows = csv.str();
    for (auto _ : state) {
        state.PauseTiming();
        const Folder folder;
        const std::string path = folder.File("book.sqlite");
        const char* argv[] = {"lirem-report", "book", "--book", path.c_str(), "import", "-"};
        std::istringstream in(rows);
        std::ostringstream out;
        std::ostringstream err;
        state.ResumeTiming();
        if (lirem::report::RunApp(6, argv, in, out, err, {2025, 9}) != 0)
            state.SkipWithError(err.str().c_str());
    }
    state.counters["rows/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * 100000.0, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ToolImport100k)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
