// SPDX-License-Identifier: GPL-3.0-or-later
// Which files of a skin folder the packer takes, and in what order.
#include "tools/skinpack/SkinFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <string>

namespace fs = std::filesystem;

namespace {

class SkinFolder : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("skinfolder-" + std::to_string(std::random_device{}()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    void Write(const std::string& name, const std::string& text) {
        std::ofstream(dir_ / name, std::ios::binary) << text;
    }
    std::vector<std::string> Names() {
        std::vector<std::string> names;
        for (const auto& e : lirem::skinpack::ReadSkinFolder(dir_))
            names.push_back(e.name);
        return names;
    }

    fs::path dir_;
};

TEST_F(SkinFolder, WithoutOrderFileNameOrderIniLastHiddenSkipped) {
    Write("top.bmp", "t");
    Write("Dialog.bmp", "d");
    Write("a.INI", "i");
    Write("button.bmp", "b");
    Write(".hidden", "h");
    fs::create_directory(dir_ / "sub");
    EXPECT_EQ(Names(), (std::vector<std::string>{"Dialog.bmp", "button.bmp", "top.bmp", "a.INI"}));
}

TEST_F(SkinFolder, OrderFileDecidesEntriesAndOrder) {
    Write("top.bmp", "top");
    Write("bottom.bmp", "");
    Write("skin.ini", "ini");
    Write("generator.py", "not packed");
    Write("entries.lst", "# archive order\r\ntop.bmp\r\n\r\nbottom.bmp \nskin.ini\n");
    const auto entries = lirem::skinpack::ReadSkinFolder(dir_);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].name, "top.bmp");
    EXPECT_EQ(entries[0].bytes, (std::vector<std::uint8_t>{'t', 'o', 'p'}));
    EXPECT_EQ(entries[1].name, "bottom.bmp");
    EXPECT_TRUE(entries[1].bytes.empty());
    EXPECT_EQ(entries[2].name, "skin.ini");
}

TEST_F(SkinFolder, OrderFileNamingAMissingFileFails) {
    Write("entries.lst", "missing.bmp\n");
    EXPECT_THROW(lirem::skinpack::ReadSkinFolder(dir_), std::runtime_error);
}

TEST_F(SkinFolder, EmptyFolderHasNoEntriesMissingFolderFails) {
    EXPECT_TRUE(Names().empty());
    EXPECT_THROW(lirem::skinpack::ReadSkinFolder(dir_ / "absent"), std::runtime_error);
}

} // namespace
