// SPDX-License-Identifier: GPL-3.0-or-later
// Cards in and out of a real book file: texts byte for byte, changes, order,
// search and imports that are all or nothing.
#include "BookFiles.h"

#include "book/Filter.h"

#include <gmock/gmock.h>

#include <algorithm>

namespace lirem::book::test {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

Card FullCard() {
    Card card = Person("Мария", "Ивановна", "Петрова", {5, 9, 1970});
    card.names.front().label = "в браке";
    card.names.push_back({"Мария", "Ивановна", "Сидорова", "при рождении"});
    card.partner = Partner{{1, 1, 1968}, "Алексей", "", "Петров"};
    card.text = "+7 (495) 123-45-67";
    card.notes = "Первая встреча.\nВторая строка, «кавычки», \"quotes\" и 'апостроф'.\n";
    return card;
}

std::vector<std::string> MainNames(const std::vector<Card>& cards) {
    std::vector<std::string> names;
    for (const Card& card : cards)
        names.push_back(MainName(card));
    return names;
}

TEST(BookCards, StoreEveryFieldByteForByte) {
    TempFolder dir;
    const std::string path = dir.File("book.sqlite");
    Card odd = Person("ё\xcc\x88 decomposed", "", "\xff\xfe not UTF-8", {-3, 0, 99999});
    odd.text = ""; // an empty free text is a free text
    const std::vector<Card> cards{FullCard(), Person("", "", ""), odd};

    std::vector<CardId> ids;
    {
        Book book = OpenOrFail(path);
        for (const Card& card : cards) {
            const auto id = book.Add(card);
            ASSERT_TRUE(id) << id.Err().message;
            ids.push_back(id.Value());
        }
    }
    Book book = OpenOrFail(path, {.mode = OpenMode::ReadOnly});
    for (std::size_t i = 0; i < cards.size(); ++i) {
        auto stored = book.Get(ids[i]);
        ASSERT_TRUE(stored) << stored.Err().message;
        EXPECT_GT(stored.Value().created, 0);
        EXPECT_EQ(stored.Value().created, stored.Value().changed);
        Card expected = cards[i];
        expected.id = ids[i];
        expected.created = stored.Value().created;
        expected.changed = stored.Value().changed;
        EXPECT_EQ(stored.Value(), expected) << i;
    }
    if (const auto shell = Shell(path, "SELECT label FROM name_variant WHERE card = 1 ORDER BY position")) {
        EXPECT_EQ(*shell, "в браке\nпри рождении");
    }
}

TEST(BookCards, ChangesKeepNumbersAndCreationTime) {
    TempFolder dir;
    Book book = OpenOrFail(dir.File("book.sqlite"));
    const CardId first = book.Add(Person("Иван", "", "Сидоров")).Value();
    const CardId second = book.Add(FullCard()).Value();

    Card changed = FullCard();
    changed.id = second;
    changed.names = {{"Мария", "", "Иванова", ""}};
    changed.partner.reset();
    changed.text.reset();
    ASSERT_EQ(book.Update(changed), std::nullopt);
    ASSERT_EQ(book.SetNotes(second, "новая\nзаметка"), std::nullopt);
    const Card stored = book.Get(second).Value();
    EXPECT_EQ(stored.names, changed.names);
    EXPECT_EQ(stored.partner, std::nullopt);
    EXPECT_EQ(stored.text, std::nullopt);
    EXPECT_EQ(stored.notes, "новая\nзаметка");
    EXPECT_LE(stored.created, stored.changed);

    // A removed card's number is never given again: a window still showing
    // it must not update somebody else.
    ASSERT_EQ(book.Remove(second), std::nullopt);
    const CardId third = book.Add(Person("Анна", "", "")).Value();
    EXPECT_GT(third, second);
    for (const auto& status : {book.Remove(second), book.SetNotes(second, "x"), book.Update(changed)}) {
        ASSERT_TRUE(status);
        EXPECT_EQ(status->code, ErrorCode::NoSuchCard);
        EXPECT_EQ(status->message, "В картотеке нет карточки № " + std::to_string(second) + ".");
    }
    EXPECT_EQ(book.Get(second).Err().code, ErrorCode::NoSuchCard);
    EXPECT_EQ(book.Count().Value(), 2U);
    EXPECT_EQ(book.Get(first).Value().names.front().last, "Сидоров");

    Card nameless = Person("", "", "");
    nameless.names.clear();
    EXPECT_EQ(book.Add(nameless).Err().code, ErrorCode::InvalidCard);
    nameless.id = first;
    EXPECT_EQ(book.Update(nameless)->code, ErrorCode::InvalidCard);
}

TEST(BookCards, ListIsSortedByMainNameIgnoringCase) {
    TempFolder dir;
    Book book = OpenOrFail(dir.File("book.sqlite"));
    for (const Card& card : {Person("Иван", "", "сидоров"), Person("Анна", "", "Ёлкина"), Person("Борис", "", "Ершов"),
                             Person("Анна", "", "Сидорова"), Person("Zoe", "", "adams"), Person("Анна", "", "Сидоров"),
                             Person("Bob", "", "Adams")})
        ASSERT_TRUE(book.Add(card));
    const auto list = book.List();
    ASSERT_TRUE(list);
    EXPECT_THAT(MainNames(list.Value()), ElementsAre("Adams Bob", "adams Zoe", "Ёлкина Анна", "Ершов Борис",
                                                     "Сидоров Анна", "сидоров Иван", "Сидорова Анна"));
}

TEST(BookCards, SearchByAnyPartOfANameOrOfTheDate) {
    Card married = FullCard(); // Петрова, born Сидорова, 5.9.1970
    std::vector<Card> cards{Person("Иван", "Петрович", "Сидоров", {29, 11, 1985}), married,
                            Person("John", "", "SMITH", {1, 12, 1985})};
    const CardFilter filter(cards);
    const struct {
        const char* query;
        std::vector<std::size_t> matches;
    } cases[] = {
        {"", {0, 1, 2}},     {"   ", {0, 1, 2}},  {"сид", {0, 1}}, // Сидорова is the second variant of card 1
        {"СИДОРОВ", {0, 1}}, {"иван", {0, 1}},                     // Ивановна
        {"smi", {2}},        {"Smith john", {2}}, {"иван 1985", {0}}, {"29.11", {0}}, {"1985", {0, 2}},
        {"05.09", {1}},      {"5.9.1970", {1}},   {"петро", {0, 1}},  {"ёлка", {}},   {"нет такого", {}},
    };
    for (const auto& c : cases)
        EXPECT_THAT(filter.Match(c.query), ElementsAreArray(c.matches)) << c.query;
    EXPECT_THAT(CardFilter({Person("Пётр", "", "Ёжиков")}).Match("петр ежик"), ElementsAre(0U));
}

TEST(BookCards, ImportIsAllOrNothing) {
    TempFolder dir;
    Book book = OpenOrFail(dir.File("book.sqlite"));
    ASSERT_TRUE(book.Add(Person("Иван", "", "Сидоров")));
    std::vector<Card> cards(1000, Person("Анна", "", "Петрова"));
    std::size_t reported = 0;
    const auto imported = book.Import(cards, [&reported](std::size_t done) { reported = done; });
    ASSERT_TRUE(imported) << imported.Err().message;
    EXPECT_EQ(imported.Value(), 1000U);
    EXPECT_EQ(reported, 1000U);
    EXPECT_EQ(book.Count().Value(), 1001U);

    cards[500].names.clear();
    EXPECT_EQ(book.Import(cards).Err().code, ErrorCode::InvalidCard);
    EXPECT_EQ(book.Count().Value(), 1001U);
    EXPECT_EQ(book.CheckIntegrity(), std::nullopt);
}

TEST(BookCards, ReadOnlyBookIsNeverWritten) {
    TempFolder dir;
    const std::string path = dir.File("book.sqlite");
    const auto missing = Book::Open(path, {.mode = OpenMode::ReadOnly});
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.Err().code, ErrorCode::Missing);
    EXPECT_FALSE(std::filesystem::exists(path));

    { ASSERT_TRUE(OpenOrFail(path).Add(Person("Иван", "", "Сидоров"))); }
    const std::string before = ReadBytes(path);
    Book book = OpenOrFail(path, {.mode = OpenMode::ReadOnly});
    EXPECT_TRUE(book.IsReadOnly());
    EXPECT_EQ(book.Add(Person("Анна", "", "")).Err().code, ErrorCode::ReadOnly);
    EXPECT_EQ(book.SetNotes(1, "x")->code, ErrorCode::ReadOnly);
    EXPECT_EQ(book.List().Value().size(), 1U);
    EXPECT_EQ(ReadBytes(path), before);
}

} // namespace
} // namespace lirem::book::test
