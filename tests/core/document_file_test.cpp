// Reading document files: only regular files up to the limit, the header judged before the rest
// is read, all of it within a small memory allowance.
#include "panel/document_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>

using namespace pw;

namespace {

std::string FileErrorOf(const std::string& path) {
    try {
        return "read " + std::to_string(ReadDocumentFileBytes(path).size()) + " bytes";
    } catch (const FileError& e) {
        return e.what();
    }
}

TEST(DocumentFile, ReadsDocumentsWholeAndOfOtherFilesOnlyTheHeader) {
    const std::string dir = testing::TempDir(), path = dir + std::to_string(::getpid()) + ".fpl";
    std::vector<uint8_t> doc(1000, 7);
    std::memcpy(doc.data() + 37, "2,02", 4);
    WriteWholeFile(path, doc);
    EXPECT_EQ(ReadDocumentFileBytes(path), doc);
    // A newer version, text: the reader gets the header and fails on it as on the whole file.
    std::memcpy(doc.data() + 37, "2,10", 4);
    WriteWholeFile(path, doc);
    EXPECT_EQ(FileErrorOf(path), "read 41 bytes");
    std::ofstream(path) << "Plattenwerk is a front-panel designer for Linux: lay out the panels.";
    std::filesystem::resize_file(path, kMaxDocumentFileBytes);
    EXPECT_EQ(FileErrorOf(path), "read 41 bytes");
    // Refused before reading.
    std::filesystem::resize_file(path, kMaxDocumentFileBytes + 1);
    EXPECT_EQ(FileErrorOf(path), "Datei " + path + " ist zu groß (mehr als 256 MiB)");
    ::unlink(path.c_str());
    EXPECT_EQ(FileErrorOf(path), "Datei " + path + " kann nicht geöffnet werden");
    EXPECT_EQ(FileErrorOf(dir), dir + " ist keine gewöhnliche Datei");
}

// In a child whose address space may grow by 64 MiB at most, and which a timer ends should a
// read block: /dev/zero, a FIFO, a 2 GiB file and a 200 MiB file that is no document.
TEST(DocumentFile, StaysWithinAMemoryLimit) {
    const std::string dir = testing::TempDir() + std::to_string(::getpid()), fifo = dir + ".fifo",
                      huge = dir + ".fpl";
    ::unlink(fifo.c_str());
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::ofstream(huge) << "Plattenwerk is a front-panel designer for Linux: lay out the panels.";
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        rlim_t pages = 0;
        std::ifstream("/proc/self/statm") >> pages;
        rlimit limit{pages * ::sysconf(_SC_PAGESIZE) + (64 << 20), RLIM_INFINITY};
        ::setrlimit(RLIMIT_AS, &limit);
        ::alarm(20);
        std::filesystem::resize_file(huge, 200 << 20);
        std::string header = FileErrorOf(huge);
        std::filesystem::resize_file(huge, uintmax_t{2} << 30);
        bool refused = FileErrorOf("/dev/zero") == "/dev/zero ist keine gewöhnliche Datei" &&
                       FileErrorOf(fifo) == fifo + " ist keine gewöhnliche Datei" &&
                       FileErrorOf(huge).ends_with("ist zu groß (mehr als 256 MiB)");
        ::_exit(refused && header == "read 41 bytes" ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
    ::unlink(fifo.c_str());
    ::unlink(huge.c_str());
}

}  // namespace
