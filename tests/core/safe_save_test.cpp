// Saving a file: permissions and links survive, partial and interrupted writes still write
// everything, a failure leaves the old file and no temporary file, leftovers of a killed save go.
#include "core/safe_save.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

namespace pw {
namespace {

namespace fs = std::filesystem;
using Names = std::set<std::string>;

class SafeSave : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string File(const std::string& name) const { return (dir / name).string(); }
    static void Save(const std::string& path, std::string_view text, const SaveCalls& calls = {}) {
        SaveFile(path, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()), calls);
    }
    static std::string Content(const std::string& path) {
        std::ostringstream s;
        s << std::ifstream(path).rdbuf();
        return s.str();
    }
    static struct stat Stat(const std::string& path) {
        struct stat st {};
        EXPECT_EQ(::stat(path.c_str(), &st), 0) << path;
        return st;
    }
    Names Listing() const {
        Names out;
        for (const auto& e : fs::directory_iterator(dir)) out.insert(e.path().filename().string());
        return out;
    }

    const fs::path dir = fs::path(::testing::TempDir()) / ("pw_safe_save_" + std::to_string(::getpid()));
};

// A write that takes one byte at a time and is interrupted before every other byte.
ssize_t SlowWrite(int fd, const void* data, size_t) {
    static bool interrupted = false;
    interrupted = !interrupted;
    if (!interrupted) return ::write(fd, data, 1);
    errno = EINTR;
    return -1;
}

// Both kinds of temporary file, unnamed where the file system has them and named, each written
// in short, interrupted pieces.
std::vector<SaveCalls> BothTemporaries() {
    SaveCalls unnamed, named;
    unnamed.write = named.write = SlowWrite;
    named.unnamedTemporary = false;
    return {unnamed, named};
}

TEST_F(SafeSave, AnExistingFileKeepsModeAndOwnerAndANewOneFollowsTheUmask) {
    const bool root = ::geteuid() == 0;  // only the superuser may give a file away
    for (const SaveCalls& calls : BothTemporaries()) {
        for (mode_t mode : {0600, 0640, 0604, 0755}) {
            Save(File("doc.fpl"), "old");
            ASSERT_EQ(::chmod(File("doc.fpl").c_str(), mode), 0);
            if (root) {
                ASSERT_EQ(::chown(File("doc.fpl").c_str(), 65534, 65534), 0);
            }
            Save(File("doc.fpl"), "new content", calls);
            EXPECT_EQ(Content(File("doc.fpl")), "new content");
            EXPECT_EQ(Stat(File("doc.fpl")).st_mode & 07777, mode) << std::oct << mode;
            if (root) {
                EXPECT_EQ(Stat(File("doc.fpl")).st_uid, 65534u);
            }
        }
        const mode_t mask = ::umask(022);
        ::umask(mask);
        fs::remove(File("fresh.fpl"));
        Save(File("fresh.fpl"), "x", calls);
        EXPECT_EQ(Stat(File("fresh.fpl")).st_mode & 07777, 0666 & ~mask);
    }
    EXPECT_EQ(Listing(), (Names{"doc.fpl", "fresh.fpl"}));
}

TEST_F(SafeSave, LinksStayLinksAndTheirFinalTargetGetsTheContent) {
    fs::create_directories(dir / "real");
    Save(File("real/target.fpl"), "old");
    fs::create_symlink("real/target.fpl", dir / "link.fpl");
    fs::create_symlink(dir / "link.fpl", dir / "second.fpl");  // a link to the link, absolute
    Save(File("second.fpl"), "through two links");
    EXPECT_TRUE(fs::is_symlink(dir / "link.fpl") && fs::is_symlink(dir / "second.fpl"));
    EXPECT_EQ(Content(File("real/target.fpl")), "through two links");
    // A link to a file that does not exist yet makes the file.
    fs::create_symlink("real/later.fpl", dir / "dangling.fpl");
    Save(File("dangling.fpl"), "made");
    EXPECT_TRUE(fs::is_symlink(dir / "dangling.fpl"));
    EXPECT_EQ(Content(File("real/later.fpl")), "made");
    EXPECT_EQ(Listing(), (Names{"dangling.fpl", "link.fpl", "real", "second.fpl"}));
}

// Injected failures: a full disk after the first bytes, a disk that fails to sync.
ssize_t WriteUntilFull(int fd, const void* data, size_t size) {
    static bool wrote = false;
    wrote = !wrote;
    if (wrote) return ::write(fd, data, std::min<size_t>(size, 2));
    errno = ENOSPC;
    return -1;
}

int FailingSync(int) {
    errno = EIO;
    return -1;
}

TEST_F(SafeSave, AFailedSaveLeavesTheOldFileAndNoTemporaryFile) {
    Save(File("doc.fpl"), "old content");
    for (SaveCalls calls : BothTemporaries()) {
        calls.write = WriteUntilFull;
        try {
            Save(File("doc.fpl"), "new content", calls);
            ADD_FAILURE() << "a full disk was not reported";
        } catch (const SaveError& e) {
            EXPECT_EQ(e.Error(), ENOSPC);
            EXPECT_STREQ(e.what(), "Der Datenträger ist voll");
        }
        calls.write = SlowWrite;
        calls.fsync = FailingSync;
        EXPECT_THROW(Save(File("doc.fpl"), "new content", calls), SaveError);
    }
    EXPECT_THROW(Save(File("missing/doc.fpl"), "x"), SaveError);
    EXPECT_THROW(Save(dir.string(), "x"), SaveError);
    if (::geteuid() != 0) {  // the superuser may write everywhere
        ASSERT_EQ(::chmod(File("doc.fpl").c_str(), 0444), 0);
        EXPECT_THROW(Save(File("doc.fpl"), "new content"), SaveError);
        ASSERT_EQ(::chmod(File("doc.fpl").c_str(), 0644), 0);
        fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_THROW(Save(File("doc.fpl"), "new content"), SaveError);
        fs::permissions(dir, fs::perms::owner_all);
    }
    EXPECT_EQ(Content(File("doc.fpl")), "old content");
    EXPECT_EQ(Listing(), Names{"doc.fpl"});
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
    EXPECT_EQ(Listing(),
              (Names{"doc.fpl", "doc.fpl.tmp-99-inuse", "doc.fpl.tmp-notes", "other.fpl.tmp-4711-abc123"}));
}

}  // namespace
}  // namespace pw
