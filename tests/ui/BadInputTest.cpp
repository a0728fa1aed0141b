// SPDX-License-Identifier: GPL-3.0-or-later
// Inputs of any length and script reach the handlers without a crash, a hang
// or an unexpected error report.
#include "WindowFixture.h"
#include "layout/ControlNames.h"
#include "ui/Picture.h"
#include "ui/SpinEdit.h"

#include <QClipboard>
#include <QGuiApplication>

namespace lirem::ui::test {
namespace {

QString Repeat(const QString& piece, int length) {
    QString text;
    text.reserve(length + piece.size());
    while (text.size() < length) {
        text += piece;
    }
    text.truncate(length);
    return text;
}

class BadInputTest : public ShownWindowTest {
protected:
    // Runs every handler once with the fields as they are; no error may be reported.
    void RunAllHandlers() {
        Click(control::bnDoit);
        ShowPage(control::tsSynastry);
        Click(control::bnPartner);
        ShowPage(control::tsMisc);
        Click(control::bnMisc);
        ShowPage(control::tsYears);
        ChooseYear(2000);
        ChooseMonth(2);
        ShowPage(control::tsNucleus);
    }
    void FillAllNameFields(const QString& text) {
        for (const char* name : {control::edFirst, control::edMiddle, control::edLast, control::edPartnerFirst,
                                 control::edPartnerMiddle, control::edPartnerLast, control::edMisc}) {
            Get<QLineEdit>(name)->setText(text);
        }
    }
};

TEST_F(BadInputTest, AHundredThousandCharacterPasteIsKeptWholeAndComputed) {
    const QString paste = Repeat(QStringLiteral("Иван Petrov 123 "), 100000);
    QGuiApplication::clipboard()->setText(paste);
    auto* first = Get<QLineEdit>(control::edFirst);
    first->setFocus();
    first->paste();
    ASSERT_EQ(first->text().size(), 100000);
    Click(control::bnDoit); // its time is measured in bench/ui (BM_FullRecalculationOfALongName)
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(Caption(control::lNameLength), "Общая длина имени: 99999"); // the trailing blank is trimmed
}

TEST_F(BadInputTest, AnyScriptAndControlCharactersAreNoError) {
    const QString texts[] = {
        QStringLiteral("Ἀλέξανδρος"),                   // Greek with accents
        QStringLiteral("😀🎉👨‍👩‍👧"),   // emoji, joiners
        QStringLiteral("и\u0306о\u0308\u0301"),         // combining marks
        QStringLiteral("李小龙 محمد שלום"),             // CJK, Arabic, Hebrew
        QString(QChar(0)) + "\x01\x1f\x7f\t\r\n",       // control characters
        QStringLiteral("\uFFFF\uFFFE") + QChar(0xD800), // non-characters, a lone surrogate
        QStringLiteral("<b>bold</b>&amp;"),             // markup stays text
    };
    for (const QString& text : texts) {
        FillAllNameFields(text);
        RunAllHandlers();
        EXPECT_TRUE(errors.empty()) << text.toStdString();
        errors.clear();
    }
}

TEST_F(BadInputTest, EveryValueTheDateFieldsCanHoldReachesTheHandlers) {
    struct Case {
        const char* field;
        const char* partnerField;
        const char* text;
        bool negativeError; // only a negative day, or a negative date sum, fails
    };
    // A raw value reaches a handler only through Enter with the focus still in its field.
    const Case cases[] = {
        {control::seDay, control::sePartnerDay, "99", false},
        {control::seDay, control::sePartnerDay, "0", false},
        {control::seDay, control::sePartnerDay, "+9", false},
        {control::seDay, control::sePartnerDay, "-9", true},
        {control::seDay, control::sePartnerDay, "", false},
        {control::seDay, control::sePartnerDay, "-", false},
        {control::seMonth, control::sePartnerMonth, "99", false},
        {control::seMonth, control::sePartnerMonth, "-9", false},
        {control::seMonth, control::sePartnerMonth, "0", false},
        {control::seYear, control::sePartnerYear, "9999", false},
        {control::seYear, control::sePartnerYear, "-999", true},
        {control::seYear, control::sePartnerYear, "-1", false},
        {control::seYear, control::sePartnerYear, "+", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.field) + " " + c.text);
        errors.clear();
        Type(c.field, c.text);
        PressEnterIn(c.field);
        if (c.negativeError) {
            ASSERT_EQ(errors.size(), 1u);
            EXPECT_EQ(errors[0], "'-' is not a valid integer value.");
        } else {
            EXPECT_TRUE(errors.empty());
        }
        // The partner page uses the values as read, with no error at all.
        ShowPage(control::tsSynastry);
        errors.clear();
        Type(c.partnerField, c.text);
        PressEnterIn(c.partnerField);
        EXPECT_TRUE(errors.empty());
        ShowPage(control::tsNucleus);
        // Leaving the field brings it back into its range for the next case.
        Get<QLineEdit>(control::edFirst)->setFocus();
        Get<QLineEdit>(control::edPartnerFirst)->setFocus();
    }
}

TEST_F(BadInputTest, PicturesLoadWithTheirMode) {
    struct Case {
        const char* name;
        const char* resource;
        PictureMode mode;
    };
    const Case cases[] = {
        {control::imStrannik, ":/pictures/strannik.svg", PictureMode::Stretch},
        {control::imPath, ":/pictures/path.svg", PictureMode::Stretch},
        {control::Image1, ":/pictures/blocks.svg", PictureMode::Stretch},
        {control::imEtalon, ":/pictures/etalon.svg", PictureMode::NaturalSize},
        {control::imSpectrum, ":/pictures/digitgrid.svg", PictureMode::NaturalSize},
        {control::imPinnacles, ":/pictures/pinnacles.svg", PictureMode::Stretch},
        {control::imPeriods, ":/pictures/periods.svg", PictureMode::Stretch},
        {control::imGrid, ":/pictures/grid.svg", PictureMode::NaturalSize},
        {control::Image2, ":/pictures/digitgrid.svg", PictureMode::NaturalSize},
    };
    for (const Case& c : cases) {
        auto* picture = Get<Picture>(c.name);
        EXPECT_EQ(picture->Resource(), c.resource) << c.name;
        EXPECT_EQ(picture->Mode(), c.mode) << c.name;
        EXPECT_TRUE(picture->IsLoaded()) << c.name;
        if (c.mode == PictureMode::Stretch) {
            EXPECT_EQ(picture->PictureRect(), picture->rect()) << c.name;
        }
    }
    // Natural size: the drawing's extent in design units, scaled like the layout.
    EXPECT_EQ(Get<Picture>(control::imGrid)->PictureRect().size(), QSize(window->Scale()(287), window->Scale()(240)));
}

} // namespace
} // namespace lirem::ui::test
