// SPDX-License-Identifier: GPL-3.0-or-later
// The text of the error report and the code page boundary.
#include "look/TextBoundary.h"
#include "ui/ErrorReporter.h"

#include "engine/Cp1251.h"
#include "tests/support/TestNames.h"

#include <gtest/gtest.h>

namespace lirem::ui::test {
namespace {

struct FullStopCase {
    std::string message;
    QString shown;
};

class FullStopTest : public ::testing::TestWithParam<FullStopCase> {};

TEST_P(FullStopTest, AppendsAFullStopAfterCharactersSortingAfterTheDot) {
    EXPECT_EQ(ErrorText(GetParam().message), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, FullStopTest,
    ::testing::Values(FullStopCase{"'-' is not a valid integer value", "'-' is not a valid integer value."},
                      FullStopCase{"Invalid argument to date encode", "Invalid argument to date encode."},
                      FullStopCase{"ends with a dot.", "ends with a dot."},
                      FullStopCase{"ends with a digit 7", "ends with a digit 7."},
                      FullStopCase{"ends with a slash/", "ends with a slash/."}, // '/' follows '.'
                      FullStopCase{"ends with a dash-", "ends with a dash-"},    // '-' precedes '.'
                      FullStopCase{"ends with a bang!", "ends with a bang!"},
                      FullStopCase{"ends with a space ", "ends with a space "},
                      FullStopCase{"\xCE\xF8\xE8\xE1\xEA\xE0", QStringLiteral("Ошибка.")}, FullStopCase{"", ""}),
    [](const auto& testCase) { return lirem::test::TestNameOf(testCase.param.message); });

TEST(TextBoundaryTest, RoundTripsEveryCyrillicLetter) {
    QString letters = QStringLiteral("ЁёЄєІіЇїЎў№");
    for (char16_t c = 0x0410; c <= 0x044F; ++c) {
        letters.append(QChar(c));
    }
    const std::string bytes = look::ToEngineText(letters);
    ASSERT_EQ(bytes.size(), static_cast<std::size_t>(letters.size()));
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0xA8);
    EXPECT_EQ(static_cast<unsigned char>(bytes[1]), 0xB8);
    EXPECT_EQ(look::FromEngineText(bytes), letters);
}

TEST(TextBoundaryTest, ComposesBeforeConvertingAndMarksTheRest) {
    struct Case {
        QString text;
        std::string bytes;
    };
    const Case cases[] = {
        {QStringLiteral("и\u0306"), "\xE9"},      // decomposed й
        {QStringLiteral("Е\u0308ж"), "\xA8\xE6"}, // decomposed Ё
        {QStringLiteral("e\u0301"), "?"},         // é: no such letter in the code page
        {QStringLiteral("Ω😀"), "??"},             // Greek, emoji (one character each)
        {QStringLiteral("a\tb\n"), "a\tb\n"},     // control characters pass through
    };
    for (const Case& c : cases) {
        EXPECT_EQ(look::ToEngineText(c.text), c.bytes) << c.text.toStdString();
    }
}

// The engine's converter gives what Qt's own NFC followed by the code page
// gives, on the texts people type: names with decomposed й and ё, accented
// Latin, marks in either order, a mark with no letter before it.
TEST(TextBoundaryTest, AgreesWithTheToolkitsNormalisationOnOrdinaryText) {
    const QString texts[] = {
        QStringLiteral("Андрей Сергеевич Королёв"),
        QStringLiteral("Андре\u0439 Сергеевич Короле\u0308в"),
        QStringLiteral("Андреи\u0306 Короле\u0308в Ё\u0301лкин"),
        QStringLiteral("И\u0306ОШКАР-ОЛА ЕЕ\u0308"),
        QStringLiteral("Zoë Renée Müller Ångström"),
        QStringLiteral("a\u0316\u0301 a\u0301\u0316 \u0301\u0316е"),
        QStringLiteral("+7 (912) 345-67-89, кв. 12"),
        QStringLiteral("\uFB01 \u212B \u2126 K\u212A"),
    };
    for (const QString& text : texts) {
        const QString nfc = text.normalized(QString::NormalizationForm_C);
        const std::string viaToolkit = engine::Utf16ToCp1251(
            std::u16string_view(reinterpret_cast<const char16_t*>(nfc.utf16()), static_cast<std::size_t>(nfc.size())));
        EXPECT_EQ(look::ToEngineText(text), viaToolkit) << text.toStdString();
    }
}

} // namespace
} // namespace lirem::ui::test
