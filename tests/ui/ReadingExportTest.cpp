// SPDX-License-Identifier: GPL-3.0-or-later
// Ctrl+P prints the results on screen: the inputs of the last calculations,
// not fields edited since, and the calendar month selected now.
#include "WindowFixture.h"
#include "engine/Cp1251.h"
#include "layout/ControlNames.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>

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

// The suggested name follows the batch's rule for safe names: it never climbs
// folders, never hides the file behind a leading dot, holds no wildcard and
// has a length the file dialog takes.
TEST_F(ReadingExportTest, SuggestsASafeNameOfBoundedLength) {
    struct Case {
        QString first;
        QString last;
        QString suggested;
    };
    const Case cases[] = {
        {QStringLiteral("../../etc/Иван*?"), QString(), QStringLiteral("etc_Иван.pdf")},
        {QStringLiteral(".hidden"), QStringLiteral("Сидоров"), QStringLiteral("hidden_Сидоров.pdf")},
        {QStringLiteral("Анна-Мария"), QStringLiteral("Петрова"), QStringLiteral("Анна-Мария_Петрова.pdf")},
        {QStringLiteral(" * ? "), QString(), QStringLiteral("reading.pdf")},
        {QString(200, QChar(0x042F)), QString(), QString(80, QChar(0x042F)) + QStringLiteral(".pdf")},
    };
    for (const Case& c : cases) {
        EnterPerson("1", "1", "1970", c.first, "", c.last);
        Click(control::bnDoit);
        EXPECT_EQ(window->Reading().SuggestedFileName(), c.suggested) << c.first.toStdString();
    }
}

// Ctrl+P: the dialog opens where the last reading went, adds ".pdf" to a bare
// name, writes no settings of its own, and the window names the file saved. A
// file that cannot be written is reported in Russian with its full stop.
TEST_F(ReadingExportTest, SavesIntoTheLastFolderAndSaysWhere) {
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QTemporaryDir first;
    QTemporaryDir second;
    EnterPerson("29", "11", "1985", "Иван", "", "Сидоров");
    Click(control::bnDoit);
    const QRect barGeometry = window->StatusBar()->geometry();

    // Saves through the dialog: records the folder it opened in.
    const auto saveAs = [this](const QString& file) {
        QString openedIn;
        // The closed dialog may leave the window inactive, where shortcuts sleep.
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QTimer::singleShot(0, [&openedIn, file] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            openedIn = dialog->directory().absolutePath();
            dialog->selectFile(file);
            static_cast<QDialog*>(dialog)->accept();
        });
        QTest::keyClick(window.get(), Qt::Key_P, Qt::ControlModifier);
        return openedIn;
    };
    saveAs(QDir(first.path()).filePath(QStringLiteral("noext")));
    EXPECT_TRUE(QFile::exists(QDir(first.path()).filePath(QStringLiteral("noext.pdf"))));
    EXPECT_TRUE(window->StatusBar()->currentMessage().contains(QDir(first.path()).filePath("noext.pdf")))
        << window->StatusBar()->currentMessage().toStdString();
    EXPECT_EQ(window->StatusBar()->geometry(), barGeometry);
    EXPECT_EQ(saveAs(QDir(second.path()).filePath(QStringLiteral("b.pdf"))), QDir(first.path()).absolutePath());
    EXPECT_EQ(saveAs(QDir(second.path()).filePath(QStringLiteral("c.pdf"))), QDir(second.path()).absolutePath());
    EXPECT_TRUE(errors.empty());
    EXPECT_FALSE(QFile::exists(QDir(config.path()).filePath(QStringLiteral("QtProject.conf"))));
    qunsetenv("XDG_CONFIG_HOME");

    for (const QString& bad : {QStringLiteral("/proc/lirem.pdf"), QDir(first.path()).filePath("no/such.pdf")}) {
        const QString message = window->Reading().WritePdf(bad, {2025, 9});
        EXPECT_TRUE(message.startsWith(QStringLiteral("Не удалось сохранить расчет в файл «") + bad + "»: "))
            << message.toStdString();
        EXPECT_TRUE(message.endsWith(QLatin1Char('.'))) << message.toStdString();
    }
}

} // namespace
} // namespace lirem::ui::test
