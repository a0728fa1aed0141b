// SPDX-License-Identifier: GPL-3.0-or-later
// The atomic writer against real files in a private folder: what it keeps of a
// replaced file, what it refuses, and that no temporary file survives a
// failure, the link fallback or an interrupt.
#include "io/AtomicFile.h"
#include "io/InterruptCleanup.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

namespace fs = std::filesystem;

namespace lirem::io {
namespace {

class AtomicFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "io-test.XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        oldMask_ = ::umask(022);
    }
    void TearDown() override {
        ::umask(oldMask_);
        detail::TestSeams() = {};
        fs::remove_all(dir_);
    }

    fs::path Path(const std::string& name) const { return dir_ / name; }

    static void Put(const fs::path& file, const std::string& text) { std::ofstream(file, std::ios::binary) << text; }
    static std::string Get(const fs::path& file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    static unsigned Mode(const fs::path& file) {
        struct stat st {};
        EXPECT_EQ(::stat(file.c_str(), &st), 0) << file;
        return st.st_mode & 07777U;
    }
    // The names in the folder: the test's own files and nothing the writer left.
    std::set<std::string> Names() const {
        std::set<std::string> names;
        for (const fs::directory_entry& e : fs::directory_iterator(dir_))
            names.insert(e.path().filename().string());
        return names;
    }

    fs::path dir_;
    mode_t oldMask_ = 0;
};

TEST_F(AtomicFileTest, NewFilesFollowTheUmaskAndReplacedFilesKeepTheirMode) {
    struct Case {
        mode_t umask;
        int existingMode; // -1: no file before
        unsigned expected;
    };
    const Case cases[] = {
        {027, -1, 0640}, {022, -1, 0644}, {077, -1, 0600}, {022, 0600, 0600}, {077, 0664, 0664}, {022, 0755, 0755},
    };
    for (const Case& c : cases) {
        const fs::path file = Path("reading.pdf");
        fs::remove(file);
        if (c.existingMode >= 0) {
            Put(file, "old");
            ASSERT_EQ(::chmod(file.c_str(), static_cast<mode_t>(c.existingMode)), 0);
        }
        ::umask(c.umask);
        EXPECT_EQ(WriteFileAtomically(file, "new", Existing::Replace), "");
        EXPECT_EQ(Mode(file), c.expected) << "umask " << c.umask << ", before " << c.existingMode;
        EXPECT_EQ(Get(file), "new");
        // The writer read the umask without changing it.
        EXPECT_EQ(::umask(022), c.umask);
        EXPECT_EQ(Names(), std::set<std::string>{"reading.pdf"});
    }
}

TEST_F(AtomicFileTest, WritesThroughALinkAndRefusesWhatItMustNotReplace) {
    Put(Path("target"), "old");
    fs::create_symlink("target", Path("link"));
    fs::create_symlink("missing", Path("dangling"));
    fs::create_directory(Path("folder"));
    ASSERT_EQ(::mkfifo(Path("fifo").c_str(), 0600), 0);
    Put(Path("kept"), "old");
    const std::set<std::string> before = Names();

    struct Case {
        const char* name;
        Existing existing;
        const char* problem; // empty: written
    };
    const Case cases[] = {
        {"link", Existing::Replace, ""},
        {"dangling", Existing::Replace, "symbolic link to a missing file"},
        {"dangling", Existing::Keep, "symbolic link to a missing file"},
        {"folder", Existing::Replace, "not a regular file"},
        {"fifo", Existing::Replace, "not a regular file"},
        {"kept", Existing::Keep, "the file exists"},
        {"link", Existing::Keep, "the file exists"},
    };
    for (const Case& c : cases) {
        const std::string problem = WriteFileAtomically(Path(c.name), "new", c.existing);
        if (*c.problem == '\0')
            EXPECT_EQ(problem, "") << c.name;
        else
            EXPECT_NE(problem.find(c.problem), std::string::npos) << c.name << ": " << problem;
        EXPECT_EQ(Names(), before) << c.name;
    }
    EXPECT_TRUE(fs::is_symlink(Path("link")));
    EXPECT_EQ(Get(Path("target")), "new");
    EXPECT_TRUE(fs::is_symlink(Path("dangling")));
    EXPECT_FALSE(fs::exists(Path("missing")));
    EXPECT_TRUE(fs::is_fifo(Path("fifo")));
    EXPECT_EQ(Get(Path("kept")), "old");
}

TEST_F(AtomicFileTest, TakesTheLongestLegalName) {
    const std::string name = std::string(251, 'x') + ".pdf";
    ASSERT_EQ(name.size(), 255U);
    EXPECT_EQ(WriteFileAtomically(Path(name), "new", Existing::Keep), "");
    EXPECT_EQ(WriteFileAtomically(Path(name), "newer", Existing::Replace), "");
    EXPECT_EQ(Get(Path(name)), "newer");
    EXPECT_EQ(Names(), std::set<std::string>{name});
}

// Keep mode must not replace a file that appears while the bytes are written,
// with the no-replace rename and with the link fallback of a file system
// without it; the fallback leaves no second name for the data.
TEST_F(AtomicFileTest, NeverReplacesAFileThatAppearsMeanwhile) {
    static fs::path appearing;
    for (const bool fallback : {false, true}) {
        SCOPED_TRACE(fallback ? "link fallback" : "no-replace rename");
        detail::TestSeams().renameNoReplace = nullptr;
        if (fallback)
            detail::TestSeams().renameNoReplace = [](const char*, const char*) {
                errno = EINVAL;
                return -1;
            };
        // First a plain new file, then one that another program creates first.
        const fs::path fresh = Path("fresh.pdf");
        EXPECT_EQ(WriteFileAtomically(fresh, "new", Existing::Keep), "");
        EXPECT_EQ(Get(fresh), "new");
        struct stat st {};
        ASSERT_EQ(::stat(fresh.c_str(), &st), 0);
        EXPECT_EQ(st.st_nlink, 1U);

        appearing = Path("race.pdf");
        detail::TestSeams().beforeRename = [](const char*) { Put(appearing, "theirs"); };
        const std::string problem = WriteFileAtomically(appearing, "ours", Existing::Keep);
        detail::TestSeams().beforeRename = nullptr;
        EXPECT_NE(problem.find("the file exists"), std::string::npos) << problem;
        EXPECT_EQ(Get(appearing), "theirs");
        EXPECT_EQ(Names(), (std::set<std::string>{"fresh.pdf", "race.pdf"}));
        fs::remove(fresh);
        fs::remove(appearing);
    }
}

// A child stopped between writing and renaming is killed; the handler removes
// the temporary file and the child dies of the signal.
TEST_F(AtomicFileTest, AnInterruptedWriteLeavesNoTemporaryFile) {
    for (const int signal : {SIGTERM, SIGINT}) {
        int ready[2];
        int hold[2];
        ASSERT_EQ(::pipe(ready), 0);
        ASSERT_EQ(::pipe(hold), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            static int readyFd;
            static int holdFd;
            readyFd = ready[1];
            holdFd = hold[0];
            InstallInterruptCleanup();
            detail::TestSeams().beforeRename = [](const char*) {
                char c = 'x';
                if (::write(readyFd, &c, 1) != 1)
                    ::_exit(3);
                while (::read(holdFd, &c, 1) != 0) {
                } // until killed
                ::_exit(4);
            };
            const std::string big(4 << 20, 'x');
            static_cast<void>(WriteFileAtomically(Path("reading.pdf"), big, Existing::Keep));
            ::_exit(5);
        }
        ::close(ready[1]);
        ::close(hold[0]);
        char c = 0;
        ASSERT_EQ(::read(ready[0], &c, 1), 1);
        EXPECT_EQ(Names().size(), 1U) << "the temporary file is there while writing";
        ::kill(child, signal);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ::close(ready[0]);
        ::close(hold[1]);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << "status " << status;
        EXPECT_TRUE(Names().empty()) << *Names().begin();
    }
}

} // namespace
} // namespace lirem::io
