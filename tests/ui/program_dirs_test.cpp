// The writable program directory: where it is, and what it is seeded with.
#include "ui/app/program_dirs.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "ui/app/program_info.h"
#include "ui_test_support.h"

namespace pw {
namespace {

// Sets an environment variable for one test.
struct EnvScope {
    std::string name;
    std::optional<std::string> saved;
    EnvScope(const char* n, const char* value) : name(n) {
        if (const char* v = std::getenv(n)) saved = v;
        if (value)
            setenv(n, value, 1);
        else
            unsetenv(n);
    }
    ~EnvScope() {
        if (saved)
            setenv(name.c_str(), saved->c_str(), 1);
        else
            unsetenv(name.c_str());
    }
};

TEST(ProgramDirs, OptionBeforeEnvironmentBeforeConfigHome) {
    EnvScope home("PLATTENWERK_HOME", "/tmp/pw-env");
    EnvScope config("XDG_CONFIG_HOME", "/tmp/pw-config");
    EXPECT_EQ(ResolveHomeDirectory(std::string("/tmp/pw-option")), "/tmp/pw-option/");
    EXPECT_EQ(ResolveHomeDirectory(std::nullopt), "/tmp/pw-env/");
    EnvScope noHome("PLATTENWERK_HOME", nullptr);
    EXPECT_EQ(ResolveHomeDirectory(std::nullopt), "/tmp/pw-config/plattenwerk/");
    EnvScope noConfig("XDG_CONFIG_HOME", nullptr);
    EnvScope user("HOME", "/home/someone");
    EXPECT_EQ(ResolveHomeDirectory(std::nullopt), "/home/someone/.config/plattenwerk/");
}

TEST(ProgramDirs, SeedingCopiesWhatIsMissingAndKeepsWhatIsThere) {
    test::TempDir data, parent;
    std::filesystem::create_directories(data.File("home"));
    std::filesystem::create_directories(data.File("Beispiele"));
    data.Write("home/SPRACHE.INI", "[Sprache]\r\nSprache=0\r\n");
    data.Write("home/Werkbank.INI", "shipped");
    data.Write("Beispiele/Beispiel.fpl", "example");
    data.Write("TITEL.BMP", "picture");
    const std::string home = parent.File("new/plattenwerk") + "/";
    ASSERT_TRUE(std::filesystem::create_directories(home));
    std::ofstream(home + "Werkbank.INI") << "mine";

    ASSERT_TRUE(SeedHomeDirectory(home, data.Path() + "/"));
    auto read = [](const std::string& p) {
        std::ifstream in(p);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    };
    EXPECT_EQ(read(home + "Werkbank.INI"), "mine");
    EXPECT_EQ(read(home + "SPRACHE.INI"), "[Sprache]\r\nSprache=0\r\n");
    EXPECT_EQ(read(home + "Beispiele/Beispiel.fpl"), "example");
    // Read-only data stays where it is.
    EXPECT_FALSE(std::filesystem::exists(home + "TITEL.BMP"));
}

TEST(ProgramDirs, AFileSeededOnceIsNotSeededAgain) {
    test::TempDir data, parent;
    std::filesystem::create_directories(data.File("home"));
    std::filesystem::create_directories(data.File("LIB"));
    data.Write("home/Stifte.ini", "pens");
    data.Write("LIB/LIB1.Lib", "page one");
    data.Write("LIB/SOURCES.md", "notes");
    const std::string home = parent.File("plattenwerk") + "/";
    ASSERT_TRUE(SeedHomeDirectory(home, data.Path() + "/"));
    EXPECT_TRUE(std::filesystem::exists(home + "LIB/LIB1.Lib"));
    EXPECT_TRUE(std::filesystem::exists(home + "Stifte.ini"));
    EXPECT_FALSE(std::filesystem::exists(home + "LIB/SOURCES.md"));

    // What the user deleted stays deleted; what a newer version ships arrives once.
    std::filesystem::remove(home + "LIB/LIB1.Lib");
    std::filesystem::remove(home + "Stifte.ini");
    data.Write("LIB/LIB2.Lib", "page two");
    ASSERT_TRUE(SeedHomeDirectory(home, data.Path() + "/"));
    EXPECT_FALSE(std::filesystem::exists(home + "LIB/LIB1.Lib"));
    EXPECT_FALSE(std::filesystem::exists(home + "Stifte.ini"));
    EXPECT_TRUE(std::filesystem::exists(home + "LIB/LIB2.Lib"));

    // A library directory the user named in small letters is the one seeded into.
    test::TempDir other;
    std::filesystem::create_directories(other.File("lib"));
    ASSERT_TRUE(SeedHomeDirectory(other.Path() + "/", data.Path() + "/"));
    EXPECT_TRUE(std::filesystem::exists(other.File("lib/LIB2.Lib")));
    EXPECT_FALSE(std::filesystem::exists(other.File("LIB")));
}

TEST(ProgramDirs, SeedingCreatesTheDirectory) {
    test::TempDir parent;
    const std::string home = parent.File("a/b/plattenwerk/");
    EXPECT_TRUE(SeedHomeDirectory(home, ""));
    EXPECT_TRUE(std::filesystem::is_directory(home));
    // A plain file where the directory should be cannot become one.
    parent.Write("file", "x");
    EXPECT_FALSE(SeedHomeDirectory(parent.File("file"), ""));
}

TEST(ProgramDirs, CommandLine) {
    const char* a[] = {"plattenwerk", "--home", "/tmp/h", "doc.fpl", "other.fpl"};
    CommandLine c = ParseCommandLine(5, a);
    EXPECT_EQ(c.home, "/tmp/h");
    EXPECT_EQ(c.document, "doc.fpl");
    EXPECT_FALSE(c.version);
    EXPECT_FALSE(c.help);
    const char* b[] = {"plattenwerk", "--home=/x"};
    c = ParseCommandLine(2, b);
    EXPECT_EQ(c.home, "/x");
    EXPECT_FALSE(c.document);
    const char* d[] = {"plattenwerk", "--version", "--help", "doc.fpl"};
    c = ParseCommandLine(4, d);
    EXPECT_TRUE(c.version);
    EXPECT_TRUE(c.help);
    EXPECT_EQ(c.document, "doc.fpl");
}

// An installed tree: PREFIX/bin/plattenwerk finds PREFIX/share/plattenwerk, also through a
// symbolic link to the program; PLATTENWERK_DATA comes first.
TEST(ProgramDirs, DataIsFoundBesideTheInstalledProgram) {
    test::TempDir prefix;
    namespace fs = std::filesystem;
    fs::create_directories(prefix.File("usr/bin"));
    fs::create_directories(prefix.File("usr/share/plattenwerk"));
    fs::create_directories(prefix.File("elsewhere"));
    prefix.Write("usr/bin/plattenwerk", "program");
    fs::create_symlink(prefix.File("usr/bin/plattenwerk"), prefix.File("elsewhere/pw"));
    const std::string installed = fs::canonical(prefix.File("usr/share/plattenwerk")).string() + "/";

    EnvScope noData("PLATTENWERK_DATA", nullptr);
    EXPECT_EQ(FindDataDirectory(prefix.File("usr/bin/plattenwerk")), installed);
    EXPECT_EQ(FindDataDirectory(prefix.File("elsewhere/pw")), installed);
    EnvScope data("PLATTENWERK_DATA", prefix.File("elsewhere").c_str());
    EXPECT_EQ(FindDataDirectory(prefix.File("usr/bin/plattenwerk")), prefix.File("elsewhere/"));
}

TEST(ProgramDirs, HelpNamesTheDirectoriesInUse) {
    const std::string english =
        ProgramUsageText(false, "/home/u/.config/plattenwerk/", "/usr/share/plattenwerk/");
    EXPECT_NE(english.find("Usage: plattenwerk [--home DIR] [DOCUMENT.fpl]"), std::string::npos);
    EXPECT_NE(english.find("\nProgram directory: /home/u/.config/plattenwerk/\n"), std::string::npos);
    EXPECT_NE(english.find("\nData directory: /usr/share/plattenwerk/\n"), std::string::npos);
    const std::string german = ProgramUsageText(true, "/h/", "");
    EXPECT_NE(german.find("\nDatenverzeichnis: (keins gefunden)\n"), std::string::npos);
    EXPECT_NE(german.find("--version"), std::string::npos);
}

}  // namespace
}  // namespace pw
