// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the book's tests share: a temporary folder removed afterwards, cards
// to store, file contents, and the sqlite3 shell as a second reader.

#include "book/Book.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace lirem::book::test {

class TempFolder {
public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "lirem-book-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("mkdtemp failed");
        path_ = pattern;
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    [[nodiscard]] std::string File(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

inline Card Person(std::string first, std::string middle, std::string last, Date birth = {29, 11, 1985}) {
    Card card;
    card.birth = birth;
    card.names.push_back({std::move(first), std::move(middle), std::move(last), {}});
    return card;
}

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline Book OpenOrFail(const std::string& path, const OpenOptions& options = {}) {
    auto book = Book::Open(path, options);
    if (!book)
        throw std::runtime_error(book.Err().message);
    return std::move(book).Value();
}

// The sqlite3 shell's output for one statement on the file, or nullopt when
// the shell is not installed.
inline std::optional<std::string> Shell(const std::string& path, const std::string& sql) {
    if (std::system("command -v sqlite3 >/dev/null 2>&1") != 0)
        return std::nullopt;
    const std::string command = "sqlite3 -batch -readonly '" + path + "' \"" + sql + "\" 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return std::nullopt;
    std::string out;
    char buffer[4096];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        out.append(buffer, got);
    pclose(pipe);
    while (!out.empty() && out.back() == '\n')
        out.pop_back();
    return out;
}

} // namespace lirem::book::test
