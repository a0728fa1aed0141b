// SPDX-License-Identifier: GPL-3.0-or-later
// skinpack: builds and inspects packed skins.
//   skinpack pack DIR OUT          pack a folder into a stored skin block
//   skinpack list FILE             list the entries of a stored skin block
//   skinpack extract FILE NAME OUT write one entry of a stored skin block
//   skinpack encode IN OUT         compress a file into a bare packed stream
//   skinpack decode IN OUT         expand a bare packed stream
//
// A folder is packed in the order its file "entries.lst" gives (one entry name
// per line; blank lines and lines starting with '#' are skipped). Without that
// file every regular file is packed in name order, INI files last, skipping
// hidden files. An empty folder yields an empty archive; a missing one, an
// entry outside the folder, more entries than the reader takes, two names that
// differ only in letter case (the reader would find only the first) or a folder
// too large for the reader is an error; so is an input to encode larger than a
// skin may unpack to.
// OUT may be "-" for standard output; every write is checked.
#include "io/InterruptCleanup.h"
#include "skin/archive/LZH.h"
#include "skin/archive/SkinRead.h"
#include "tools/skinpack/ArchiveWriter.h"
#include "tools/skinpack/LzhEncoder.h"
#include "tools/skinpack/OutputFile.h"
#include "tools/skinpack/SkinFolder.h"

#include <array>
#include <csignal>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// What a packed stream of the largest skin can take: LZH never doubles its input.
constexpr std::size_t kMaxPackedBytes = 2 * static_cast<std::size_t>(lirem::skin::kMaxUnpackedSize);

std::string MiB(std::size_t bytes) {
    return std::to_string(bytes >> 20) + " MiB";
}

// Reads at most `limit` bytes: a larger input, or one without end such as
// /dev/zero, is refused before it fills the memory.
std::vector<std::uint8_t> ReadFile(const fs::path& path, std::size_t limit, const char* what) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path.string());
    std::vector<std::uint8_t> bytes;
    std::vector<char> chunk(64 * 1024);
    while (in) {
        in.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
        const auto n = static_cast<std::size_t>(in.gcount());
        if (n > limit - bytes.size())
            throw std::runtime_error(path.string() + " is larger than the " + MiB(limit) + " " + what);
        bytes.insert(bytes.end(), chunk.begin(), chunk.begin() + static_cast<std::ptrdiff_t>(n));
    }
    if (in.bad())
        throw std::runtime_error("cannot read " + path.string());
    return bytes;
}

// A 32-bit length, then that many bytes of packed skin; what follows is ignored.
std::vector<std::uint8_t> LoadStoredSkin(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::array<unsigned char, 4> head{};
    if (!in.read(reinterpret_cast<char*>(head.data()), head.size()))
        throw std::runtime_error(in.bad() || !in.is_open() ? "cannot read " + file.string()
                                                           : "not a stored skin block");
    const std::uint32_t n = static_cast<std::uint32_t>(head[0]) | static_cast<std::uint32_t>(head[1]) << 8 |
                            static_cast<std::uint32_t>(head[2]) << 16 | static_cast<std::uint32_t>(head[3]) << 24;
    if (n > kMaxPackedBytes)
        throw std::runtime_error(file.string() + " states " + std::to_string(n) +
                                 " bytes, more than a packed skin can be");
    std::vector<std::uint8_t> packed(n);
    if (!in.read(reinterpret_cast<char*>(packed.data()), static_cast<std::streamsize>(n)))
        throw std::runtime_error(in.bad() ? "cannot read " + file.string() : "stored skin block is truncated");
    return packed;
}

lirem::skin::TSkinReader OpenSkin(const fs::path& file) {
    lirem::skin::TSkinReader reader;
    if (!reader.LoadFromPacked(LoadStoredSkin(file)))
        throw std::runtime_error("malformed skin archive in " + file.string());
    return reader;
}

int Pack(const fs::path& dir, const fs::path& out) {
    const std::vector<lirem::skinpack::ArchiveEntry> entries = lirem::skinpack::ReadSkinFolder(dir);
    if (entries.empty())
        std::cerr << "skinpack: no entries in " << dir.string() << ", packing an empty archive\n";
    const std::vector<std::uint8_t> archive = lirem::skinpack::WriteArchive(entries);
    const std::vector<std::uint8_t> packed = lirem::skinpack::EncodeLzh(archive);
    lirem::skinpack::WriteOutput(out, lirem::skinpack::FrameSkinStream(packed));
    std::ostream& report = out == lirem::skinpack::kStandardOutput ? std::cerr : std::cout;
    report << entries.size() << " entries, " << archive.size() << " bytes unpacked, " << packed.size()
           << " bytes packed\n";
    return 0;
}

int List(const fs::path& file) {
    const lirem::skin::TSkinReader reader = OpenSkin(file);
    for (std::size_t i = 0; i < reader.Names().size(); ++i)
        std::cout << reader.Sizes()[i] << '\t' << reader.Names()[i] << '\n';
    return 0;
}

int Extract(const fs::path& file, const std::string& name, const fs::path& out) {
    const lirem::skin::TSkinReader reader = OpenSkin(file);
    std::vector<std::uint8_t> bytes;
    if (!reader.ExtractByName(name, bytes)) {
        std::cerr << "skinpack: no entry " << name << '\n';
        return 1;
    }
    lirem::skinpack::WriteOutput(out, bytes);
    return 0;
}

int Decode(const fs::path& in, const fs::path& out) {
    std::vector<std::uint8_t> bytes;
    lirem::skin::TLZH lzh;
    if (!lzh.DecodePacked(ReadFile(in, kMaxPackedBytes, "a packed stream can hold"), bytes)) {
        std::cerr << "skinpack: not a packed stream or unpacked size too large\n";
        return 1;
    }
    lirem::skinpack::WriteOutput(out, bytes);
    return 0;
}

int Usage() {
    std::cerr << "usage: skinpack pack DIR OUT | list FILE | extract FILE NAME OUT | encode IN OUT | decode IN OUT\n";
    return 2;
}

int Run(const std::vector<std::string>& args) {
    try {
        if (args.size() == 3 && args[0] == "pack")
            return Pack(args[1], args[2]);
        if (args.size() == 2 && args[0] == "list")
            return List(args[1]);
        if (args.size() == 4 && args[0] == "extract")
            return Extract(args[1], args[2], args[3]);
        if (args.size() == 3 && args[0] == "encode") {
            // The reader refuses to unpack more than this: so does the packer.
            const auto limit = static_cast<std::size_t>(lirem::skin::kMaxUnpackedSize);
            lirem::skinpack::WriteOutput(args[2],
                                         lirem::skinpack::EncodeLzh(ReadFile(args[1], limit, "a skin may unpack to")));
            return 0;
        }
        if (args.size() == 3 && args[0] == "decode")
            return Decode(args[1], args[2]);
        return Usage();
    } catch (const std::exception& e) {
        std::cerr << "skinpack: " << e.what() << '\n';
        return 1;
    }
}

} // namespace

int main(int argc, char** argv) {
    std::signal(SIGXFSZ, SIG_IGN);        // a file size limit fails the write, so the temporary file is removed
    lirem::io::InstallInterruptCleanup(); // and so does an interrupt
    int status = Run(std::vector<std::string>(argv + 1, argv + argc));
    try {
        lirem::skinpack::FinishStandardOutput();
    } catch (const std::exception& e) {
        std::cerr << "skinpack: " << e.what() << '\n';
        status = 1;
    }
    return status;
}
