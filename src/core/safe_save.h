#pragma once
// Replacing a file on disk so that nothing is lost: the one way the program writes a document,
// a backup, a settings file or an output of the command-line tool.

#include <sys/types.h>
#include <unistd.h>

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>

namespace pw {

// The system calls of a save that a full or failing disk makes fail; tests replace them.
struct SaveCalls {
    ssize_t (*write)(int fd, const void* data, size_t size) = ::write;
    int (*fsync)(int fd) = ::fsync;
    // An unnamed temporary file (O_TMPFILE) where the file system has them; otherwise, or when
    // off, the temporary file has a name from the start.
    bool unnamedTemporary = true;
};

// A save that did not happen; what() is the reason in the current language.
class SaveError : public std::runtime_error {
  public:
    explicit SaveError(int error);
    int Error() const { return error_; }

  private:
    int error_;
};

// Makes data the whole content of the file at path:
// - a symbolic link is followed to its final target, which gets the content; links stay links;
// - an existing file keeps its mode, and its owner and group where the system allows; a new
//   file gets 0666 less the umask; an existing file the user may not write is refused;
// - the content goes to a temporary file in the target's folder, completely written and synced,
//   which then replaces the target in one step; the folder is synced after;
// - on every failure the old file stays as it was and no temporary file remains (SaveError).
// A temporary file that has a name is "<name>.tmp-<pid>-<random>" and locked while in use; one
// that a killed save left behind is removed by the next save to the same file.
void SaveFile(const std::string& path, std::span<const uint8_t> data, const SaveCalls& calls = {});

}  // namespace pw
