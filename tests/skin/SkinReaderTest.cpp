// SPDX-License-Identifier: GPL-3.0-or-later
// Archive parsing and entry lookup.
#include "skin/archive/SkinRead.h"
#include "tools/skinpack/ArchiveWriter.h"
#include "tools/skinpack/LzhEncoder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using Bytes = std::vector<std::uint8_t>;
using lirem::skinpack::ArchiveEntry;

Bytes TextBytes(std::string_view s) {
    return {s.begin(), s.end()};
}

void PutInt32(Bytes& b, std::int64_t v) {
    for (int i = 0; i < 4; ++i)
        b.push_back(static_cast<std::uint8_t>(static_cast<std::uint64_t>(v) >> (8 * i)));
}

// A raw archive from its parts, for layouts the writer would never produce.
Bytes RawArchive(std::int64_t listLength, std::string_view list, const std::vector<std::int64_t>& sizes,
                 std::string_view data) {
    Bytes b;
    PutInt32(b, listLength);
    b.insert(b.end(), list.begin(), list.end());
    for (const auto s : sizes)
        PutInt32(b, s);
    b.insert(b.end(), data.begin(), data.end());
    return b;
}

const std::vector<ArchiveEntry> kSkin = {
    {"top.bmp", TextBytes("BM-top")},
    {"Dialog.bmp", TextBytes("BM-dialog")},
    {"empty.bmp", {}},
    {"Scroll/Bar.bmp", TextBytes("BM-slash")},
    {"Skin.INI", TextBytes("[Personality]\r\nTop=top.bmp\r\n")},
    {"other.ini", TextBytes("second ini")},
};

lirem::skin::TSkinReader LoadPacked(const std::vector<ArchiveEntry>& entries) {
    lirem::skin::TSkinReader reader;
    EXPECT_TRUE(reader.LoadFromPacked(lirem::skinpack::EncodeLzh(lirem::skinpack::WriteArchive(entries))));
    return reader;
}

TEST(SkinReader, NamesAreLowerCasedAndSizesKept) {
    const auto reader = LoadPacked(kSkin);
    EXPECT_EQ(reader.Names(), (std::vector<std::string>{"top.bmp", "dialog.bmp", "empty.bmp", "scroll/bar.bmp",
                                                        "skin.ini", "other.ini"}));
    EXPECT_EQ(reader.Sizes(), (std::vector<std::int32_t>{6, 9, 0, 8, 28, 10}));
}

TEST(SkinReader, ExtractByName) {
    const auto reader = LoadPacked(kSkin);
    struct Case {
        std::string_view name;
        bool found;
        std::string_view bytes;
    };
    const Case cases[] = {
        {"Dialog.bmp", true, "BM-dialog"},
        {"DIALOG.BMP", true, "BM-dialog"},
        {"dIaLoG.bMp", true, "BM-dialog"},
        {"top.bmp", true, "BM-top"},
        {"empty.bmp", true, ""},
        {"scroll/bar.bmp", true, "BM-slash"},
        {"Scroll/BAR.bmp", true, "BM-slash"},
        {"scroll\\bar.bmp", false, ""},
        {"bar.bmp", false, ""},
        {"top", false, ""},
        {"", false, ""},
        {"top.bmp ", false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Bytes dest = TextBytes("stale");
        EXPECT_EQ(reader.ExtractByName(c.name, dest), c.found);
        EXPECT_EQ(dest, TextBytes(c.bytes));
    }
}

TEST(SkinReader, ExtractByPattern) {
    const auto reader = LoadPacked(kSkin);
    struct Case {
        std::string_view text;
        bool found;
        std::string_view name;
        std::string_view bytes;
    };
    const Case cases[] = {
        {".ini", true, "skin.ini", "[Personality]\r\nTop=top.bmp\r\n"}, // first of two wins
        {"/", true, "scroll/bar.bmp", "BM-slash"},
        {"empty", true, "empty.bmp", ""},
        {".bmp", true, "top.bmp", "BM-top"},
        {"Dialog", false, "unchanged", ""}, // names are lower-cased, the text is not
        {".gif", false, "unchanged", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Bytes dest = TextBytes("stale");
        std::string name = "unchanged";
        EXPECT_EQ(reader.ExtractByPattern(c.text, dest, name), c.found);
        EXPECT_EQ(name, c.name);
        EXPECT_EQ(dest, TextBytes(c.bytes));
    }
}

TEST(SkinReader, PackedEntriesReadInAnyOrderAsUnpacked) {
    // A packed archive is decoded as its entries are read; forwards,
    // backwards or one entry alone, each reads as the unpacked archive has it.
    const Bytes archive = lirem::skinpack::WriteArchive(kSkin);
    lirem::skin::TSkinReader unpacked;
    ASSERT_TRUE(unpacked.LoadFromArchive(archive));
    const std::vector<std::vector<std::size_t>> orders = {{0, 1, 2, 3, 4, 5}, {5, 4, 3, 2, 1, 0}, {3}, {4, 0, 4}};
    for (const auto& order : orders) {
        lirem::skin::TSkinReader packed = LoadPacked(kSkin);
        ASSERT_EQ(packed.Names(), unpacked.Names());
        for (const std::size_t i : order) {
            Bytes got;
            Bytes want;
            EXPECT_TRUE(packed.ExtractByName(unpacked.Names()[i], got));
            EXPECT_TRUE(unpacked.ExtractByName(unpacked.Names()[i], want));
            EXPECT_EQ(got, want) << unpacked.Names()[i];
        }
    }
}

TEST(SkinReader, DuplicateNamesFirstWins) {
    const auto reader = LoadPacked({{"a.bmp", TextBytes("first")}, {"A.BMP", TextBytes("second")}});
    Bytes dest;
    EXPECT_TRUE(reader.ExtractByName("a.bmp", dest));
    EXPECT_EQ(dest, TextBytes("first"));
}

TEST(SkinReader, AcceptedLayouts) {
    struct Case {
        const char* name;
        Bytes archive;
        std::vector<std::string> names;
        std::vector<std::int32_t> sizes;
    };
    const Case cases[] = {
        {"empty archive", RawArchive(0, "", {}, ""), {}, {}},
        {"CR LF, CR and LF breaks",
         RawArchive(10, "a\r\nb\rc\nd\r\n", {1, 1, 1, 1}, "abcd"),
         {"a", "b", "c", "d"},
         {1, 1, 1, 1}},
        {"no final break", RawArchive(4, "a\r\nB", {0, 2}, "bb"), {"a", "b"}, {0, 2}},
        {"blank line is an entry", RawArchive(5, "a\r\n\r\n", {1, 0}, "a"), {"a", ""}, {1, 0}},
        {"data longer than the entries", RawArchive(3, "a\r\n", {1}, "abcdef"), {"a"}, {1}},
        {"entry ends exactly at the end", RawArchive(3, "a\r\n", {3}, "abc"), {"a"}, {3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        lirem::skin::TSkinReader reader;
        EXPECT_TRUE(reader.LoadFromArchive(c.archive));
        EXPECT_EQ(reader.Names(), c.names);
        EXPECT_EQ(reader.Sizes(), c.sizes);
    }
}

std::string ManyNames(int n) {
    std::string list;
    for (int i = 0; i < n; ++i)
        list += "e" + std::to_string(i) + "\r\n";
    return list;
}

TEST(SkinReader, MalformedArchivesAreRejectedWhole) {
    const std::string list1002 = ManyNames(1002);
    struct Case {
        const char* name;
        Bytes archive;
    };
    const Case cases[] = {
        {"nothing", {}},
        {"three bytes", {0, 0, 0}},
        {"negative name list length", RawArchive(-1, "a\r\n", {1}, "a")},
        {"name list longer than the data", RawArchive(100, "a\r\n", {1}, "a")},
        {"size table cut short", RawArchive(6, "a\r\nb\r\n", {1}, "")},
        {"entry runs past the data", RawArchive(3, "a\r\n", {4}, "abc")},
        {"sizes together run past the data", RawArchive(6, "a\r\nb\r\n", {2, 2}, "abc")},
        {"sizes overflow when summed", RawArchive(6, "a\r\nb\r\n", {0x7FFFFFFF, 0x7FFFFFFF}, "abc")},
        {"negative size", RawArchive(6, "a\r\nb\r\n", {-1, 1}, "ab")},
        {"more than 1001 names",
         RawArchive(static_cast<std::int64_t>(list1002.size()), list1002, std::vector<std::int64_t>(1002, 0), "")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        lirem::skin::TSkinReader reader;
        ASSERT_TRUE(reader.LoadFromArchive(RawArchive(3, "x\r\n", {1}, "x")));
        EXPECT_FALSE(reader.LoadFromArchive(c.archive));
        EXPECT_TRUE(reader.Names().empty());
        EXPECT_TRUE(reader.Sizes().empty());
        Bytes dest = TextBytes("stale");
        EXPECT_FALSE(reader.ExtractByName("x", dest));
        EXPECT_TRUE(dest.empty());
    }
}

TEST(SkinReader, ExactlyTheMaximumNumberOfNamesIsAccepted) {
    const std::string list = ManyNames(1001);
    lirem::skin::TSkinReader reader;
    EXPECT_TRUE(reader.LoadFromArchive(
        RawArchive(static_cast<std::int64_t>(list.size()), list, std::vector<std::int64_t>(1001, 0), "")));
    EXPECT_EQ(reader.Names().size(), 1001u);
}

TEST(SkinReader, PackedStreamsThatCannotHoldAnArchive) {
    struct Case {
        const char* name;
        Bytes packed;
    };
    const Case cases[] = {
        {"no header", {}},
        {"unpacked size 0", lirem::skinpack::EncodeLzh({})},
        {"unpacked size above the limit", {0xFF, 0xFF, 0xFF, 0x7F}},
        {"garbage bit stream", {64, 0, 0, 0, 0xDE, 0xAD, 0xBE, 0xEF, 0x12, 0x34}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        lirem::skin::TSkinReader reader;
        EXPECT_FALSE(reader.LoadFromPacked(c.packed));
        EXPECT_TRUE(reader.Names().empty());
    }
}

TEST(SkinReader, TruncatedPackedSkinIsSafe) {
    const Bytes packed = lirem::skinpack::EncodeLzh(lirem::skinpack::WriteArchive(kSkin));
    for (std::size_t keep = 4; keep < packed.size(); ++keep) {
        lirem::skin::TSkinReader reader;
        const Bytes cut(packed.begin(), packed.begin() + static_cast<std::ptrdiff_t>(keep));
        if (reader.LoadFromPacked(cut)) {
            EXPECT_LE(reader.Names().size(), lirem::skin::TSkinReader::kMaxEntries);
        } else {
            EXPECT_TRUE(reader.Names().empty());
        }
    }
}

} // namespace
