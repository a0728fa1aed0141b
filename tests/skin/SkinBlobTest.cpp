// SPDX-License-Identifier: GPL-3.0-or-later
// The skin embedded in the program is a well-formed stored skin block.
#include "assets/skinblob/SkinBlob.h"
#include "skin/archive/SkinRead.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

namespace {

TEST(SkinBlob, EmbeddedSkinLoads) {
    const QByteArray stored = lirem::skin::NumeroSkinStream();
    ASSERT_GE(stored.size(), 4);
    std::int32_t n = 0;
    std::memcpy(&n, stored.constData(), 4); // little-endian host
    ASSERT_EQ(n, stored.size() - 4);
    const auto* packed = reinterpret_cast<const std::uint8_t*>(stored.constData()) + 4;
    lirem::skin::TSkinReader reader;
    ASSERT_TRUE(reader.LoadFromPacked({packed, static_cast<std::size_t>(n)}));
    for (std::size_t i = 0; i < reader.Names().size(); ++i) {
        std::vector<std::uint8_t> bytes;
        EXPECT_TRUE(reader.ExtractByName(reader.Names()[i], bytes));
        // A duplicated name yields the first entry's bytes.
        if (std::count(reader.Names().begin(), reader.Names().end(), reader.Names()[i]) == 1) {
            EXPECT_EQ(bytes.size(), static_cast<std::size_t>(reader.Sizes()[i]));
        }
    }
}

} // namespace
