// SPDX-License-Identifier: GPL-3.0-or-later
// The text converter against an outside implementation: ICU's NFC followed by
// ICU's windows-1251 converter with '?' for what the code page lacks, on
// generated strings. Linked with ICU for this test only.
//
// Where the two differ by design: the converter stops reordering a run of
// combining marks 30 marks back (the stream-safe bound, to stay linear on
// hostile input), ICU sorts any run. Long runs are compared exactly when they
// are already in canonical order (ICU's NFD of the string), and otherwise only
// checked to end with one byte per code point at most.
#include "engine/Cp1251.h"

#include <unicode/normalizer2.h>
#include <unicode/ucnv.h>
#include <unicode/ucnv_cb.h>
#include <unicode/unistr.h>

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace lirem::engine {
namespace {

// Code point ranges assigned before Unicode 14 (the converter's tables) and
// stable since: what a name field may receive, and what breaks normalisers.
constexpr std::array<std::pair<char32_t, char32_t>, 16> kRanges = {{
    {0x0020, 0x007E},   // ASCII
    {0x00A0, 0x017F},   // Latin-1 and Latin Extended-A (precomposed)
    {0x0300, 0x036F},   // combining diacritics, classes 202 to 240
    {0x0340, 0x0344},   // singletons and the dialytika tonos
    {0x0400, 0x045F},   // Cyrillic
    {0x0483, 0x0489},   // Cyrillic combining marks
    {0x0591, 0x05C7},   // Hebrew points, many classes
    {0x0958, 0x095F},   // composition exclusions
    {0x1100, 0x1112},   // Hangul leading jamo
    {0x1161, 0x1175},   // Hangul vowel jamo
    {0x11A8, 0x11C2},   // Hangul trailing jamo
    {0x1E00, 0x1EFF},   // Latin Extended Additional (precomposed, Vietnamese)
    {0x1F00, 0x1FFE},   // Greek Extended
    {0x2116, 0x2135},   // numero, Kelvin, Angstrom
    {0xAC00, 0xAC40},   // Hangul syllables
    {0x1D15E, 0x1D164}, // musical symbols excluded from composition
}};
// Marks of different classes, for hostile runs: 230, 220, 232, 216, 202, 1, 240.
constexpr std::array<char32_t, 7> kMarks = {0x0301, 0x0323, 0x0315, 0x031B, 0x0327, 0x0334, 0x0345};

// '?' for every code point the code page lacks. ICU's own substitute callback
// drops default-ignorable code points (U+034F, U+200B) instead; the converter
// writes '?' for them as for any other.
void SubstituteEveryCodePoint(const void*, UConverterFromUnicodeArgs* args, const UChar*, int32_t, UChar32,
                              UConverterCallbackReason reason, UErrorCode* status) {
    if (reason > UCNV_IRREGULAR)
        return;
    *status = U_ZERO_ERROR;
    ucnv_cbFromUWriteBytes(args, "?", 1, 0, status);
}

void AppendUtf8(std::string& out, char32_t cp) {
    icu::UnicodeString(static_cast<UChar32>(cp)).toUTF8String(out);
}

class Oracle {
public:
    Oracle() {
        UErrorCode status = U_ZERO_ERROR;
        nfc_ = icu::Normalizer2::getNFCInstance(status);
        nfd_ = icu::Normalizer2::getNFDInstance(status);
        converter_.reset(ucnv_open("windows-1251", &status));
        if (U_SUCCESS(status))
            ucnv_setFromUCallBack(converter_.get(), SubstituteEveryCodePoint, nullptr, nullptr, nullptr, &status);
        ok_ = U_SUCCESS(status);
    }
    bool Ok() const { return ok_; }

    std::string Cp1251(const std::string& utf8) const {
        UErrorCode status = U_ZERO_ERROR;
        const icu::UnicodeString nfc = nfc_->normalize(icu::UnicodeString::fromUTF8(utf8), status);
        std::string out(static_cast<std::size_t>(nfc.length()) * 2 + 1, '\0');
        const int32_t n = ucnv_fromUChars(converter_.get(), out.data(), static_cast<int32_t>(out.size()),
                                          nfc.getBuffer(), nfc.length(), &status);
        if (U_FAILURE(status))
            return "<ICU error>";
        out.resize(static_cast<std::size_t>(n));
        return out;
    }

    std::string CanonicalOrder(const std::string& utf8) const {
        UErrorCode status = U_ZERO_ERROR;
        std::string out;
        nfd_->normalize(icu::UnicodeString::fromUTF8(utf8), status).toUTF8String(out);
        return out;
    }

private:
    struct CloseConverter {
        void operator()(UConverter* c) const { ucnv_close(c); }
    };
    const icu::Normalizer2* nfc_ = nullptr;
    const icu::Normalizer2* nfd_ = nullptr;
    std::unique_ptr<UConverter, CloseConverter> converter_;
    bool ok_ = false;
};

std::string Printable(const std::string& bytes) {
    static const char* const kHex = "0123456789ABCDEF";
    std::string out;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        out += kHex[b >> 4];
        out += kHex[b & 15];
        out += ' ';
    }
    return out;
}

TEST(Cp1251Oracle, AgreesWithIcuOnGeneratedText) {
    const Oracle icu;
    ASSERT_TRUE(icu.Ok());
    std::mt19937 random(1251);
    auto pick = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random); };

    struct Family {
        const char* name;
        int count;
        std::size_t minMarks; // hostile: a starter, then this many marks or more
    };
    const Family families[] = {{"mixed text", 4000, 0}, {"long mark runs", 300, 31}};
    int compared = 0;
    for (const Family& family : families) {
        for (int n = 0; n < family.count; ++n) {
            std::string text;
            if (family.minMarks == 0) {
                const std::size_t length = pick(24);
                for (std::size_t i = 0; i < length; ++i) {
                    const auto& [first, last] = kRanges[pick(kRanges.size())];
                    AppendUtf8(text, first + static_cast<char32_t>(pick(last - first + 1)));
                }
            } else {
                AppendUtf8(text, 0x0438 + static_cast<char32_t>(pick(3))); // и, й, к
                const std::size_t marks = family.minMarks + pick(200);
                for (std::size_t i = 0; i < marks; ++i)
                    AppendUtf8(text, kMarks[pick(kMarks.size())]);
                AppendUtf8(text, 0x0306); // a breve that may compose with the и
            }
            const std::string ordered = icu.CanonicalOrder(text);
            EXPECT_EQ(Printable(Utf8ToCp1251(ordered)), Printable(icu.Cp1251(ordered)))
                << family.name << ": " << Printable(ordered);
            ++compared;
            if (family.minMarks == 0) {
                // No run here reaches 30 marks: the text as generated agrees too.
                EXPECT_EQ(Printable(Utf8ToCp1251(text)), Printable(icu.Cp1251(text)))
                    << family.name << ": " << Printable(text);
            } else {
                const std::size_t codePoints =
                    static_cast<std::size_t>(icu::UnicodeString::fromUTF8(text).countChar32());
                EXPECT_LE(Utf8ToCp1251(text).size(), codePoints) << family.name;
            }
        }
    }
    EXPECT_EQ(compared, 4300);
}

} // namespace
} // namespace lirem::engine
