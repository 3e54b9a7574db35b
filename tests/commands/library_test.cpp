// The symbol library below the window: listing the page files, new page numbers, page names,
// pages saved and loaded, symbols added, reordered and laid out.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "command_test_support.h"
#include "panel/document.h"
#include "panel/library_directory.h"
#include "panel/library_page.h"
#include "panel/register_elements.h"

namespace pw {
namespace {

namespace fs = std::filesystem;

// A directory of its own for one test.
struct LibDir {
    fs::path path;
    LibDir() {
        std::string pattern = (fs::temp_directory_path() / "pw-lib-XXXXXX").string();
        path = mkdtemp(pattern.data());
    }
    ~LibDir() {
        std::error_code ec;
        fs::remove_all(path, ec);
    }
    std::string File(const std::string& name) const { return (path / name).string(); }
    void Raw(const std::string& name, const std::string& bytes) const {
        std::ofstream(path / name, std::ios::binary) << bytes;
    }
    std::string Read(const std::string& name) const {
        std::ifstream in(path / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    // A page file holding boxes of the given widths (mm), one symbol each, named by their width.
    void Page(const std::string& file, const std::string& name,
              std::initializer_list<int> widthsMm = {}) const {
        TBibo page;
        page.StartNew(File(file), name);
        for (int w : widthsMm) {
            auto r = std::make_unique<TRechteck>();
            for (MPoint p : {MPoint{0, 0}, MPoint{w * 50.0L, 0}, MPoint{w * 50.0L, 500}, MPoint{0, 500}})
                r->AddPoint(p);
            r->SetStiftBreite(0);
            r->Description.SetText(std::to_string(w));
            page.AddElement(std::move(r));
        }
        page.Save();
    }
};

std::vector<std::string> Names(const TPlatine& page) {
    std::vector<std::string> names;
    for (const auto& e : page.Elements()) names.push_back(e->Description.Text());
    return names;
}

TEST(LibraryDirectory, ListsPagesSortedByNameAndSkipsUnreadableFiles) {
    RegisterBuiltinElementClasses();
    LibDir dir;
    dir.Page("LIB1.Lib", "Zubehör");
    dir.Page("LIB2.lib", "Anschlüsse");
    dir.Page("LIB3.LIB", "anzeigen");
    dir.Page("LIB4.Lib", "Zubehör");
    dir.Raw("LIB5.Lib", "short");  // no 41-byte header
    dir.Raw("notes.txt", "not a page");
    fs::create_directory(dir.path / "folder.lib");

    LibraryListing listing = ListLibraryPages(dir.path.string());
    ASSERT_EQ(listing.pages.size(), 4u);
    EXPECT_EQ(listing.pages[0].name, "Anschlüsse");
    EXPECT_EQ(listing.pages[0].path, dir.File("LIB2.lib"));
    EXPECT_EQ(listing.pages[1].name, "anzeigen");
    // Two pages of one name are both there, told apart by their files.
    EXPECT_EQ(listing.pages[2].path, dir.File("LIB1.Lib"));
    EXPECT_EQ(listing.pages[3].path, dir.File("LIB4.Lib"));
    ASSERT_EQ(listing.skipped.size(), 1u);
    EXPECT_NE(listing.skipped[0].find("LIB5.Lib"), std::string::npos);

    // The directory itself is found in any letter case.
    LibDir home;
    fs::create_directory(home.path / "lib");
    EXPECT_EQ(LibraryDirectoryOf(home.path.string() + "/"), home.File("lib"));
    LibDir bare;
    EXPECT_EQ(LibraryDirectoryOf(bare.path.string() + "/"), bare.path.string() + "/LIB");
}

TEST(LibraryDirectory, NewPageTakesTheSmallestFreeNumberInAnyLetterCase) {
    LibDir dir;
    EXPECT_EQ(NewLibraryPagePath(dir.path.string()), dir.File("LIB1.Lib"));
    dir.Raw("LIB1.Lib", "x");
    dir.Raw("LIB3.Lib", "x");
    EXPECT_EQ(NewLibraryPagePath(dir.path.string()), dir.File("LIB2.Lib"));
    dir.Raw("lib2.lib", "x");
    EXPECT_EQ(NewLibraryPagePath(dir.path.string()), dir.File("LIB4.Lib"));
}

TEST(LibraryPage, NamesStopShortOfTheVersionCharacters) {
    RegisterBuiltinElementClasses();
    LibDir dir;
    dir.Page("LIB1.Lib", "Seite");
    TBibo page;
    ASSERT_FALSE(page.Load(dir.File("LIB1.Lib")));
    page.Rename("Steckverbinder, Buchsen und Stecker für Netz und Signal");
    EXPECT_EQ(page.PageName(), "Steckverbinder, Buchsen und Stecker");
    page.Save();
    const std::string bytes = dir.Read("LIB1.Lib");
    EXPECT_EQ(static_cast<uint8_t>(bytes[0]), 35);
    EXPECT_EQ(bytes.substr(37, 4), "2,02");
    LibraryListing listing = ListLibraryPages(dir.path.string());
    ASSERT_EQ(listing.pages.size(), 1u);
    EXPECT_EQ(listing.pages[0].name, "Steckverbinder, Buchsen und Stecker");
}

TEST(LibraryPage, MovedSymbolsKeepTheirOrderAcrossAPageSwitch) {
    RegisterBuiltinElementClasses();
    LibDir dir;
    dir.Page("LIB1.Lib", "Eins", {10, 20, 30});
    dir.Page("LIB2.Lib", "Zwei", {40});
    TBibo page;
    ASSERT_FALSE(page.Load(dir.File("LIB1.Lib")));
    page.Choose(page.Element(2));
    page.MoveChosenUp();
    page.Choose(page.Element(1));
    page.MoveChosenDown();
    EXPECT_TRUE(page.Modified());
    // Switching pages saves the changed one.
    EXPECT_TRUE(page.SaveIfModified());
    ASSERT_FALSE(page.Load(dir.File("LIB2.Lib")));
    EXPECT_EQ(Names(page), std::vector<std::string>{"40"});
    ASSERT_FALSE(page.Load(dir.File("LIB1.Lib")));
    EXPECT_EQ(Names(page), (std::vector<std::string>{"30", "20", "10"}));
    EXPECT_FALSE(page.Modified());
    EXPECT_EQ(page.ChosenSymbol(), nullptr);
}

TEST(LibraryPage, APageThatFailedToLoadIsNeverSavedOver) {
    RegisterBuiltinElementClasses();
    LibDir dir;
    dir.Page("LIB1.Lib", "Kaputt", {10, 20});
    std::string bytes = dir.Read("LIB1.Lib");
    bytes.resize(bytes.size() - 30);  // cut off inside the second symbol
    dir.Raw("LIB1.Lib", bytes);
    TBibo page;
    EXPECT_TRUE(page.Load(dir.File("LIB1.Lib")).has_value());
    EXPECT_TRUE(page.LoadFailed());
    page.Rename("Neu");
    page.SaveIfModified();
    page.Save();
    EXPECT_EQ(dir.Read("LIB1.Lib"), bytes);
    // Emptying it (the last page deleted) makes it a sound page again.
    page.Empty(DefaultPageName());
    page.Save();
    ASSERT_FALSE(page.Load(dir.File("LIB1.Lib")));
    EXPECT_EQ(page.ElementCount(), 0u);
    EXPECT_EQ(page.PageName(), "neue Bibliothek");
}

TEST(LibraryPage, SymbolsAreShownScaledToTheAreaAtMostFiveTimes) {
    RegisterBuiltinElementClasses();
    LibDir dir;
    dir.Page("LIB1.Lib", "Maße", {20, 200});
    TBibo page;
    ASSERT_FALSE(page.Load(dir.File("LIB1.Lib")));
    const int32_t height = page.Layout(165);
    ASSERT_EQ(page.Slots().size(), 2u);
    const TBibo::Slot& small = page.Slots()[0];
    const TBibo::Slot& large = page.Slots()[1];
    EXPECT_EQ(small.picture.x2 - small.picture.x1, 100);
    EXPECT_EQ(small.picture.y2 - small.picture.y1, 50);
    EXPECT_EQ(large.picture.x2 - large.picture.x1, 155);
    // Each symbol starts 40 pixels below the one above.
    EXPECT_EQ(large.picture.y1, small.picture.y2 + 40);
    EXPECT_EQ(height, large.picture.y2 + 40);
    EXPECT_EQ(page.SymbolAt({80, small.picture.y2 + 15}), small.symbol);
    EXPECT_EQ(page.SymbolAt({80, large.picture.y1 - 4}), large.symbol);
    EXPECT_EQ(page.SymbolAt({80, small.picture.y2 + 30}), nullptr);
}

struct AddSelection : test::CommandFixture {};

TEST_F(AddSelection, SeveralElementsBecomeOneGroupAtTheBottomWithTheDefaultInsertionPoint) {
    RegisterBuiltinElementClasses();
    TRechteck* a = AddBox(1000, 1000, 2000, 1500);
    TRechteck* b = AddBox(2500, 1200, 3000, 2600);
    TBohrung* c = AddDrill({1500, 2000}, 300);
    AddBox(4000, 4000, 4500, 4500);  // not selected
    a->SetStiftBreite(50);
    Select({a, b, c});
    // Bottom left of the bounds, pen width included.
    const MPoint insert = DefaultInsertPoint(panel);
    EXPECT_EQ(insert, (MPoint{975, 2600}));

    TBibo page;
    page.StartNew("", "Seite");
    TPlatine other;
    auto single = std::make_unique<TRechteck>();
    for (MPoint p : {MPoint{0, 0}, MPoint{100, 0}, MPoint{100, 100}}) single->AddPoint(p);
    other.SelectElement(other.AddElement(std::move(single)), true);
    MemoryStream stream;
    other.WritePanel(stream.bytes, true);
    page.AddSymbol(stream, "alt", {0, 100});

    stream.bytes.clear();
    panel.WritePanel(stream.bytes, true);
    TBauteil* symbol = page.AddSymbol(stream, "Drei Teile", insert);
    ASSERT_EQ(page.ElementCount(), 2u);
    EXPECT_EQ(page.Element(1), symbol);
    auto* group = dynamic_cast<TGruppe*>(symbol);
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->MemberCount(), 3u);
    EXPECT_EQ(group->Description.Text(), "Drei Teile");
    EXPECT_EQ(group->InsertPoint, insert);
    EXPECT_EQ(page.SelectedCount(), 0u);
    EXPECT_TRUE(page.Modified());
    // One element is a symbol by itself.
    EXPECT_EQ(std::string(page.Element(0)->ClassName()), "TRechteck");
    // The document panel keeps its elements.
    EXPECT_EQ(panel.ElementCount(), 4u);
}

}  // namespace
}  // namespace pw
