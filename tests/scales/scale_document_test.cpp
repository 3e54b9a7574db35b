#include "panel/scale_document.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "elements/textlabel.h"
#include "panel/document.h"
#include "scale_test_support.h"

using namespace pw;
using namespace pw::test;

namespace {

namespace fs = std::filesystem;

struct TempDir {
    fs::path path;
    TempDir() {
        path = fs::temp_directory_path() /
               ("pw_scale_test_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(path);
        fs::create_directories(path);
    }
    ~TempDir() { fs::remove_all(path); }
};

struct CommandRun {
    int code;
    std::string out, err;
};

CommandRun RunCommand(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int code = RunScaleCommand(args, out, err);
    return {code, out.str(), err.str()};
}

TEST(ScaleArguments, OptionsInBothForms) {
    ScaleOptions o = ParseScaleArguments(
        {"--set", "4=20", "3", "--lang=en", "out.fpl", "--set=11=2,5", "--labels", "a,b"});
    EXPECT_EQ(o.style, 3);
    EXPECT_EQ(o.output, "out.fpl");
    ASSERT_EQ(o.settings.size(), 2u);
    EXPECT_EQ(o.settings[0].index, 4u);
    EXPECT_EQ(o.settings[0].value, "20");
    EXPECT_EQ(o.settings[1].index, 11u);
    EXPECT_EQ(o.settings[1].value, "2,5");
    EXPECT_EQ(o.language, Language::English);
    EXPECT_EQ(o.labels, (std::vector<std::string>{"a", "b"}));
    EXPECT_TRUE(ParseScaleArguments({"--help"}).help);
}

TEST(ScaleArguments, Mistakes) {
    const std::vector<std::vector<std::string>> wrong = {
        {},
        {"1"},
        {"1", "a.fpl", "b.fpl"},
        {"13", "a.fpl"},
        {"-1", "a.fpl"},
        {"x", "a.fpl"},
        {"1", "a.fpl", "--set", "3"},
        {"1", "a.fpl", "--set", "a=3"},
        {"1", "a.fpl", "--set"},
        {"1", "a.fpl", "--lang", "fr"},
        {"1", "a.fpl", "--size", "3"},
    };
    for (const auto& args : wrong) EXPECT_THROW(ParseScaleArguments(args), ScaleUsageError) << args.size();
}

TEST(ScaleArguments, LabelTextsWithEscapes) {
    EXPECT_EQ(SplitLabels("0,5,10"), (std::vector<std::string>{"0", "5", "10"}));
    EXPECT_EQ(SplitLabels("0\\,5,1\\\\2,,"), (std::vector<std::string>{"0,5", "1\\2", "", ""}));
    EXPECT_EQ(SplitLabels("Ä\\x"), (std::vector<std::string>{"Ä\\x"}));
}

TEST(ScaleCommand, SettingsGoThroughTheRangeCheck) {
    ScaleOptions o = ParseScaleArguments({"1", "x.fpl", "--set", "5=0", "--set", "4=12", "--set", "2=nein",
                                          "--set", "0=400", "--set", "7=2.6"});
    std::vector<std::string> corrections;
    std::unique_ptr<TScale> s = MakeScale(o, corrections);
    EXPECT_EQ(s->ParamReal(5), -0.01L);
    EXPECT_EQ(s->ParamInt(4), 12);
    EXPECT_FALSE(s->ParamBool(2));
    EXPECT_EQ(s->ParamReal(0), 360);
    EXPECT_EQ(s->ParamInt(7), 3);
    ASSERT_EQ(corrections.size(), 2u);
    EXPECT_EQ(corrections[0],
              "Parameter 5 \"1.Teilung: Länge [mm]\" = 0: Der eingegebene Wert überschreitet die zulässigen "
              "Grenzen "
              "und wird korrigiert! Neuer Wert: -0,01");
    EXPECT_EQ(s->TickGroup->MemberCount(), 13u);

    ScaleLanguage english(Language::English);
    corrections.clear();
    MakeScale(ParseScaleArguments({"6", "x.fpl", "--set", "3=0"}), corrections);
    ASSERT_EQ(corrections.size(), 1u);
    EXPECT_EQ(
        corrections[0],
        "Parameter 3 \"Segments (1..10)\" = 0: Value exceeds range and will be corrected! New value: 1");
}

TEST(ScaleCommand, FarValuesGoToTheBoundOnTheirSide) {
    std::vector<std::string> corrections;
    std::unique_ptr<TScale> s =
        MakeScale(ParseScaleArguments({"1", "x.fpl", "--set", "5=1e300", "--set", "0=-1e300"}), corrections);
    EXPECT_EQ(s->ParamReal(5), 200);
    EXPECT_EQ(s->ParamReal(0), 0);
    EXPECT_EQ(corrections.size(), 2u);
}

TEST(ScaleCommand, WrongParametersAndValues) {
    std::vector<std::string> corrections;
    for (const auto& args : std::vector<std::vector<std::string>>{{"11", "x.fpl", "--set", "4=1"},
                                                                  {"1", "x.fpl", "--set", "0=abc"},
                                                                  {"1", "x.fpl", "--set", "0=1,2,3"},
                                                                  {"1", "x.fpl", "--set", "2=vielleicht"},
                                                                  {"1", "x.fpl", "--set", "0="}})
        EXPECT_THROW(MakeScale(ParseScaleArguments(args), corrections), ScaleUsageError) << args[3];
}

TEST(ScaleCommand, WritesAOnePanelDocument) {
    TempDir dir;
    const std::string file = (dir.path / "knob.fpl").string();
    CommandRun run =
        RunCommand({"1", file, "--labels", "min,1,2,3,4,5,6,7,8,9,max", "--set", "5=0", "--lang", "en"});
    EXPECT_EQ(run.code, 0);
    EXPECT_NE(run.err.find("Value exceeds range"), std::string::npos);
    EXPECT_TRUE(run.out.empty());
    EXPECT_EQ(CurrentLanguage(), Language::German);  // the command leaves the language as it was

    const std::vector<uint8_t> bytes = ReadWholeFile(file);
    TPlatine panel;
    std::vector<TView> views;
    int extraPanels = 0;
    ReadDocument(
        bytes, panel,
        [&]() -> TPlatine& {
            ++extraPanels;
            return panel;
        },
        views);
    EXPECT_EQ(extraPanels, 0);
    EXPECT_TRUE(views.empty());
    EXPECT_EQ(panel.Width, 30000);
    EXPECT_EQ(panel.Height, 30000);
    ASSERT_EQ(panel.ElementCount(), 1u);
    auto& scale = dynamic_cast<TScale&>(*panel.Element(0));
    EXPECT_EQ(scale.Centre, (MPoint{15000, 15000}));
    EXPECT_EQ(scale.Description.Text(), "Group");
    auto& labels = Child<TGruppe>(scale, 4);
    EXPECT_EQ(Child<TTextLabel>(labels, 0).LabelText(), "min");
    EXPECT_EQ(Child<TTextLabel>(labels, 10).LabelText(), "max");
}

TEST(ScaleCommand, LabelsTheFileCannotHoldAreNamedOnStderr) {
    TempDir dir;
    const std::string file = (dir.path / "ohm.fpl").string();
    CommandRun run = RunCommand({"1", file, "--labels", "0 Ω,1 kΩ,µ,2 → 3", "--lang", "en"});
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.err, "--labels: Characters that cannot be stored: Ω → (become ?)\n");
    EXPECT_TRUE(RunCommand({"1", file, "--labels", "0,µ,€"}).err.empty());
}

TEST(ScaleCommand, ExitCodes) {
    TempDir dir;
    CommandRun help = RunCommand({"--help"});
    EXPECT_EQ(help.code, 0);
    EXPECT_EQ(help.out, ScaleUsageText());

    CommandRun usage = RunCommand({"14", (dir.path / "a.fpl").string()});
    EXPECT_EQ(usage.code, 2);
    EXPECT_NE(usage.err.find("Ungültiger Stil: 14"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir.path / "a.fpl"));

    CommandRun missing = RunCommand({"1", (dir.path / "no" / "such" / "dir.fpl").string()});
    EXPECT_EQ(missing.code, 2);
    EXPECT_NE(missing.err.find("kann nicht erstellt werden"), std::string::npos);

    CommandRun badValue = RunCommand({"12", (dir.path / "b.fpl").string(), "--set", "2=x"});
    EXPECT_EQ(badValue.code, 2);
    EXPECT_FALSE(fs::exists(dir.path / "b.fpl"));
}

}  // namespace
