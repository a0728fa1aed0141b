// SPDX-License-Identifier: GPL-3.0-or-later
// Ctrl+P prints the results on screen: the inputs of the last calculations,
// not fields edited since, and the calendar month selected now.
#include "WindowFixture.h"
#include "engine/Cp1251.h"
#include "layout/ControlNames.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace lirem::ui::test {
namespace {

class ReadingExportTest : public ShownWindowTest {};

TEST_F(ReadingExportTest, PrintsTheLastCalculationsAndTheSelectedMonth) {
    EnterPerson("29", "11", "1985", "Иван", "Петрович", "Сидоров");
    Click(control::bnDoit);
    Type(control::edFirst, "Пётр"); // edited, not calculated
    ShowPage(control::tsSynastry);
    Type(control::edPartnerFirst, "Анна"); // typed, not compared
    ChooseYear(2025);
    ChooseMonth(9);

    const auto& reading = window->Reading();
    session::PersonInput person = reading.Person({2025, 9});
    EXPECT_EQ(person.date, (session::BirthDate{29, 11, 1985}));
    EXPECT_EQ(engine::Cp1251ToUtf8(person.first), "Иван");
    EXPECT_EQ(person.calendar, (session::CalendarMonth{2025, 9}));
    EXPECT_FALSE(person.partner.has_value());
    EXPECT_FALSE(person.text.has_value());
    EXPECT_EQ(reading.SuggestedFileName(), QStringLiteral("Иван_Сидоров.pdf"));

    Click(control::bnPartner);
    ShowPage(control::tsMisc);
    Type(control::edMisc, "12");
    Click(control::bnMisc);
    person = reading.Person({2025, 9});
    ASSERT_TRUE(person.partner.has_value());
    EXPECT_EQ(engine::Cp1251ToUtf8(person.partner->first), "Анна");
    EXPECT_EQ(person.text, std::optional<std::string>("12"));

    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("reading.pdf"));
    EXPECT_EQ(reading.WritePdf(file, {2025, 9}), QString());
    QFile written(file);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.read(5) == "%PDF-");
    EXPECT_FALSE(reading.WritePdf(folder.filePath(QStringLiteral("missing/reading.pdf")), {2025, 9}).isEmpty());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("reading.pdf")});
}

} // namespace
} // namespace lirem::ui::test
