// Saving a file: permissions and links survive, a failure leaves the old file and no temporary
// file, partial and interrupted writes still write everything, and leftovers of a killed save go.
#include "core/safe_save.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace pw {
namespace {

namespace fs = std::filesystem;

class SafeSave : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = fs::path(::testing::TempDir()) /
              ("pw_safe_save_" + std::to_string(::getpid()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string File(const std::string& name) const { return (dir / name).string(); }
    static void Save(const std::string& path, std::string_view text, const SaveCalls& calls = {}) {
        SaveFile(path, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()), calls);
    }
    static std::string Content(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    static mode_t ModeOf(const std::string& path) {
        struct stat st;
        EXPECT_EQ(::stat(path.c_str(), &st), 0) << path;
        return st.st_mode & 07777;
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> out;
        for (const auto& e : fs::directory_iterator(dir)) out.push_back(e.path().filename().string());
        std::sort(out.begin(), out.end());
        return out;
    }

    fs::path dir;
};

// Both kinds of temporary file: unnamed where the file system has them, and named.
std::vector<SaveCalls> BothTemporaries() {
    SaveCalls named;
    named.unnamedTemporary = false;
    return {SaveCalls{}, named};
}

TEST_F(SafeSave, AnExistingFileKeepsItsModeAndANewOneFollowsTheUmask) {
    for (const SaveCalls& calls : BothTemporaries()) {
        for (mode_t mode : {0600, 0640, 0604, 0755}) {
            const std::string path = File("doc.fpl");
            Save(path, "old");
            ASSERT_EQ(::chmod(path.c_str(), mode), 0);
            Save(path, "new", calls);
            EXPECT_EQ(Content(path), "new");
            EXPECT_EQ(ModeOf(path), mode) << std::oct << mode;
        }
        const mode_t mask = ::umask(022);
        ::umask(mask);
        fs::remove(File("fresh.fpl"));
        Save(File("fresh.fpl"), "x", calls);
        EXPECT_EQ(ModeOf(File("fresh.fpl")), 0666 & ~mask);
    }
    EXPECT_EQ(Names(), (std::vector<std::string>{"doc.fpl", "fresh.fpl"}));
}

TEST_F(SafeSave, AnotherOwnersFileKeepsItsOwnerWhereTheSystemAllows) {
    if (::geteuid() != 0) GTEST_SKIP() << "only the superuser may give a file away";
    const std::string path = File("doc.fpl");
    Save(path, "old");
    ASSERT_EQ(::chown(path.c_str(), 65534, 65534), 0);
    Save(path, "new");
    struct stat st;
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, 65534u);
    EXPECT_EQ(st.st_gid, 65534u);
}

TEST_F(SafeSave, LinksStayLinksAndTheirFinalTargetGetsTheContent) {
    fs::create_directories(dir / "real");
    const std::string target = File("real/target.fpl");
    Save(target, "old");
    ASSERT_EQ(::chmod(target.c_str(), 0600), 0);
    fs::create_symlink("real/target.fpl", dir / "link.fpl");
    fs::create_symlink(dir / "link.fpl", dir / "second.fpl");  // a link to the link, absolute
    Save(File("second.fpl"), "through two links");
    EXPECT_TRUE(fs::is_symlink(dir / "link.fpl"));
    EXPECT_TRUE(fs::is_symlink(dir / "second.fpl"));
    EXPECT_EQ(Content(target), "through two links");
    EXPECT_EQ(ModeOf(target), 0600u);
    // A link to a file that does not exist yet makes the file.
    fs::create_symlink("real/later.fpl", dir / "dangling.fpl");
    Save(File("dangling.fpl"), "made");
    EXPECT_TRUE(fs::is_symlink(dir / "dangling.fpl"));
    EXPECT_EQ(Content(File("real/later.fpl")), "made");
    EXPECT_EQ(Names(), (std::vector<std::string>{"dangling.fpl", "link.fpl", "real", "second.fpl"}));
}

// Injected failures: a full disk after the first bytes, a disk that fails to sync.
ssize_t WriteUntilFull(int fd, const void* data, size_t size) {
    static bool wrote = false;
    wrote = !wrote;
    if (!wrote) {
        errno = ENOSPC;
        return -1;
    }
    return ::write(fd, data, std::min<size_t>(size, 2));
}

int FailingSync(int) {
    errno = EIO;
    return -1;
}

TEST_F(SafeSave, AFailedSaveLeavesTheOldFileAndNoTemporaryFile) {
    for (SaveCalls calls : BothTemporaries()) {
        const std::string path = File("doc.fpl");
        Save(path, "old content");
        calls.write = WriteUntilFull;
        try {
            Save(path, "new content", calls);
            ADD_FAILURE() << "a full disk was not reported";
        } catch (const SaveError& e) {
            EXPECT_EQ(e.Error(), ENOSPC);
            EXPECT_STREQ(e.what(), "Der Datenträger ist voll");
        }
        EXPECT_EQ(Content(path), "old content");
        calls.write = ::write;
        calls.fsync = FailingSync;
        EXPECT_THROW(Save(path, "new content", calls), SaveError);
        EXPECT_EQ(Content(path), "old content");
        EXPECT_EQ(Names(), std::vector<std::string>{"doc.fpl"});
    }
    // Not a folder one can write to, not a file one can replace.
    EXPECT_THROW(Save(File("missing/doc.fpl"), "x"), SaveError);
    EXPECT_THROW(Save(dir.string(), "x"), SaveError);
    EXPECT_EQ(Names(), std::vector<std::string>{"doc.fpl"});
}

TEST_F(SafeSave, AReadOnlyFileOrFolderIsNotReplaced) {
    if (::geteuid() == 0) GTEST_SKIP() << "the superuser may write everywhere";
    const std::string path = File("doc.fpl");
    Save(path, "old");
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    EXPECT_THROW(Save(path, "new"), SaveError);
    EXPECT_EQ(Content(path), "old");
    ASSERT_EQ(::chmod(path.c_str(), 0644), 0);
    ASSERT_EQ(::chmod(dir.c_str(), 0555), 0);
    EXPECT_THROW(Save(path, "new"), SaveError);
    ASSERT_EQ(::chmod(dir.c_str(), 0755), 0);
    EXPECT_EQ(Content(path), "old");
    EXPECT_EQ(Names(), std::vector<std::string>{"doc.fpl"});
}

// A write that takes one byte at a time and is interrupted before every other byte.
ssize_t SlowWrite(int fd, const void* data, size_t) {
    static bool interrupted = false;
    interrupted = !interrupted;
    if (interrupted) {
        errno = EINTR;
        return -1;
    }
    return ::write(fd, data, 1);
}

TEST_F(SafeSave, ShortAndInterruptedWritesStillWriteEverything) {
    SaveCalls calls;
    calls.write = SlowWrite;
    const std::string text(1000, 'x');
    Save(File("doc.fpl"), text + "end", calls);
    EXPECT_EQ(Content(File("doc.fpl")), text + "end");
}

TEST_F(SafeSave, TemporaryFilesOfAKilledSaveGoWithTheNextSave) {
    for (const char* name : {"doc.fpl.tmp-4711-abc123", "doc.fpl.tmp-4711", "other.fpl.tmp-4711-abc123",
                             "doc.fpl.tmp-notes", "doc.fpl.tmp-99-inuse"})
        std::ofstream(File(name)) << "left over";
    // A save still running holds a lock on its temporary file.
    const int busy = ::open(File("doc.fpl.tmp-99-inuse").c_str(), O_RDONLY);
    ASSERT_EQ(::flock(busy, LOCK_EX), 0);
    Save(File("doc.fpl"), "saved");
    ::close(busy);
    EXPECT_EQ(Names(), (std::vector<std::string>{"doc.fpl", "doc.fpl.tmp-99-inuse", "doc.fpl.tmp-notes",
                                                 "other.fpl.tmp-4711-abc123"}));
}

}  // namespace
}  // namespace pw
