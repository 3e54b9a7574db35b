// The example documents shipped in data/ are the ones the generator makes, and they show what
// they are meant to show.
#include "example_document.h"

#include <gtest/gtest.h>

#include <map>

#include "core/registry.h"
#include "panel/document.h"
#include "panel/register_elements.h"
#include "ui_test_support.h"

namespace pw {
namespace {

void CountKinds(TBauteil& e, std::map<std::string, int>& kinds, int& smoothed, int& milled) {
    kinds[e.ClassName()]++;
    smoothed += e.Glaetten() && std::string(e.ClassName()) != "TBogen";
    milled += e.Fraesen() && std::string(e.ClassName()) != "TBohrung";
}

TEST(ExampleDocuments, TheCommittedFilesAreTheGeneratorsOutput) {
    for (auto [language, path] : {std::pair{Language::German, "Beispiele/Beispiel.fpl"},
                                  std::pair{Language::English, "Examples/Examples.fpl"}}) {
        const std::vector<uint8_t> committed = ReadWholeFile(std::string(PW_DATA_DIR) + "/" + path);
        EXPECT_TRUE(committed == ExampleDocumentBytes(language))
            << path << " differs from what tools/make_examples writes; run `build/tools/make_examples data`";
    }
}

TEST(ExampleDocuments, TwoPanelsWithEveryKindOfElement) {
    RegisterBuiltinElementClasses();
    const std::vector<uint8_t> bytes = ReadWholeFile(std::string(PW_DATA_DIR) + "/Beispiele/Beispiel.fpl");
    std::vector<std::unique_ptr<TPlatine>> panels;
    panels.push_back(std::make_unique<TPlatine>());
    std::vector<TView> views;
    ReadDocument(
        bytes, *panels[0], [&]() -> TPlatine& { return *panels.emplace_back(std::make_unique<TPlatine>()); },
        views);
    ASSERT_EQ(panels.size(), 2u);
    EXPECT_EQ(panels[0]->Name.Text(), "Vorderseite");
    EXPECT_EQ(panels[1]->Name.Text(), "Rückseite");
    EXPECT_EQ(panels[0]->Width, 9000);
    EXPECT_EQ(panels[0]->Height, 5000);
    std::map<std::string, int> kinds;
    int smoothed = 0, milled = 0;
    for (auto& p : panels)
        for (auto& e : p->Elements()) CountKinds(*e, kinds, smoothed, milled);
    for (const char* kind : {"TLinie", "TRechteck", "TPolygon", "TKreis", "TBogen", "TBohrung", "TTextLabel",
                             "TBemassung", "TScale"})
        EXPECT_GT(kinds[kind], 0) << kind;
    EXPECT_GE(smoothed, 4);
    EXPECT_GE(milled, 3);
}

}  // namespace
}  // namespace pw
