#include "render/memory_limit.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>

namespace pw::test {

bool SucceedsWithinMemory(size_t extraBytes, const std::function<bool()>& work) {
    // The address space in use, in pages (first number of statm).
    size_t pages = 0;
    std::ifstream("/proc/self/statm") >> pages;
    const rlim_t limit = static_cast<rlim_t>(pages) * static_cast<rlim_t>(sysconf(_SC_PAGESIZE)) + extraBytes;
    const pid_t child = fork();
    if (child < 0) return false;
    if (child == 0) {
        const rlimit l{limit, limit};
        bool ok = false;
        try {
            ok = setrlimit(RLIMIT_AS, &l) == 0 && work();
        } catch (...) {
        }
        _exit(ok ? 0 : 1);
    }
    int status = 0;
    if (waitpid(child, &status, 0) != child) return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace pw::test
