// "render", "convert" and the usage errors of the command-line tool, called as functions and
// as the installed program.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <QImage>
#include <QRegularExpression>
#include <cstdio>
#include <nlohmann/json.hpp>

#include "cli/cli_fixture.h"
#include "cli/cli_options.h"

using namespace pw::test;

namespace {

QImage LoadImage(const std::string& path) {
    return QImage(QString::fromStdString(path));
}

uint32_t Rgb(const QImage& img, int x, int y) {
    return img.pixel(x, y) & 0xFFFFFF;
}

class CliRender : public testing::Test {
  protected:
    void SetUp() override { WriteFile(doc, SampleDocument()); }
    TempDir dir;
    std::string doc = dir.File("doc.fpl");
};

TEST_F(CliRender, PngAtTrueScale) {
    std::string out = dir.File("front.png");
    CliResult r = RunCli({"render", doc, out, "--dpi", "254"});
    ASSERT_EQ(r.code, 0) << r.err;
    QImage img = LoadImage(out);
    ASSERT_EQ(img.size(), QSize(1000, 500));
    EXPECT_EQ(Rgb(img, 510, 260), 0xE6E6E6u);
    // Grid origin (2 mm, 4 mm), lines every 8 mm at the panel's zoom of 1: one at x = 50 mm.
    EXPECT_EQ(Rgb(img, 500, 300), 0xB4B4B4u);
    EXPECT_EQ(Rgb(img, 0, 0), 0u);
    // The 10 mm drill hole at (20 mm, 12 mm): 100 pixels across its middle row.
    int grey = 0;
    for (int x = 0; x < 1000; ++x)
        if (Rgb(img, x, 115) == 0x808080u || Rgb(img, x, 115) == 0xC0C0C0u) ++grey;
    EXPECT_NEAR(grey, 100, 2);
}

TEST_F(CliRender, DefaultResolutionPanelChoiceAndBmp) {
    std::string out = dir.File("back.BMP");
    CliResult r = RunCli({"render", doc, out, "--panel=1"});
    ASSERT_EQ(r.code, 0) << r.err;
    QImage img = LoadImage(out);
    EXPECT_EQ(img.size(), QSize(472, 236));  // 80 x 40 mm at 150 dpi
    EXPECT_EQ(Rgb(img, 30, 30), 0x996633u);  // stored 0x00BBGGRR = 0x00336699
}

TEST_F(CliRender, OutlineAndNoBackground) {
    ASSERT_EQ(RunCli({"render", doc, dir.File("o.png"), "--outline", "--dpi", "100"}).code, 0);
    ASSERT_EQ(RunCli({"render", doc, dir.File("n.png"), "--no-background", "--dpi", "100"}).code, 0);
    QImage outline = LoadImage(dir.File("o.png")), bare = LoadImage(dir.File("n.png"));
    EXPECT_EQ(Rgb(outline, 300, 150), 0xFFFFFFu);
    EXPECT_EQ(Rgb(outline, 0, 0), 0u);
    EXPECT_EQ(Rgb(bare, 300, 150), 0xFFFFFFu);
    EXPECT_EQ(Rgb(bare, 0, 0), 0xFFFFFFu);
}

TEST_F(CliRender, PdfWithAllPanelsHasOnePageEach) {
    std::string out = dir.File("all.pdf");
    ASSERT_EQ(RunCli({"render", doc, out, "--panel", "all"}).code, 0);
    std::vector<uint8_t> bytes = ReadFile(out);
    QString text = QString::fromLatin1(reinterpret_cast<const char*>(bytes.data()),
                                       static_cast<qsizetype>(bytes.size()));
    QRegularExpression re(R"(/MediaBox \[([-0-9.]+) ([-0-9.]+) ([-0-9.]+) ([-0-9.]+) *\])");
    std::vector<std::pair<double, double>> pages;
    for (auto it = re.globalMatch(text); it.hasNext();) {
        auto m = it.next();
        pages.emplace_back((m.captured(3).toDouble() - m.captured(1).toDouble()) * 25.4 / 72,
                           (m.captured(4).toDouble() - m.captured(2).toDouble()) * 25.4 / 72);
    }
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_NEAR(pages[0].first, 100, 0.001);
    EXPECT_NEAR(pages[0].second, 50, 0.001);
    EXPECT_NEAR(pages[1].first, 80, 0.001);
    EXPECT_NEAR(pages[1].second, 40, 0.001);
}

TEST_F(CliRender, SvgInMillimetres) {
    std::string out = dir.File("back.svg");
    ASSERT_EQ(RunCli({"render", doc, out, "--panel", "1"}).code, 0);
    std::vector<uint8_t> bytes = ReadFile(out);
    std::string svg(bytes.begin(), bytes.end());
    EXPECT_NE(svg.find(R"(width="80mm" height="40mm")"), std::string::npos);
    EXPECT_NE(svg.find(R"(viewBox="0 0 8000 4000")"), std::string::npos);
}

TEST(CliConvert, WritesTheSameBytesTheProgramWrote) {
    TempDir dir;
    std::vector<uint8_t> original = SampleDocument();
    WriteFile(dir.File("in.fpl"), original);
    CliResult r = RunCli({"convert", dir.File("in.fpl"), dir.File("out.fpl")});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(ReadFile(dir.File("out.fpl")), original);
    // Over itself: read completely before the file is replaced.
    ASSERT_EQ(RunCli({"convert", dir.File("out.fpl"), dir.File("out.fpl")}).code, 0);
    EXPECT_EQ(ReadFile(dir.File("out.fpl")), original);
    EXPECT_EQ(dir.Listing(), (std::vector<std::string>{"in.fpl", "out.fpl"}));
}

TEST(CliScale, WritesAScaleDocumentThatInfoLists) {
    TempDir dir;
    CliResult r = RunCli({"scale", "1", dir.File("knob.fpl"), "--set", "5=0", "--lang", "en"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.err.find("-0.01"), std::string::npos);  // the zero tick length was corrected
    CliResult info = RunCli({"info", dir.File("knob.fpl")});
    ASSERT_EQ(info.code, 0) << info.err;
    nlohmann::json j = nlohmann::json::parse(info.out);
    ASSERT_EQ(j["panels"].size(), 1u);
    ASSERT_EQ(j["panels"][0]["elements"].size(), 1u);
    EXPECT_EQ(j["panels"][0]["elements"][0]["class"], "TScale");
    EXPECT_EQ(RunCli({"scale", "13", dir.File("bad.fpl")}).code, 2);
    // With a style, --help lists its parameters with their numbers.
    CliResult help = RunCli({"scale", "1", "--help", "--lang", "en"});
    EXPECT_EQ(help.code, 0);
    EXPECT_NE(help.out.find("  5  1.Division: Length [mm] = 7"), std::string::npos) << help.out;
}

// Exit status 2, one line on the error stream, nothing written.
void ExpectUsageError(const TempDir& dir, const std::vector<std::string>& args) {
    std::vector<std::string> before = dir.Listing();
    CliResult r = RunCli(args);
    std::string line = args.empty() ? "" : args[0];
    for (size_t i = 1; i < args.size(); ++i) line += " " + args[i];
    EXPECT_EQ(r.code, 2) << line;
    ASSERT_FALSE(r.err.empty()) << line;
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << line << ": " << r.err;
    EXPECT_EQ(r.out, "") << line;
    EXPECT_EQ(dir.Listing(), before) << line;
}

TEST(CliUsage, MissingFilesUnknownOptionsAndBadValuesExitWithTwo) {
    TempDir dir;
    WriteFile(dir.File("doc.fpl"), SampleDocument());
    std::string doc = dir.File("doc.fpl"), missing = dir.File("missing.fpl");
    for (const char* command : {"info", "check"}) ExpectUsageError(dir, {command, missing});
    ExpectUsageError(dir, {"check", dir.Path().string()});
    ExpectUsageError(dir, {"convert", missing, dir.File("out.fpl")});
    ExpectUsageError(dir, {"render", missing, dir.File("out.png")});
    ExpectUsageError(dir, {"info", doc, "--frobnicate"});
    ExpectUsageError(dir, {"info", doc, "--dpi", "300"});
    ExpectUsageError(dir, {"render", doc, dir.File("out.png"), "--dpi"});
    ExpectUsageError(dir, {"render", doc, dir.File("out.png"), "--dpi", "0"});
    ExpectUsageError(dir, {"render", doc, dir.File("out.png"), "--dpi", "many"});
    ExpectUsageError(dir, {"render", doc, dir.File("out.png"), "--panel", "2"});
    ExpectUsageError(dir, {"render", doc, dir.File("out.png"), "--panel", "-1"});
    ExpectUsageError(dir, {"render", doc, dir.File("out.png"), "--panel", "all"});
    ExpectUsageError(dir, {"render", doc, dir.File("out.jpg")});
    ExpectUsageError(dir, {"render", doc, dir.File("out.png"), "--outline=yes"});
    ExpectUsageError(dir, {"render", doc});
    ExpectUsageError(dir, {"frobnicate", doc});
    ExpectUsageError(dir, {});
}

TEST(CliUsage, VersionIsTheOnlyWordAndNamesTheTool) {
    CliResult version = RunCli({"--version"});
    EXPECT_EQ(version.code, 0);
    EXPECT_THAT(version.out, testing::MatchesRegex("plattenwerk-cli [0-9]+\\.[0-9]+(\\.[0-9]+)?\n"));
    EXPECT_EQ(version.err, "");
    // As an option of a command it is unknown, as any other option there.
    TempDir dir;
    WriteFile(dir.File("doc.fpl"), SampleDocument());
    ExpectUsageError(dir, {"info", dir.File("doc.fpl"), "--version"});
}

TEST(CliUsage, UnwritableOutputsLeaveNothingBehind) {
    TempDir dir;
    WriteFile(dir.File("doc.fpl"), SampleDocument());
    std::string doc = dir.File("doc.fpl");
    std::string nowhere = dir.File("no-such-dir/out");
    ExpectUsageError(dir, {"convert", doc, nowhere + ".fpl"});
    ExpectUsageError(dir, {"render", doc, nowhere + ".png"});
    ExpectUsageError(dir, {"render", doc, nowhere + ".pdf"});
    std::filesystem::create_directory(dir.File("taken.png"));
    ExpectUsageError(dir, {"render", doc, dir.File("taken.png")});
    // A picture too large to make: refused before anything is written.
    ExpectUsageError(dir, {"render", doc, dir.File("huge.png"), "--dpi", "9000"});
}

// --- The program itself ---

struct ProcessResult {
    int code = -1;
    std::string out;
};

// The locale is LANG=C unless given; limitKiB bounds the address space; after a minute of waiting
// the program is ended.
ProcessResult RunProgram(const std::string& arguments, const std::string& locale = "LANG=C",
                         long limitKiB = 0) {
    // Without a display the program must pick the offscreen platform by itself.
    std::string command =
        (limitKiB ? "ulimit -v " + std::to_string(limitKiB) + "; " : "") +
        "timeout 60 env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_RUNTIME_DIR "
        "-u LC_ALL -u LC_MESSAGES " +
        locale + " '" PW_CLI_PATH "' " + arguments;
    // Arguments that redirect the error stream themselves keep it.
    if (arguments.find("2>&1") == std::string::npos) command += " 2>/dev/null";
    ProcessResult r;
    FILE* p = popen(command.c_str(), "r");
    if (!p) return r;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0) r.out.append(buf, n);
    int status = pclose(p);
    r.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

TEST(CliProgram, RunsHeadlessWithItsExitStatuses) {
    TempDir dir;
    WriteFile(dir.File("doc.fpl"), SampleDocument());
    ProcessResult info = RunProgram("info '" + dir.File("doc.fpl") + "'");
    ASSERT_EQ(info.code, 0);
    nlohmann::json j = nlohmann::json::parse(info.out);
    EXPECT_EQ(j["panels"].size(), 2u);
    EXPECT_EQ(RunProgram("render '" + dir.File("doc.fpl") + "' '" + dir.File("p.png") + "' --dpi 50").code,
              0);
    EXPECT_EQ(LoadImage(dir.File("p.png")).size(), QSize(197, 98));
    EXPECT_EQ(RunProgram("check '" + dir.File("missing.fpl") + "'").code, 2);
    // The error stream holds the one message line and nothing else.
    ProcessResult errors = RunProgram("check '" + dir.File("missing.fpl") + "' 2>&1 >/dev/null");
    EXPECT_EQ(errors.out, "Cannot open file " + dir.File("missing.fpl") + "\n");
    WriteFile(dir.File("cut.fpl"), std::vector<uint8_t>(10, 0));
    EXPECT_EQ(RunProgram("check '" + dir.File("cut.fpl") + "'").code, 1);
}

// Under a 1 GiB address space: refused before reading, without waiting for a writer.
TEST(CliProgram, DevicesAndFifosAreRefusedBeforeReading) {
    TempDir dir;
    ASSERT_EQ(::mkfifo(dir.File("fifo").c_str(), 0600), 0);
    for (const std::string& path : {std::string("/dev/zero"), dir.File("fifo")}) {
        ProcessResult r = RunProgram("check '" + path + "' 2>&1", "LANG=C", 1 << 20);
        EXPECT_EQ(r.code, 2) << path;
        EXPECT_EQ(r.out, path + " is not a regular file\n");
    }
}

TEST(CliProgram, MessagesFollowTheLocale) {
    EXPECT_EQ(pw::cli::LanguageFromLocale(nullptr, nullptr, "de_DE.UTF-8"), pw::Language::German);
    EXPECT_EQ(pw::cli::LanguageFromLocale(nullptr, nullptr, nullptr), pw::Language::English);
    EXPECT_EQ(pw::cli::LanguageFromLocale("", "de_AT", "C"), pw::Language::German);
    TempDir dir;
    std::vector<uint8_t> unknown = SampleDocument();
    unknown[46] = 'X';  // the first class name, "TXohrung"
    WriteFile(dir.File("unknown.fpl"), unknown);
    std::string check = "check '" + dir.File("unknown.fpl") + "' 2>&1";
    EXPECT_EQ(RunProgram(check).out, "Class TXohrung not found\n");
    EXPECT_EQ(RunProgram(check, "LANG=de_DE.UTF-8").out, "Klasse TXohrung nicht gefunden\n");
    EXPECT_EQ(RunProgram(check, "LANG=de_DE.UTF-8 LC_ALL=C").out, "Class TXohrung not found\n");
}

}  // namespace
