// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Cp1251.h"

#include "engine/UnicodeTables.h"

#include <array>
#include <cstdint>
#include <utility>

namespace lirem::engine {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Code points of the bytes 0x80..0xFF.
constexpr std::array<char16_t, 128> kUpperHalf{
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C,
    0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0xFFFD, 0x2122, 0x0459, 0x203A,
    0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9,
    0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
    // 0xC0..0xFF: А..я
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417, 0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D,
    0x041E, 0x041F, 0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427, 0x0428, 0x0429, 0x042A, 0x042B,
    0x042C, 0x042D, 0x042E, 0x042F, 0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437, 0x0438, 0x0439,
    0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F, 0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F};

// Byte of a code point, or '?' when the code page lacks it.
char ToByte(char32_t cp) {
    if (cp < 0x80)
        return static_cast<char>(cp);
    if (cp >= 0x0410 && cp <= 0x044F)
        return static_cast<char>(0xC0 + (cp - 0x0410));
    for (std::size_t i = 0; i < 64; ++i) // the irregular part 0x80..0xBF
        if (kUpperHalf[i] == cp && cp != kReplacement)
            return static_cast<char>(0x80 + i);
    return '?';
}

// Gathers the text in canonical decomposition, then composes it and writes
// bytes: the standard NFC algorithm (decompose, order the marks of each
// character by combining class, compose what is not blocked).
class Encoder {
public:
    explicit Encoder(std::size_t expected) { text_.reserve(expected); }

    void Put(char32_t cp) {
        if (const unicode::Decomposition* d = unicode::CanonicalDecomposition(cp)) {
            for (std::size_t i = 0; i < d->size; ++i)
                Append(d->codePoints[i]);
        } else {
            Append(cp);
        }
    }
    // A malformed sequence: a starter that composes with nothing.
    void PutInvalid() { Append(kReplacement); }

    std::string Finish() && {
        Compose();
        std::string out;
        out.reserve(text_.size());
        for (const char32_t cp : text_)
            out.push_back(ToByte(cp));
        return out;
    }

private:
    // Appends keeping the marks after each starter in canonical order.
    void Append(char32_t cp) {
        const int cls = unicode::CombiningClass(cp);
        std::size_t i = text_.size();
        text_.push_back(cp);
        if (cls == 0)
            return;
        // Runs longer than any real text (the stream-safe limit of 30 marks)
        // are not reordered beyond it, so hostile input stays linear.
        const std::size_t stop = i > kMaxReorder ? i - kMaxReorder : 0;
        while (i > stop) {
            const int before = unicode::CombiningClass(text_[i - 1]);
            if (before <= cls) // a starter (0) or a mark in order
                break;
            text_[i] = text_[i - 1];
            --i;
        }
        text_[i] = cp;
    }

    void Compose() {
        if (text_.empty())
            return;
        std::size_t starter = 0;
        bool hasStarter = unicode::CombiningClass(text_[0]) == 0;
        int lastClass = hasStarter ? 0 : 256;
        std::size_t kept = 1;
        for (std::size_t i = 1; i < text_.size(); ++i) {
            const char32_t cp = text_[i];
            const int cls = unicode::CombiningClass(cp);
            const char32_t composite = hasStarter ? unicode::Compose(text_[starter], cp) : 0;
            if (composite != 0 && (lastClass < cls || lastClass == 0)) {
                text_[starter] = composite;
                continue;
            }
            if (cls == 0) {
                starter = kept;
                hasStarter = true;
            }
            lastClass = cls;
            text_[kept++] = cp;
        }
        text_.resize(kept);
    }

    static constexpr std::size_t kMaxReorder = 30;
    std::u32string text_;
};

} // namespace

std::string Utf8ToCp1251Standard(std::string_view utf8) {
    Encoder enc(utf8.size());
    std::size_t i = 0;
    const std::size_t n = utf8.size();
    const auto at = [&](std::size_t k) { return static_cast<unsigned char>(utf8[k]); };
    while (i < n) {
        const unsigned char lead = at(i);
        if (lead < 0x80) {
            enc.Put(lead);
            ++i;
            continue;
        }
        // Length and the allowed range of the second byte (no overlongs,
        // no surrogates, nothing above U+10FFFF).
        std::size_t len = 0;
        unsigned char lo = 0x80;
        unsigned char hi = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            len = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            len = 3;
            if (lead == 0xE0)
                lo = 0xA0;
            if (lead == 0xED)
                hi = 0x9F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            len = 4;
            if (lead == 0xF0)
                lo = 0x90;
            if (lead == 0xF4)
                hi = 0x8F;
        } else {
            enc.PutInvalid();
            ++i;
            continue;
        }
        // The longest valid prefix of a broken sequence counts as one '?'.
        char32_t cp = lead & (len == 2 ? 0x1Fu : len == 3 ? 0x0Fu : 0x07u);
        std::size_t k = 1;
        for (; k < len && i + k < n; ++k) {
            const unsigned char b = at(i + k);
            const unsigned char low = k == 1 ? lo : 0x80;
            const unsigned char high = k == 1 ? hi : 0xBF;
            if (b < low || b > high)
                break;
            cp = (cp << 6) | (b & 0x3Fu);
        }
        if (k == len)
            enc.Put(cp);
        else
            enc.PutInvalid();
        i += k;
    }
    return std::move(enc).Finish();
}

namespace {

// Code points below this bound that the code page holds map straight to
// their byte (zero: not plain). Every one of them is its own NFC, has
// combining class 0 and is never the second part of a composition, so text
// can be cut just before any of them.
constexpr char32_t kPlainBound = 0x2140;
using PlainTable = std::array<unsigned char, kPlainBound>;
constexpr PlainTable MakePlainTable() {
    PlainTable table{};
    for (char32_t cp = 1; cp < 0x80; ++cp)
        table[cp] = static_cast<unsigned char>(cp);
    for (std::size_t i = 0; i < kUpperHalf.size(); ++i)
        if (kUpperHalf[i] != kReplacement)
            table[kUpperHalf[i]] = static_cast<unsigned char>(0x80 + i);
    return table;
}
constexpr PlainTable kPlain = MakePlainTable();

// The byte of the plain character that starts utf8[i], setting its length;
// zero when that character is not plain (or not well formed). NUL goes the
// standard way, as everything else.
unsigned char PlainAt(std::string_view utf8, std::size_t i, std::size_t& length) {
    const auto at = [&](std::size_t k) { return static_cast<unsigned char>(utf8[k]); };
    const unsigned char lead = at(i);
    if (lead < 0x80) {
        length = 1;
        return lead;
    }
    const std::size_t n = utf8.size();
    const auto trail = [&](std::size_t k) { return k < n && (at(k) & 0xC0u) == 0x80u; };
    if (lead >= 0xC2 && lead <= 0xDF && trail(i + 1)) {
        length = 2;
        return kPlain[((lead & 0x1Fu) << 6) | (at(i + 1) & 0x3Fu)];
    }
    if (lead == 0xE2 && trail(i + 1) && trail(i + 2)) {
        const char32_t cp = 0x2000u | ((at(i + 1) & 0x3Fu) << 6) | (at(i + 2) & 0x3Fu);
        length = 3;
        return cp < kPlainBound ? kPlain[cp] : 0;
    }
    return 0;
}

unsigned char PlainAt(std::u16string_view utf16, std::size_t i, std::size_t& length) {
    length = 1;
    return utf16[i] < kPlainBound ? kPlain[utf16[i]] : 0;
}

// Plain characters byte for character; what lies between them through the
// standard conversion, from the plain character before it (a mark may join
// that one) up to the next plain character. Linear on any input.
template <typename Text, typename Standard> void ConvertInPieces(Text text, std::string& out, Standard standard) {
    out.clear();
    const std::size_t n = text.size();
    std::size_t i = 0;
    while (i < n) {
        std::size_t length = 0;
        std::size_t lastPlain = n;
        while (i < n) {
            const unsigned char byte = PlainAt(text, i, length);
            if (byte == 0)
                break;
            out.push_back(static_cast<char>(byte));
            lastPlain = i;
            i += length;
        }
        if (i == n)
            break;
        std::size_t from = i;
        if (lastPlain != n) {
            from = lastPlain;
            out.pop_back();
        }
        // The next plain character after this one ends the piece.
        for (++i; i < n && PlainAt(text, i, length) == 0; ++i) {
        }
        out += standard(text.substr(from, i - from));
    }
}

} // namespace

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

void Utf8ToCp1251Into(std::string_view utf8, std::string& out) {
    ConvertInPieces(utf8, out, Utf8ToCp1251Standard);
}

std::string Utf8ToCp1251(std::string_view utf8) {
    std::string out;
    Utf8ToCp1251Into(utf8, out);
    return out;
}

namespace {

std::string Utf16ToCp1251Standard(std::u16string_view utf16) {
    Encoder enc(utf16.size());
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        const char16_t u = utf16[i];
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 && utf16[i + 1] <= 0xDFFF) {
            const char32_t cp = 0x10000 + ((static_cast<char32_t>(u) - 0xD800) << 10) + (utf16[i + 1] - 0xDC00);
            enc.Put(cp);
            ++i;
        } else if (u >= 0xD800 && u <= 0xDFFF) {
            enc.PutInvalid();
        } else {
            enc.Put(u);
        }
    }
    return std::move(enc).Finish();
}

} // namespace

std::string Utf16ToCp1251(std::u16string_view utf16) {
    std::string out;
    ConvertInPieces(utf16, out, Utf16ToCp1251Standard);
    return out;
}

char32_t Cp1251CodePoint(unsigned char byte) noexcept {
    return byte < 0x80 ? byte : kUpperHalf[byte - 0x80u];
}

std::u16string Cp1251ToUtf16(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (const char c : text)
        out.push_back(static_cast<char16_t>(Cp1251CodePoint(static_cast<unsigned char>(c))));
    return out;
}

std::string Cp1251ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size() * 2);
    for (const char c : text)
        AppendUtf8(out, Cp1251CodePoint(static_cast<unsigned char>(c)));
    return out;
}

} // namespace lirem::engine
