#include "ui/app/program_dirs.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string_view>

#include "panel/library_directory.h"

#ifndef PW_INSTALLED_DATA_DIR
#define PW_INSTALLED_DATA_DIR "../share/plattenwerk"
#endif

namespace fs = std::filesystem;

namespace pw {

namespace {

std::string WithSlash(std::string dir) {
    if (!dir.empty() && dir.back() != '/') dir += '/';
    return dir;
}

std::string Env(const char* name) {
    const char* v = std::getenv(name);
    return v ? std::string(v) : std::string();
}

bool IsDirectory(const fs::path& p) {
    std::error_code ec;
    return fs::is_directory(p, ec);
}

}  // namespace

std::string ResolveHomeDirectory(const std::optional<std::string>& homeOption) {
    if (homeOption && !homeOption->empty())
        return WithSlash(fs::absolute(*homeOption).lexically_normal().string());
    if (std::string env = Env("PLATTENWERK_HOME"); !env.empty())
        return WithSlash(fs::absolute(env).lexically_normal().string());
    std::string config = Env("XDG_CONFIG_HOME");
    if (config.empty()) {
        std::string home = Env("HOME");
        config = (home.empty() ? fs::temp_directory_path().string() : home) + "/.config";
    }
    return WithSlash(config + "/plattenwerk");
}

std::string FindDataDirectory(const std::string& executablePath) {
    if (std::string env = Env("PLATTENWERK_DATA"); !env.empty() && IsDirectory(env)) return WithSlash(env);
    std::error_code ec;
    fs::path exe = fs::weakly_canonical(executablePath, ec);
    if (!ec) {
        fs::path installed = (exe.parent_path() / PW_INSTALLED_DATA_DIR).lexically_normal();
        if (IsDirectory(installed)) return WithSlash(installed.string());
    }
#ifdef PW_SOURCE_DATA_DIR
    if (IsDirectory(PW_SOURCE_DATA_DIR)) return WithSlash(PW_SOURCE_DATA_DIR);
#endif
    return {};
}

namespace {

// The record of what was seeded, one path relative to the program directory per line.
constexpr const char* kSeedRecord = ".seeded";

std::set<std::string> ReadSeedRecord(const fs::path& home) {
    std::set<std::string> seeded;
    std::ifstream in(home / kSeedRecord);
    for (std::string line; std::getline(in, line);)
        if (!line.empty()) seeded.insert(line);
    return seeded;
}

// Seeds the files of one shipped tree that were never seeded; a file the user deleted after
// it was seeded stays deleted. Files already there are recorded as seeded and kept.
void SeedTree(const fs::path& from, const fs::path& to, const std::string& prefix,
              std::set<std::string>& seeded, bool& changed, bool (*wanted)(const fs::path&)) {
    std::error_code ec;
    if (!IsDirectory(from)) return;
    for (auto it = fs::recursive_directory_iterator(from, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        if (!it->is_regular_file(ec) || !wanted(it->path())) continue;
        const fs::path relative = it->path().lexically_relative(from);
        const std::string key = prefix + relative.generic_string();
        if (seeded.count(key)) continue;
        const fs::path target = to / relative;
        if (!fs::exists(target, ec)) {
            fs::create_directories(target.parent_path(), ec);
            fs::copy_file(it->path(), target, ec);
            if (ec) continue;
        }
        seeded.insert(key);
        changed = true;
    }
}

bool AnyFile(const fs::path&) {
    return true;
}

bool PageFile(const fs::path& p) {
    return IsLibraryPageName(p.filename().string());
}

}  // namespace

bool SeedHomeDirectory(const std::string& home, const std::string& data) {
    std::error_code ec;
    fs::create_directories(home, ec);
    if (!IsDirectory(home)) return false;
    if (data.empty()) return true;
    std::set<std::string> seeded = ReadSeedRecord(home);
    bool changed = false;
    const fs::path d(data);
    SeedTree(d / "home", home, "", seeded, changed, &AnyFile);
    SeedTree(d / "LIB", LibraryDirectoryOf(WithSlash(home)), "LIB/", seeded, changed, &PageFile);
    for (const char* examples : {"Beispiele", "Examples"})
        SeedTree(d / examples, fs::path(home) / examples, std::string(examples) + "/", seeded, changed,
                 &AnyFile);
    if (changed) {
        std::ofstream out(fs::path(home) / kSeedRecord, std::ios::trunc);
        for (const std::string& s : seeded) out << s << '\n';
    }
    return true;
}

CommandLine ParseCommandLine(int argc, const char* const* argv) {
    CommandLine c;
    for (int i = 1; i < argc; ++i) {
        std::string_view a = argv[i];
        if (a == "--home" && i + 1 < argc) {
            c.home = argv[++i];
        } else if (a.starts_with("--home=")) {
            c.home = std::string(a.substr(7));
        } else if (a == "--version") {
            c.version = true;
        } else if (a == "--help") {
            c.help = true;
        } else if (!a.starts_with("--") && !c.document) {
            c.document = std::string(a);
        }
    }
    return c;
}

}  // namespace pw
