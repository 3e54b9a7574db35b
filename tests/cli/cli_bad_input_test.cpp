// The command-line tool facing files that are no documents, files it must not read, its message
// language, and output names and options that cannot do what they say.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QBuffer>
#include <QImage>
#include <filesystem>
#include <random>

#include "cli/cli_fixture.h"
#include "cli/cli_options.h"
#include "fuzz/cli_exercise.h"

using namespace pw::test;

namespace {

std::vector<uint8_t> PngBytes() {
    QImage image(20, 10, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return {bytes.begin(), bytes.end()};
}

// Files of 41 bytes and more whose bytes 37 to 40 are no format version.
TEST(CliBadInput, NonDocumentsFailWithTheReadersMessageInEveryCommand) {
    std::string text = "# Plattenwerk\n\nA front-panel designer for Linux: lay out the front panels.\n";
    std::vector<uint8_t> random(100);
    std::mt19937 generator(12);
    for (uint8_t& b : random) b = static_cast<uint8_t>(generator());
    std::vector<std::vector<uint8_t>> files = {
        {text.begin(), text.end()}, PngBytes(), random, std::vector<uint8_t>(41, 'x')};
    TempDir dir;
    for (size_t i = 0; i < files.size(); ++i) {
        ASSERT_GE(files[i].size(), 41u);
        std::string in = dir.File("in" + std::to_string(i));
        WriteFile(in, files[i]);
        std::vector<std::string> before = dir.Listing();
        for (std::vector<std::string> args : {std::vector<std::string>{"check", in},
                                              {"info", in},
                                              {"convert", in, dir.File("out.fpl")},
                                              {"render", in, dir.File("out.png")}}) {
            CliResult r = RunCli(args);
            EXPECT_EQ(r.code, 1) << args[0] << " of file " << i;
            EXPECT_EQ(r.err, "Stream-Read-Fehler\n") << args[0] << " of file " << i;
            EXPECT_EQ(r.out, "");
            EXPECT_EQ(dir.Listing(), before) << args[0] << " of file " << i;
        }
    }
}

// The program under a 1 GiB address space: refused before reading, with the message in English.
TEST(CliBadInput, DevicesFifosAndHugeFilesAreRefusedBeforeReading) {
    TempDir dir;
    std::string fifo = dir.File("fifo"), huge = dir.File("huge.fpl");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    WriteFile(huge, {});
    std::filesystem::resize_file(huge, uintmax_t{2} << 30);
    const long kLimitKiB = 1 << 20;
    for (const std::string& path : {std::string("/dev/zero"), fifo}) {
        ProcessResult r = RunProgram("check '" + path + "' 2>&1", "LANG=C", kLimitKiB);
        EXPECT_EQ(r.code, 2) << path;
        EXPECT_EQ(r.out, path + " is not a regular file\n");
    }
    ProcessResult r = RunProgram("info '" + huge + "' 2>&1", "LANG=C", kLimitKiB);
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.out, "File " + huge + " is too large (more than 256 MiB)\n");
}

TEST(CliBadInput, MessagesFollowTheLocale) {
    using pw::Language;
    using pw::cli::LanguageFromLocale;
    EXPECT_EQ(LanguageFromLocale(nullptr, nullptr, "de_DE.UTF-8"), Language::German);
    EXPECT_EQ(LanguageFromLocale(nullptr, nullptr, "en_GB.UTF-8"), Language::English);
    EXPECT_EQ(LanguageFromLocale(nullptr, nullptr, nullptr), Language::English);
    EXPECT_EQ(LanguageFromLocale("", "de_AT", "C"), Language::German);
    EXPECT_EQ(LanguageFromLocale("C.UTF-8", "de_AT", "de_DE"), Language::English);

    TempDir dir;
    std::vector<uint8_t> unknown = SampleDocument();
    unknown[46] = 'X';  // the first class name, "TXohrung"
    WriteFile(dir.File("unknown.fpl"), unknown);
    std::string check = "check '" + dir.File("unknown.fpl") + "' 2>&1";
    EXPECT_EQ(RunProgram(check).out, "Class TXohrung not found\n");
    EXPECT_EQ(RunProgram(check, "LANG=de_DE.UTF-8").out, "Klasse TXohrung nicht gefunden\n");
    EXPECT_EQ(RunProgram(check, "LANG=de_DE.UTF-8 LC_ALL=C").out, "Class TXohrung not found\n");
}

TEST(CliBadInput, OutputNamesThatAreOnlyAnExtensionAreRefused) {
    TempDir dir;
    WriteFile(dir.File("doc.fpl"), SampleDocument());
    for (const char* name : {".png", ".fpl"}) {
        std::string command = std::string(name) == ".png" ? "render" : "convert";
        CliResult r = RunCli({command, dir.File("doc.fpl"), dir.File(name)});
        EXPECT_EQ(r.code, 2) << name;
        EXPECT_EQ(r.err, "Der Name der Ausgabedatei ist nur eine Endung: " + dir.File(name) + "\n");
    }
    EXPECT_EQ(dir.Listing(), std::vector<std::string>{"doc.fpl"});
    EXPECT_EQ(RunCli({"convert", dir.File("doc.fpl"), dir.File(".copy.fpl")}).code, 0);
}

TEST(CliBadInput, ResolutionWithVectorOutputsIsNotedAndIgnored) {
    TempDir dir;
    WriteFile(dir.File("doc.fpl"), SampleDocument());
    for (const char* out : {"a.svg", "a.pdf"}) {
        CliResult r = RunCli({"render", dir.File("doc.fpl"), dir.File(out), "--dpi", "600"});
        EXPECT_EQ(r.code, 0) << out;
        EXPECT_EQ(r.err,
                  "Hinweis: --dpi gilt nur für PNG und BMP; PDF und SVG haben die wahre Größe der Platte\n");
    }
    CliResult png = RunCli({"render", dir.File("doc.fpl"), dir.File("a.png"), "--dpi", "60"});
    EXPECT_EQ(png.code, 0);
    EXPECT_EQ(png.err, "");
}

// Inputs that once made the reader or the painting fail, loaded as the tool loads files and
// painted through the Qt canvas, as the fuzzer does.
TEST(CliBadInput, FuzzRegressionsLoadAndPaintWithoutHarm) {
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(PW_FUZZ_REGRESSIONS)) {
        std::vector<uint8_t> bytes = ReadFile(entry.path().string());
        pw::fuzz::ExerciseDocumentFile(entry.path().string(), bytes.data(), bytes.size());
        ++files;
    }
    EXPECT_GE(files, 4);
}

}  // namespace
