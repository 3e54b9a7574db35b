// The command-line tool facing files that are no documents, and output names and options that
// cannot do what they say.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <random>

#include "cli/cli_fixture.h"

using namespace pw::test;

namespace {

// Files of 41 bytes and more whose bytes 37 to 40 are no format version.
TEST(CliBadInput, NonDocumentsFailWithTheReadersMessageInEveryCommand) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImage(20, 10, QImage::Format_RGB32).save(&buffer, "PNG");
    std::string text = "# Plattenwerk\n\nA front-panel designer for Linux: lay out the front panels.\n";
    std::vector<uint8_t> random(100);
    std::mt19937 generator(12);
    for (uint8_t& b : random) b = static_cast<uint8_t>(generator());
    TempDir dir;
    for (std::vector<uint8_t> bytes :
         {std::vector<uint8_t>(text.begin(), text.end()), std::vector<uint8_t>(png.begin(), png.end()),
          random, std::vector<uint8_t>(41, 'x')}) {
        WriteFile(dir.File("in"), bytes);
        for (std::vector<std::string> args : {std::vector<std::string>{"check", dir.File("in")},
                                              {"info", dir.File("in")},
                                              {"convert", dir.File("in"), dir.File("out.fpl")},
                                              {"render", dir.File("in"), dir.File("out.png")}}) {
            CliResult r = RunCli(args);
            EXPECT_EQ(r.code, 1) << args[0] << " of " << bytes.size() << " bytes";
            EXPECT_EQ(r.err, "Stream-Read-Fehler\n") << args[0] << " of " << bytes.size() << " bytes";
            EXPECT_EQ(r.out, "");
            EXPECT_EQ(dir.Listing(), std::vector<std::string>{"in"});
        }
    }
}

TEST(CliBadInput, OutputNamedOnlyByAnExtensionIsRefused) {
    TempDir dir;
    WriteFile(dir.File("doc.fpl"), SampleDocument());
    for (auto [command, name] : {std::pair{"render", ".png"}, {"convert", ".fpl"}}) {
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
    for (const char* out : {"a.svg", "a.pdf", "a.png"}) {
        CliResult r = RunCli({"render", dir.File("doc.fpl"), dir.File(out), "--dpi", "60"});
        EXPECT_EQ(r.code, 0) << out;
        EXPECT_EQ(r.err, out == std::string("a.png") ? ""
                                                     : "Hinweis: --dpi gilt nur für PNG und BMP; PDF und SVG "
                                                       "haben die wahre Größe der Platte\n");
    }
}

}  // namespace
