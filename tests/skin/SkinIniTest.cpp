// SPDX-License-Identifier: GPL-3.0-or-later
// The INI reader and the colour text parser.
#include "skin/data/SkinIni.h"
#include "skin/data/SkinColour.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace lirem::skin {
namespace {

struct IntegerCase {
    const char* text;
    std::optional<std::int32_t> value;
};

TEST(SkinIni, ParsesIntegersInDecimalAndHex) {
    const IntegerCase cases[] = {
        {"12", 12},
        {"-7", -7},
        {"+5", 5},
        {" 42 ", 42},
        {"$1F", 31},
        {"0x1f", 31},
        {"0X1F", 31},
        {"x10", 16},
        {"-$10", -16},
        {"$FFFFFFFF", -1},
        {"$7FFFFFFF", 2147483647},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"2147483648", std::nullopt},
        {"$1FFFFFFFF", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"12abc", std::nullopt},
        {"1 2", std::nullopt},
        {"", std::nullopt},
        {"-", std::nullopt},
        {"$", std::nullopt},
        {"0x", std::nullopt},
        {"$G", std::nullopt},
        {"1.5", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IniText::ParseInteger(c.text), c.value) << '"' << c.text << '"';
}

TEST(SkinIni, NamesIgnoreLetterCaseAndTheFirstOccurrenceWins) {
    const IniText ini("[Buttons]\r\n"
                      "LeftWidth=12\r\n"
                      "leftwidth=99\r\n"
                      "[buttons]\r\n"
                      "TopHeight=5\r\n"
                      "[Other]\n"
                      "Key = spaced value \n");
    struct Case {
        const char* section;
        const char* key;
        std::optional<std::string> value;
    };
    const Case cases[] = {
        {"Buttons", "LeftWidth", "12"},         {"BUTTONS", "LEFTWIDTH", "12"},   {"buttons", "leftWidth", "12"},
        {"Buttons", "TopHeight", std::nullopt}, // only in the repeated section, which is ignored
        {"other", "key", "spaced value"},       {"Missing", "Key", std::nullopt}, {"Other", "Missing", std::nullopt},
    };
    for (const auto& c : cases) {
        const auto v = ini.Value(c.section, c.key);
        EXPECT_EQ(v ? std::optional<std::string>(std::string(*v)) : std::nullopt, c.value) << c.section << '/' << c.key;
    }
    EXPECT_EQ(ini.Sections(), (std::vector<std::string>{"Buttons", "Other"}));
}

// Names are looked up through an index: with thousands of sections the first
// occurrence of each section and key still wins, in any letter case.
TEST(SkinIni, ManySectionsAndKeysKeepFirstOccurrenceRules) {
    std::string text;
    for (int i = 0; i < 1500; ++i)
        text += "[Sec" + std::to_string(i) + "]\nKey=" + std::to_string(i) + "\nKEY=other\n";
    for (int i = 0; i < 1500; i += 2)
        text += "[SEC" + std::to_string(i) + "]\nLate=1\n"; // repeated: ignored whole
    text += "[Wide]\n";
    for (int k = 0; k < 3000; ++k)
        text += "k" + std::to_string(k % 1500) + "=" + std::to_string(k) + "\n";
    const IniText ini(text);
    for (int i = 0; i < 1500; i += 31) {
        const std::string section = (i % 2 ? "sec" : "SeC") + std::to_string(i);
        EXPECT_EQ(ini.ReadInteger(section, "key", -1), i) << section;
        EXPECT_FALSE(ini.Value(section, "Late").has_value()) << section;
        EXPECT_EQ(ini.ReadInteger("WIDE", "K" + std::to_string(i % 1500), -1), i % 1500) << i;
    }
    EXPECT_EQ(ini.Sections().size(), 1501u); // within the list budget
    EXPECT_EQ(ini.Sections().back(), "Wide");
    EXPECT_FALSE(ini.HasSection("Sec1500"));
}

TEST(SkinIni, SectionHeaderFollowedByBlanksNamesTheSameSection) {
    const IniText ini("[HorzScrollThumb]   \t\r\nImage=scrollhb.bmp\r\n[ Tabs ]\rImage=tabs.bmp\r[VertScrollThumb]");
    EXPECT_EQ(ini.ReadString("HorzScrollThumb", "Image"), "scrollhb.bmp");
    EXPECT_EQ(ini.ReadString("Tabs", "Image"), "tabs.bmp");
    EXPECT_TRUE(ini.HasSection("VertScrollThumb"));
    EXPECT_EQ(ini.Sections(), (std::vector<std::string>{"HorzScrollThumb", "Tabs", "VertScrollThumb"}));
}

TEST(SkinIni, SkipsCommentsStrayLinesAndKeysOutsideSections) {
    const IniText ini("\xEF\xBB\xBF"
                      "Orphan=1\n"
                      "; [NotASection]\n"
                      "[S]\n"
                      ";Key=commented\n"
                      "no equals sign\n"
                      "=no key\n"
                      "Key=\"quoted value\"\n"
                      "Half=\"open\n"
                      "Empty=\n");
    EXPECT_EQ(ini.Sections(), std::vector<std::string>{"S"});
    EXPECT_EQ(ini.ReadString("S", "Key"), "quoted value");
    EXPECT_EQ(ini.ReadString("S", "Half"), "\"open");
    EXPECT_EQ(ini.ReadString("S", "Empty", "fallback"), "");
    EXPECT_EQ(ini.ReadString("S", "Orphan", "none"), "none");
}

TEST(SkinIni, IntegersFallBackToTheDefaultWhenMissingOrMalformed) {
    const IniText ini("[S]\nGood=$10\nBad=12px\nBlank=\n");
    EXPECT_EQ(ini.ReadInteger("S", "Good", -1), 16);
    EXPECT_EQ(ini.ReadInteger("S", "Bad", -1), -1);
    EXPECT_EQ(ini.ReadInteger("S", "Blank", 3), 3);
    EXPECT_EQ(ini.ReadInteger("S", "Missing", 7), 7);
    EXPECT_EQ(ini.ReadInteger("Missing", "Good", 8), 8);
}

TEST(SkinIni, ValuesAndTheSectionListAreBounded) {
    std::string text = "[S]\nLong=" + std::string(5000, 'a') + "\n";
    for (int i = 0; i < 2000; ++i)
        text += "[Section" + std::to_string(i) + "]\n";
    const IniText ini(text);
    EXPECT_EQ(ini.ReadString("S", "Long").size(), IniText::kMaxValueLength);
    std::size_t bytes = 1;
    for (const auto& s : ini.Sections())
        bytes += s.size() + 1;
    EXPECT_LE(bytes, IniText::kMaxSectionListBytes);
    EXPECT_LT(ini.Sections().size(), 2001u);
    EXPECT_TRUE(ini.HasSection("Section1999")); // still readable, only not listed
}

struct ColourCase {
    const char* text;
    Colour expected;
};

TEST(SkinColour, ParsesColourTexts) {
    constexpr Colour fallback = kClBtnFace;
    const ColourCase cases[] = {
        {"64 112 176", RgbColour(64, 112, 176)},
        {"64,112,176", RgbColour(64, 112, 176)},
        {"  64 112 176  ", RgbColour(64, 112, 176)},
        {"220  220 220", RgbColour(220, 0, 220)}, // two blanks skip a slot
        {"1,,3", RgbColour(1, 0, 3)},
        {"10 20", RgbColour(10, 0, 0)}, // the last number counts only in the third slot
        {"7", RgbColour(0, 0, 0)},
        {"1 2 3 4 5 6 7", RgbColour(1, 2, 3)}, // extra numbers never leave the three slots
        {"1,2,3,4,", RgbColour(1, 2, 3)},
        {"300 256 511", RgbColour(44, 0, 255)}, // low 8 bits
        {"99999999999999999999 0 1", RgbColour(255, 0, 1)},
        {"$FF 0 0", RgbColour(0, 0, 0)},
        {"", fallback},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseColourText(c.text, fallback), c.expected) << '"' << c.text << '"';
}

TEST(SkinColour, ResolvesSystemColoursThroughThePalette) {
    QPalette palette;
    palette.setColor(QPalette::Button, QColor(1, 2, 3));
    palette.setColor(QPalette::Highlight, QColor(4, 5, 6));
    palette.setColor(QPalette::Mid, QColor(7, 8, 9));
    EXPECT_EQ(ResolveColour(RgbColour(64, 112, 176), palette), QColor(64, 112, 176));
    EXPECT_EQ(ResolveColour(kClBtnFace, palette), QColor(1, 2, 3));
    EXPECT_EQ(ResolveColour(kClHighlight, palette), QColor(4, 5, 6));
    EXPECT_EQ(ResolveColour(kClBtnShadow, palette), QColor(7, 8, 9));
}

} // namespace
} // namespace lirem::skin
