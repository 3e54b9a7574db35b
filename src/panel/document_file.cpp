#include "panel/document_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "core/language.h"
#include "core/stream.h"

namespace pw {

namespace {

// A file descriptor that closes itself.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return fd_; }

  private:
    int fd_;
};

// Reads up to n bytes; fewer only at the end of the file. False on a read error.
bool ReadUpTo(int fd, uint8_t* out, size_t n, size_t& got) {
    got = 0;
    while (got < n) {
        ssize_t r = ::read(fd, out + got, n - got);
        if (r < 0 && errno == EINTR) continue;
        if (r < 0) return false;
        if (r == 0) break;
        got += static_cast<size_t>(r);
    }
    return true;
}

bool HeaderIsReadable(const uint8_t* header) {
    try {
        return FormatVersion::FromHeader(header + kPanelHeaderBytes - 4).value <= kCurrentVersion;
    } catch (const StreamError&) {
        return false;
    }
}

}  // namespace

std::string NotARegularFileMessage(const std::string& path) {
    return IsEnglish() ? path + " is not a regular file" : path + " ist keine gewöhnliche Datei";
}

std::string FileTooLargeMessage(const std::string& path) {
    return IsEnglish() ? "File " + path + " is too large (more than 256 MiB)"
                       : "Datei " + path + " ist zu groß (mehr als 256 MiB)";
}

std::vector<uint8_t> ReadDocumentFileBytes(const std::string& path) {
    // Without O_NONBLOCK, opening a FIFO would wait for a writer.
    Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat info {};
    if (file.Get() < 0 || ::fstat(file.Get(), &info) != 0) throw FileError(CannotOpenMessage(path));
    if (!S_ISREG(info.st_mode)) throw FileError(NotARegularFileMessage(path));
    if (static_cast<uint64_t>(info.st_size) > kMaxDocumentFileBytes)
        throw FileError(FileTooLargeMessage(path));

    const size_t size = static_cast<size_t>(info.st_size);
    std::vector<uint8_t> data(std::min(size, kPanelHeaderBytes));
    size_t got = 0;
    if (!ReadUpTo(file.Get(), data.data(), data.size(), got)) throw FileError(CannotOpenMessage(path));
    data.resize(got);
    if (got < kPanelHeaderBytes || !HeaderIsReadable(data.data())) return data;

    // A file that shrank since fstat gives what it still has; one that grew, its first size bytes.
    size_t rest = 0;
    data.resize(size);
    if (!ReadUpTo(file.Get(), data.data() + got, size - got, rest)) throw FileError(CannotOpenMessage(path));
    data.resize(got + rest);
    return data;
}

}  // namespace pw
