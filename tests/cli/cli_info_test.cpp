// "info" and "check" on documents made here: the JSON lists exactly the panels, elements and
// views; damaged files fail with the reader's message.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "cli/cli_fixture.h"
#include "core/language.h"
#include "elements/bemassung.h"
#include "elements/bogen.h"
#include "elements/bohrung.h"
#include "elements/gruppe.h"
#include "elements/kreis.h"
#include "elements/polygon.h"
#include "elements/textlabel.h"
#include "panel/register_elements.h"
#include "support/hook_guards.h"

using namespace pw::test;
using Json = nlohmann::json;

namespace {

Json InfoOf(const std::vector<uint8_t>& bytes) {
    TempDir dir;
    WriteFile(dir.File("doc.fpl"), bytes);
    CliResult r = RunCli({"info", dir.File("doc.fpl")});
    EXPECT_EQ(r.code, 0) << r.err;
    return Json::parse(r.out);
}

// The JSON of a point as info writes it: rounded to three decimals.
Json PointJsonOf(pw::MPoint p) {
    auto r3 = [](pw::Real v) { return static_cast<double>(pw::RoundEven(v * 1000) / 1000); };
    return Json{{"x", r3(p.x)}, {"y", r3(p.y)}};
}

TEST(CliInfo, ListsExactlyThePanelsElementsAndViews) {
    Json j = InfoOf(SampleDocument());
    EXPECT_EQ(j["version"], "2,02");
    ASSERT_EQ(j["panels"].size(), 2u);

    const Json& front = j["panels"][0];
    EXPECT_EQ(front["name"], "Front");
    EXPECT_EQ(front["width"], 5000);
    EXPECT_EQ(front["height"], 2500);
    EXPECT_EQ(front["gridOrigin"], (Json{{"x", 100}, {"y", 200}}));
    EXPECT_EQ(front["snapSpacing"], 50);
    EXPECT_EQ(front["gridVisible"], true);
    EXPECT_EQ(front["color"], "0x00E6E6E6");
    const Json& elements = front["elements"];
    ASSERT_EQ(elements.size(), 3u);
    EXPECT_EQ(elements[0]["class"], "TBohrung");
    EXPECT_EQ(elements[0]["kind"], 8);
    EXPECT_EQ(elements[0]["bounds"], (Json{425, 425, 575, 575}));
    EXPECT_EQ(elements[0]["centre"], (Json{{"x", 500}, {"y", 500}}));
    EXPECT_EQ(elements[0]["diameter"], 150);
    EXPECT_EQ(elements[0]["penWidth"], 10);
    EXPECT_EQ(elements[0]["penColor"], "0x00C0C0C0");
    EXPECT_EQ(elements[0]["brushColor"], "0x00808080");
    EXPECT_EQ(elements[0]["flags"], (Json{{"fill", true}, {"milled", true}, {"smooth", false}}));
    // Written at (0, 0); the document keeps what was stored.
    EXPECT_EQ(elements[0]["insertPoint"], (Json{{"x", 0}, {"y", 0}}));
    EXPECT_EQ(elements[1]["description"], "Poti");
    EXPECT_EQ(elements[1]["insertPoint"], (Json{{"x", 750}, {"y", 850}}));

    const Json& group = elements[2];
    EXPECT_EQ(group["class"], "TGruppe");
    EXPECT_EQ(group["kind"], 6);
    EXPECT_EQ(group["name"], "Gruppe");
    ASSERT_EQ(group["members"].size(), 2u);
    EXPECT_EQ(group["members"][0]["class"], "TBohrung");
    EXPECT_EQ(group["members"][0]["diameter"], 200);
    EXPECT_EQ(group["members"][1]["class"], "TGruppe");
    ASSERT_EQ(group["members"][1]["members"].size(), 1u);
    EXPECT_EQ(group["members"][1]["members"][0]["centre"], (Json{{"x", 3000}, {"y", 1500}}));
    EXPECT_EQ(group["bounds"], (Json{1900, 900, 3150, 1650}));

    const Json& back = j["panels"][1];
    EXPECT_EQ(back["name"], "Back");
    EXPECT_EQ(back["color"], "0x00336699");
    ASSERT_EQ(back["elements"].size(), 1u);

    ASSERT_EQ(j["views"].size(), 2u);
    EXPECT_EQ(j["views"][0], (Json{{"left", 10},
                                   {"top", 5},
                                   {"width", 2500},
                                   {"height", 1250},
                                   {"panel", 0},
                                   {"name", "Links oben"}}));
    EXPECT_EQ(j["views"][1]["name"], "Rückseite");
    EXPECT_EQ(j["views"][1]["panel"], 1);
}

TEST(CliInfo, BoundsAreRoundedToThreeDecimals) {
    pw::TPlatine p;
    auto d = std::make_unique<pw::TBohrung>();
    d->Centre = {100.123456L, 200};
    d->Diameter = 100;
    p.AddElement(std::move(d));
    std::vector<uint8_t> bytes;
    pw::WriteDocument(bytes, {&p}, {});
    Json j = InfoOf(bytes);
    EXPECT_DOUBLE_EQ(j["panels"][0]["elements"][0]["bounds"][0].get<double>(), 50.123);
    EXPECT_DOUBLE_EQ(j["panels"][0]["elements"][0]["centre"]["x"].get<double>(), 100.123);
}

TEST(CliInfo, ContoursCirclesAndArcsShowWhatDefinesThem) {
    pw::TPlatine p;
    auto line = std::make_unique<pw::TLinie>();
    line->AddPoint({100, 100});
    line->AddPoint({600, 100});
    line->AddPoint({600, 350});
    p.AddElement(std::move(line));
    auto rect = std::make_unique<pw::TRechteck>();
    for (pw::MPoint c : {pw::MPoint{0, 0}, pw::MPoint{500, 0}, pw::MPoint{500, 250}, pw::MPoint{0, 250}})
        rect->AddPoint(c);
    p.AddElement(std::move(rect));
    auto polygon = std::make_unique<pw::TPolygon>();
    polygon->AddPoint({10, 10});
    polygon->AddPoint({20, 10});
    p.AddElement(std::move(polygon));
    auto circle = std::make_unique<pw::TKreis>();
    circle->Centre = {1000, 1000};
    circle->RimPoint = {1250, 1000};
    circle->BuildContour();
    p.AddElement(std::move(circle));
    auto arc = std::make_unique<pw::TBogen>();
    arc->Centre = {2000, 2000};
    arc->RimPoint = {2500, 2000};
    arc->StartPoint = {2500, 2000};
    arc->EndPoint = {2000, 1500};
    arc->SetStil(pw::TBogen::kPie);
    arc->BuildArc();
    p.AddElement(std::move(arc));
    std::vector<uint8_t> bytes;
    pw::WriteDocument(bytes, {&p}, {});

    Json elements = InfoOf(bytes)["panels"][0]["elements"];
    ASSERT_EQ(elements.size(), 5u);
    EXPECT_EQ(elements[0]["class"], "TLinie");
    EXPECT_EQ(elements[0]["points"],
              (Json{{{"x", 100}, {"y", 100}}, {{"x", 600}, {"y", 100}}, {{"x", 600}, {"y", 350}}}));
    EXPECT_EQ(elements[0]["closed"], false);
    EXPECT_EQ(elements[1]["class"], "TRechteck");
    EXPECT_EQ(elements[1]["points"].size(), 4u);
    EXPECT_EQ(elements[1]["closed"], true);
    EXPECT_EQ(elements[2]["class"], "TPolygon");
    EXPECT_EQ(elements[2]["closed"], false);
    EXPECT_EQ(elements[3]["class"], "TKreis");
    EXPECT_EQ(elements[3]["kind"], 4);
    EXPECT_EQ(elements[3]["centre"], (Json{{"x", 1000}, {"y", 1000}}));
    EXPECT_EQ(elements[3]["rimPoint"], (Json{{"x", 1250}, {"y", 1000}}));
    EXPECT_FALSE(elements[3].contains("points"));
    EXPECT_EQ(elements[4]["class"], "TBogen");
    EXPECT_EQ(elements[4]["kind"], 9);
    EXPECT_EQ(elements[4]["style"], 1);
    EXPECT_EQ(elements[4]["startPoint"], (Json{{"x", 2500}, {"y", 2000}}));
    EXPECT_EQ(elements[4]["endPoint"], (Json{{"x", 2000}, {"y", 1500}}));
    EXPECT_FALSE(elements[4].contains("points"));
}

TEST(CliInfo, TextsAndDimensionsShowWhatDefinesThem) {
    // The value is written with the decimal separator of the language (the tool's main sets it).
    pw::LanguageGuard language(pw::Language::English);
    pw::TPlatine p;
    auto upright = std::make_unique<pw::TTextLabel>(pw::FontSpec{"Arial", 200, pw::fsBold}, "Eingang",
                                                    pw::MPoint{500, 400});
    const int32_t width = upright->NaturalWidth();
    p.AddElement(std::move(upright));
    // Turned a quarter and mirrored left to right: the corners move, the flags say so.
    auto turned = std::make_unique<pw::TTextLabel>(pw::FontSpec{"Courier New", 150, pw::fsItalic}, "Aus",
                                                   pw::MPoint{1000, 1000});
    turned->Rotate({1000, 1000}, pw::kPi / 2);
    turned->Mirror(false, turned->GetBounds());
    const std::array<pw::MPoint, 4> turnedCorners = turned->Corners;
    const bool flippedH = turned->FlippedH, flippedV = turned->FlippedV;
    p.AddElement(std::move(turned));
    auto dimension = std::make_unique<pw::TBemassung>();
    dimension->SetPoints({1000, 2000}, {2000, 2000}, {1500, 1700});
    p.AddElement(std::move(dimension));
    std::vector<uint8_t> bytes;
    pw::WriteDocument(bytes, {&p}, {});

    Json elements = InfoOf(bytes)["panels"][0]["elements"];
    ASSERT_EQ(elements.size(), 3u);
    const Json& text = elements[0];
    EXPECT_EQ(text["class"], "TTextLabel");
    EXPECT_EQ(text["text"], "Eingang");
    EXPECT_EQ(text["fontName"], "Arial");
    EXPECT_EQ(text["fontHeight"], 200);
    EXPECT_EQ(text["fontStyle"], pw::fsBold);
    EXPECT_EQ(text["corners"], (Json{{{"x", 500}, {"y", 400}},
                                     {{"x", 500 + width}, {"y", 400}},
                                     {{"x", 500 + width}, {"y", 600}},
                                     {{"x", 500}, {"y", 600}}}));
    EXPECT_EQ(text["flippedH"], false);
    EXPECT_EQ(text["flippedV"], false);
    EXPECT_FALSE(text.contains("points"));

    const Json& turnedText = elements[1];
    EXPECT_EQ(turnedText["text"], "Aus");
    EXPECT_EQ(turnedText["fontName"], "Courier New");
    EXPECT_EQ(turnedText["fontStyle"], pw::fsItalic);
    EXPECT_TRUE(flippedH || flippedV);
    EXPECT_EQ(turnedText["flippedH"], flippedH);
    EXPECT_EQ(turnedText["flippedV"], flippedV);
    ASSERT_EQ(turnedText["corners"].size(), 4u);
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(turnedText["corners"][i], PointJsonOf(turnedCorners[i])) << i;
    }

    const Json& dim = elements[2];
    EXPECT_EQ(dim["class"], "TBemassung");
    EXPECT_EQ(dim["pointA"], (Json{{"x", 1000}, {"y", 2000}}));
    EXPECT_EQ(dim["pointB"], (Json{{"x", 2000}, {"y", 2000}}));
    EXPECT_EQ(dim["pointC"], (Json{{"x", 1500}, {"y", 1700}}));
    // 1000 units are 20 mm.
    EXPECT_EQ(dim["valueText"], "20.00");
    // Its members are listed as those of any group, the value label among them.
    ASSERT_TRUE(dim.contains("members"));
    bool labelListed = false;
    for (const Json& m : dim["members"])
        if (m["class"] == "TTextLabel" && m["text"] == "20.00") labelListed = true;
    EXPECT_TRUE(labelListed) << dim["members"].dump();
}

TEST(CliCheck, AcceptsAGoodDocumentSilently) {
    TempDir dir;
    WriteFile(dir.File("doc.fpl"), SampleDocument());
    CliResult r = RunCli({"check", dir.File("doc.fpl")});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "");
}

TEST(CliCheck, TruncatedFilesFailWithTheReadersMessage) {
    std::vector<uint8_t> whole = SampleDocument();
    TempDir dir;
    // Cut inside the header, the elements, the properties, the views and the second panel.
    for (size_t keep : {size_t{0}, size_t{10}, size_t{45}, size_t{120}, whole.size() / 2, whole.size() - 1}) {
        std::vector<uint8_t> cut(whole.begin(), whole.begin() + static_cast<long>(keep));
        WriteFile(dir.File("cut.fpl"), cut);
        CliResult r = RunCli({"check", dir.File("cut.fpl")});
        EXPECT_EQ(r.code, 1) << "kept " << keep;
        EXPECT_EQ(r.err, "Stream-Read-Fehler\n") << "kept " << keep;
    }
}

TEST(CliCheck, UnknownClassesAndNewerVersionsFail) {
    std::vector<uint8_t> bytes = SampleDocument();
    // The first class name, "TBohrung", right after the header and the element count.
    ASSERT_EQ(std::string(bytes.begin() + 45, bytes.begin() + 53), "TBohrung");
    std::vector<uint8_t> unknown = bytes;
    unknown[46] = 'X';
    TempDir dir;
    WriteFile(dir.File("unknown.fpl"), unknown);
    CliResult r = RunCli({"check", dir.File("unknown.fpl")});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, "Klasse TXohrung nicht gefunden\n");

    std::vector<uint8_t> newer = bytes;
    newer[39] = '1';  // "2,12"
    WriteFile(dir.File("newer.fpl"), newer);
    r = RunCli({"check", dir.File("newer.fpl")});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("2,12"), std::string::npos) << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1);
    EXPECT_EQ(r.err.find('\r'), std::string::npos);
}

}  // namespace

TEST(CliInfo, ReadsALibraryPageAsItsOneRecord) {
    pw::RegisterBuiltinElementClasses();
    pw::TPlatine page;
    page.Name.SetText("Anzeigen");
    auto hole = std::make_unique<pw::TBohrung>();
    hole->Centre = {500, 500};
    hole->Diameter = 300;
    auto group = std::make_unique<pw::TGruppe>();
    group->AddMember(std::move(hole));
    group->Description.SetText("LED 5 mm");
    group->InsertPoint = {500, 500};
    page.AddElement(std::move(group));
    std::vector<uint8_t> bytes;
    page.WritePanel(bytes, false);

    TempDir dir;
    for (const char* name : {"page.Lib", "PAGE.lib"}) {
        WriteFile(dir.File(name), bytes);
        CliResult r = RunCli({"info", dir.File(name)});
        ASSERT_EQ(r.code, 0) << r.err;
        Json j = Json::parse(r.out);
        ASSERT_EQ(j["panels"].size(), 1u);
        EXPECT_EQ(j["panels"][0]["name"], "Anzeigen");
        EXPECT_EQ(j["views"].size(), 0u);
        ASSERT_EQ(j["panels"][0]["elements"].size(), 1u);
        EXPECT_EQ(j["panels"][0]["elements"][0]["description"], "LED 5 mm");
    }
    // The same record is no document: its view list is missing.
    WriteFile(dir.File("page.fpl"), bytes);
    EXPECT_NE(RunCli({"info", dir.File("page.fpl")}).code, 0);
}
