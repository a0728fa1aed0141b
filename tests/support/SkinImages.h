// SPDX-License-Identifier: GPL-3.0-or-later
// Small synthetic images, bitmap files, archives and skins for the skin tests,
// and the program's own skin as the program loads it.
#pragma once

#include "skin/archive/SkinRead.h"
#include "skin/data/WinSkinData.h"
#include "tools/skinpack/ArchiveWriter.h"
#include "tools/skinpack/LzhEncoder.h"

#include <QBuffer>
#include <QImage>

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace lirem::skin::test {

inline QImage Filled(int w, int h, QRgb colour) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// The image as a Windows bitmap file, in the image's own pixel format.
inline std::vector<std::uint8_t> BmpFile(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "BMP"))
        throw std::runtime_error("cannot write a test bitmap");
    return {bytes.begin(), bytes.end()};
}

inline std::vector<std::uint8_t> Bytes(std::string_view text) {
    return {text.begin(), text.end()};
}

inline std::vector<std::uint8_t> Archive(const std::vector<skinpack::ArchiveEntry>& entries) {
    return skinpack::WriteArchive(entries);
}

// The stored skin block (int32 length, then the packed skin) of an archive.
inline std::vector<std::uint8_t> StoredSkin(const std::vector<skinpack::ArchiveEntry>& entries) {
    return skinpack::FrameSkinStream(skinpack::EncodeLzh(Archive(entries)));
}

inline TSkinReader ReaderOf(const std::vector<skinpack::ArchiveEntry>& entries) {
    TSkinReader reader;
    if (!reader.LoadFromArchive(Archive(entries)))
        throw std::runtime_error("test archive rejected");
    return reader;
}

// Loads a synthetic skin into data: the INI text, its images from the entries.
inline void LoadSkin(TSkinData& data, const std::vector<skinpack::ArchiveEntry>& entries, std::string_view ini) {
    const TSkinReader reader = ReaderOf(entries);
    data.ReadSkinIni(ini, &reader);
}

// The program's skin as the program loads it (tests/support/ProgramSkin.cpp).
std::unique_ptr<TSkinData> LoadProgramSkin();

} // namespace lirem::skin::test
