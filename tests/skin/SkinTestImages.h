// Small synthetic images, bitmap files and archives for the skin data tests.
#pragma once

#include "skin/archive/SkinRead.h"
#include "tools/skinpack/ArchiveWriter.h"
#include "tools/skinpack/LzhEncoder.h"

#include <QBuffer>
#include <QImage>

#include <cstdint>
#include <string>
#include <vector>

namespace skin::test {

inline QImage Filled(int w, int h, QRgb colour) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// The image as a Windows bitmap file.
inline std::vector<std::uint8_t> BmpFile(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
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
    reader.LoadFromArchive(Archive(entries));
    return reader;
}

} // namespace skin::test
