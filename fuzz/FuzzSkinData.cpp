// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: everything the skin data reads after unpacking. The first
// byte chooses what the rest is:
//   0  an unpacked skin archive, loaded as the program loads its skin (INI
//      entry parsed, every bitmap it names decoded into the skin elements);
//   1  an INI description without images, then every key of every section
//      read as an integer;
//   2  a Windows bitmap file.
#include "skin/archive/SkinRead.h"
#include "skin/data/SkinIni.h"
#include "skin/data/WinSkinData.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace {

void LoadArchive(std::span<const std::uint8_t> in) {
    lirem::skin::TSkinReader reader;
    if (!reader.LoadFromArchive(in))
        return;
    std::vector<std::uint8_t> ini;
    std::string name;
    if (!reader.ExtractByPattern(".ini", ini, name))
        return;
    lirem::skin::TSkinData data;
    data.ReadSkinIni(std::string_view(reinterpret_cast<const char*>(ini.data()), ini.size()), &reader);
    if (data.SkinEmpty())
        std::abort();
}

void ReadIni(std::span<const std::uint8_t> in) {
    const std::string_view text(reinterpret_cast<const char*>(in.data()), in.size());
    const lirem::skin::IniText ini(text);
    for (const std::string& section : ini.Sections()) {
        if (!ini.HasSection(section))
            std::abort();
        const std::string value = ini.ReadString(section, "Bitmap");
        if (value.size() > lirem::skin::IniText::kMaxValueLength)
            std::abort();
        (void)ini.ReadInteger(section, "FrameCount", 1);
    }
    lirem::skin::TSkinData data;
    data.ReadSkinIni(text);
}

void DecodeBitmap(std::span<const std::uint8_t> in) {
    const QImage image = lirem::skin::TSkinData::DecodeSkinBitmap(in);
    // A decoded image never claims more pixels than the file could describe.
    if (!image.isNull() && (image.width() <= 0 || image.height() <= 0))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1)
        return 0;
    const std::span<const std::uint8_t> rest(data + 1, size - 1);
    switch (data[0] % 3) {
    case 0:
        LoadArchive(rest);
        break;
    case 1:
        ReadIni(rest);
        break;
    default:
        DecodeBitmap(rest);
        break;
    }
    return 0;
}
