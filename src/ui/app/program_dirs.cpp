#include "ui/app/program_dirs.h"

#include <cstdlib>
#include <filesystem>
#include <string_view>

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

bool SeedHomeDirectory(const std::string& home, const std::string& data) {
    std::error_code ec;
    fs::create_directories(home, ec);
    if (!IsDirectory(home)) return false;
    if (data.empty()) return true;
    const auto copyOptions = fs::copy_options::skip_existing | fs::copy_options::recursive;
    if (IsDirectory(fs::path(data) / "home")) fs::copy(fs::path(data) / "home", home, copyOptions, ec);
    for (const char* examples : {"Beispiele", "Examples"}) {
        fs::path from = fs::path(data) / examples;
        if (IsDirectory(from) && !fs::exists(fs::path(home) / examples, ec))
            fs::copy(from, fs::path(home) / examples, copyOptions, ec);
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
