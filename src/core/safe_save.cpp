#include "core/safe_save.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <random>

#include "core/language.h"

namespace pw {

namespace {

namespace fs = std::filesystem;

constexpr int kMaxLinks = 40;
constexpr const char* kTemporaryMark = ".tmp-";

std::string ReasonText(int error) {
    switch (error) {
        case ENOSPC:
        case EDQUOT:
            return Tr("Der Datenträger ist voll", "The disk is full");
        case EACCES:
        case EPERM:
            return Tr("Keine Berechtigung zum Schreiben", "No permission to write");
        case EROFS:
            return Tr("Der Datenträger ist schreibgeschützt", "The file system is read-only");
        case ENOENT:
            return Tr("Den Ordner gibt es nicht", "The folder does not exist");
        case EISDIR:
            return Tr("Das Ziel ist ein Verzeichnis", "The target is a directory");
        case EINVAL:
            return Tr("Das Ziel ist keine gewöhnliche Datei", "The target is not a regular file");
        default:
            return std::strerror(error);
    }
}

// A file descriptor that is closed when it goes.
class Descriptor {
  public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    int Get() const { return fd_; }
    void Reset(int fd) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = fd;
    }

  private:
    int fd_;
};

// The file a save replaces: the path with every symbolic link followed to its end.
fs::path FinalTarget(fs::path path) {
    for (int links = 0;; ++links) {
        struct stat st;
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
        if (links == kMaxLinks) throw SaveError(ELOOP);
        std::error_code ec;
        const fs::path link = fs::read_symlink(path, ec);
        if (ec) throw SaveError(ec.value());
        path = link.is_absolute() ? link : path.parent_path() / link;
    }
}

// What an existing target keeps through the save.
struct Existing {
    bool exists = false;
    struct stat st {};
};

Existing ExistingFile(int dir, const std::string& name) {
    Existing e;
    if (::fstatat(dir, name.c_str(), &e.st, AT_SYMLINK_NOFOLLOW) != 0) {
        if (errno != ENOENT) throw SaveError(errno);
        return e;
    }
    if (S_ISDIR(e.st.st_mode)) throw SaveError(EISDIR);
    if (!S_ISREG(e.st.st_mode)) throw SaveError(EINVAL);
    if (::faccessat(dir, name.c_str(), W_OK, AT_EACCESS) != 0) throw SaveError(errno);
    e.exists = true;
    return e;
}

std::string TemporaryName(const std::string& name) {
    static constexpr char kChars[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937 random{std::random_device{}()};
    std::uniform_int_distribution<size_t> pick(0, sizeof kChars - 2);
    std::string out = name + kTemporaryMark + std::to_string(::getpid()) + '-';
    for (int i = 0; i < 6; ++i) out += kChars[pick(random)];
    return out;
}

bool IsTemporaryOf(const std::string& entry, const std::string& name) {
    const std::string prefix = name + kTemporaryMark;
    return entry.size() > prefix.size() && entry.compare(0, prefix.size(), prefix) == 0 &&
           entry[prefix.size()] >= '0' && entry[prefix.size()] <= '9';
}

// Removes the temporary files of earlier saves to the same file that nobody holds any more:
// a save holds a lock on its temporary file until it is done.
void RemoveStaleTemporaries(int dir, const std::string& name) {
    const int copy = ::dup(dir);
    if (copy < 0) return;
    DIR* listing = ::fdopendir(copy);
    if (!listing) {
        ::close(copy);
        return;
    }
    ::rewinddir(listing);
    while (const dirent* entry = ::readdir(listing)) {
        if (!IsTemporaryOf(entry->d_name, name)) continue;
        Descriptor fd(::openat(dir, entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        if (fd.Get() >= 0 && ::flock(fd.Get(), LOCK_EX | LOCK_NB) == 0) ::unlinkat(dir, entry->d_name, 0);
    }
    ::closedir(listing);
}

// The temporary file of one save, locked while it lives. Until it has replaced the target it
// goes with this object: an unnamed one by being closed, a named one by being removed.
class Temporary {
  public:
    Temporary(int dir, const std::string& target, bool unnamed);
    ~Temporary() {
        if (!name_.empty()) ::unlinkat(dir_, name_.c_str(), 0);
    }
    Temporary(const Temporary&) = delete;
    Temporary& operator=(const Temporary&) = delete;
    int Fd() const { return fd_.Get(); }
    // Puts the written file in the target's place in one step.
    void Replace();

  private:
    void CreateNamed();
    void LinkIntoFolder();

    int dir_;
    std::string target_;
    std::string name_;  // empty while unnamed and once it has replaced the target
    Descriptor fd_;
};

Temporary::Temporary(int dir, const std::string& target, bool unnamed) : dir_(dir), target_(target) {
    // An unnamed file gets its name through /proc, which must be there.
    if (unnamed && ::access("/proc/self/fd", X_OK) == 0) {
        fd_.Reset(::openat(dir, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
        if (fd_.Get() < 0 && errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)
            throw SaveError(errno);
    }
    if (fd_.Get() < 0) CreateNamed();
    if (::flock(fd_.Get(), LOCK_EX) != 0) {
        const int error = errno;
        if (!name_.empty()) ::unlinkat(dir_, name_.c_str(), 0);
        throw SaveError(error);
    }
}

void Temporary::CreateNamed() {
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = TemporaryName(target_);
        const int fd =
            ::openat(dir_, name.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd >= 0) {
            fd_.Reset(fd);
            name_ = std::move(name);
            return;
        }
        if (errno != EEXIST) throw SaveError(errno);
    }
    throw SaveError(EEXIST);
}

void Temporary::LinkIntoFolder() {
    const std::string self = "/proc/self/fd/" + std::to_string(fd_.Get());
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = TemporaryName(target_);
        if (::linkat(AT_FDCWD, self.c_str(), dir_, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            name_ = std::move(name);
            return;
        }
        if (errno != EEXIST) throw SaveError(errno);
    }
    throw SaveError(EEXIST);
}

void Temporary::Replace() {
    if (name_.empty()) LinkIntoFolder();
    if (::renameat(dir_, name_.c_str(), dir_, target_.c_str()) != 0) throw SaveError(errno);
    name_.clear();
}

// Writes everything: a write may take fewer bytes than offered or be interrupted.
void WriteAll(int fd, std::span<const uint8_t> data, const SaveCalls& calls) {
    size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = calls.write(fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) throw SaveError(errno);
        if (n == 0) throw SaveError(ENOSPC);
        done += static_cast<size_t>(n);
    }
}

// The new file takes the old one's owner and group where the system allows, and its mode.
void KeepAttributes(int fd, const Existing& old) {
    if (!old.exists) return;
    if (old.st.st_uid != ::geteuid() || old.st.st_gid != ::getegid()) {
        [[maybe_unused]] const bool kept = ::fchown(fd, old.st.st_uid, old.st.st_gid) == 0 ||
                                           ::fchown(fd, static_cast<uid_t>(-1), old.st.st_gid) == 0;
    }
    if (::fchmod(fd, old.st.st_mode & 07777) != 0) throw SaveError(errno);
}

}  // namespace

SaveError::SaveError(int error) : std::runtime_error(ReasonText(error)), error_(error) {}

void SaveFile(const std::string& path, std::span<const uint8_t> data, const SaveCalls& calls) {
    const fs::path target = FinalTarget(path);
    const std::string name = target.filename().string();
    if (name.empty() || name == "." || name == "..") throw SaveError(EISDIR);
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.Get() < 0) throw SaveError(errno);
    const Existing old = ExistingFile(dir.Get(), name);
    RemoveStaleTemporaries(dir.Get(), name);
    Temporary temporary(dir.Get(), name, calls.unnamedTemporary);
    WriteAll(temporary.Fd(), data, calls);
    KeepAttributes(temporary.Fd(), old);
    if (calls.fsync(temporary.Fd()) != 0) throw SaveError(errno);
    temporary.Replace();
    // A file system that cannot sync a folder says EINVAL; the file is in place all the same.
    if (calls.fsync(dir.Get()) != 0 && errno != EINVAL) throw SaveError(errno);
}

}  // namespace pw
