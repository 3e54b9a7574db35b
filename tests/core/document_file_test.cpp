// Reading document files: only regular files up to the limit, the header judged before the rest
// is read, and all of it within a small memory allowance.
#include "core/document_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <fstream>

using namespace pw;

namespace {

class DocumentFile : public testing::Test {
  protected:
    void SetUp() override {
        dir_ = testing::TempDir() + "docfile-" + std::to_string(::getpid());
        ::mkdir(dir_.c_str(), 0700);
    }
    void TearDown() override {
        for (const char* name : {"doc.fpl", "text.fpl", "huge.fpl", "large.fpl", "fifo"})
            ::unlink(File(name).c_str());
        ::rmdir(dir_.c_str());
    }
    std::string File(const char* name) const { return dir_ + "/" + name; }
    // A file of the given size that holds the bytes at its start and no disk blocks beyond.
    std::string Sparse(const char* name, const std::string& start, off_t size) const {
        std::string path = File(name);
        std::ofstream(path, std::ios::binary) << start;
        EXPECT_EQ(::truncate(path.c_str(), size), 0);
        return path;
    }
    std::string FileErrorOf(const std::string& path) const {
        try {
            ReadDocumentFileBytes(path);
        } catch (const FileError& e) {
            return e.what();
        }
        return "read";
    }

    std::string dir_;
};

const std::string kText = "Plattenwerk is a front-panel designer for Linux: lay out the front panels.";

TEST_F(DocumentFile, ReadsDocumentsWholeAndOnlyTheHeaderOfOtherFiles) {
    std::vector<uint8_t> doc(1000, 7);
    std::memcpy(doc.data() + 37, "2,02", 4);
    WriteWholeFile(File("doc.fpl"), doc);
    EXPECT_EQ(ReadDocumentFileBytes(File("doc.fpl")), doc);
    // Text, a newer version: the reader sees the header and fails on it as on the whole file.
    Sparse("text.fpl", kText, 100'000'000);
    std::vector<uint8_t> head = ReadDocumentFileBytes(File("text.fpl"));
    EXPECT_EQ(std::string(head.begin(), head.end()), kText.substr(0, kPanelHeaderBytes));
    std::memcpy(doc.data() + 37, "2,10", 4);
    WriteWholeFile(File("doc.fpl"), doc);
    EXPECT_EQ(ReadDocumentFileBytes(File("doc.fpl")).size(), kPanelHeaderBytes);
    // Shorter than a header: all of it.
    WriteWholeFile(File("doc.fpl"), std::vector<uint8_t>{1, 2, 3});
    EXPECT_EQ(ReadDocumentFileBytes(File("doc.fpl")).size(), 3u);
}

TEST_F(DocumentFile, RefusesWhatIsNoRegularFileOrTooLargeBeforeReading) {
    ASSERT_EQ(::mkfifo(File("fifo").c_str(), 0600), 0);
    for (const std::string& path : {std::string("/dev/zero"), File("fifo"), dir_})
        EXPECT_EQ(FileErrorOf(path), path + " ist keine gewöhnliche Datei");
    std::string huge = Sparse("huge.fpl", "", kMaxDocumentFileBytes + 1);
    EXPECT_EQ(FileErrorOf(huge), "Datei " + huge + " ist zu groß (mehr als 256 MiB)");
    EXPECT_EQ(FileErrorOf(File("missing.fpl")),
              "Datei " + File("missing.fpl") + " kann nicht geöffnet werden");
}

// In a child process whose address space may grow by 64 MiB at most, and which a timer ends
// should a read block: /dev/zero, a FIFO, a 2 GiB file and a 200 MiB file that is no document.
TEST_F(DocumentFile, StaysWithinAMemoryLimit) {
    ASSERT_EQ(::mkfifo(File("fifo").c_str(), 0600), 0);
    std::string huge = Sparse("huge.fpl", "", off_t{2} << 30);
    std::string large = Sparse("large.fpl", kText, 200 << 20);
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::ifstream status("/proc/self/statm");
        rlim_t pages = 0;
        status >> pages;
        rlimit limit{pages * ::sysconf(_SC_PAGESIZE) + (64 << 20), RLIM_INFINITY};
        ::setrlimit(RLIMIT_AS, &limit);
        ::alarm(20);
        int refused = 0;
        for (const std::string& path : {std::string("/dev/zero"), File("fifo"), huge}) {
            try {
                ReadDocumentFileBytes(path);
            } catch (const FileError&) {
                ++refused;
            } catch (...) {
            }
        }
        bool headerOnly = false;
        try {
            headerOnly = ReadDocumentFileBytes(large).size() == kPanelHeaderBytes;
        } catch (...) {
        }
        ::_exit(refused == 3 && headerOnly ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

}  // namespace
