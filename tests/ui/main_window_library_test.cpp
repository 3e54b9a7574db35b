// The library in the main window: pages listed from LIB, a released symbol placed on the
// current panel, pages saved at close, deleting symbols and the last page.
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include "main_window_fixture.h"
#include "panel/library_directory.h"
#include "ui/main/library_window.h"

namespace pw::test {
namespace {

struct Library : WindowFixture {
    void AddSymbolToPage(const std::string& name) {
        TPlatine source;
        auto r = std::make_unique<TRechteck>();
        for (MPoint p : {MPoint{0, 0}, MPoint{1000, 0}, MPoint{1000, 500}, MPoint{0, 500}}) r->AddPoint(p);
        source.SelectElement(source.AddElement(std::move(r)), true);
        MemoryStream stream;
        source.WritePanel(stream.bytes, true);
        window->Library()->Page().AddSymbol(stream, name, {0, 500});
        window->Library()->Refresh();
    }
    LibraryListing Listing() { return ListLibraryPages(home.File("LIB")); }
};

TEST_F(Library, AnEmptyLibraryGetsAPageAndAReleasedSymbolIsPlaced) {
    Open();
    LibraryWindow* library = window->Library();
    ASSERT_NE(library, nullptr);
    ASSERT_EQ(library->Combo()->count(), 1);
    EXPECT_EQ(library->Combo()->itemText(0), "neue Bibliothek");
    AddSymbolToPage("Kasten");

    const size_t before = Panel().ElementCount();
    const TBibo::Slot slot = library->Page().Slots().at(0);
    const QPoint inside((slot.picture.x1 + slot.picture.x2) / 2, (slot.picture.y1 + slot.picture.y2) / 2);
    QTest::mouseRelease(library->PageView(), Qt::LeftButton, {}, inside);
    EXPECT_EQ(library->Page().ChosenSymbol(), library->Page().Element(0));
    EXPECT_EQ(Panel().EditMode(), emPaste);
    EXPECT_EQ(Panel().ElementCount(), before + 1);
    EXPECT_EQ(Panel().Element(before)->Description.Text(), "Kasten");
    Panel().CancelOperation();

    // The changed page is saved at close.
    prompts.answers.push_back(UserPrompts::Answer::No);
    Close();
    LibraryListing listing = Listing();
    ASSERT_EQ(listing.pages.size(), 1u);
    TBibo saved;
    ASSERT_FALSE(saved.Load(listing.pages[0].path));
    EXPECT_EQ(saved.ElementCount(), 1u);
}

TEST_F(Library, TheSearchListsMatchingSymbolsAndOffersToClearOnceItHoldsText) {
    Open();
    LibraryWindow* library = window->Library();
    AddSymbolToPage("Kasten");
    QLineEdit* search = library->SearchField();
    auto* results = library->findChild<QListWidget*>(QStringLiteral("LibSearchResults"));
    ASSERT_NE(results, nullptr);
    QTest::keyClicks(search, "kAs");
    EXPECT_TRUE(search->isClearButtonEnabled());
    ASSERT_EQ(results->count(), 1);
    EXPECT_TRUE(results->item(0)->text().startsWith(QStringLiteral("Kasten")));
    EXPECT_FALSE(library->Combo()->isEnabled());
    search->clear();
    EXPECT_TRUE(results->isHidden());
    EXPECT_TRUE(library->Combo()->isEnabled());
}

TEST_F(Library, DeletingTheLastPageEmptiesItAndUnreadablePagesAreNamed) {
    std::filesystem::create_directories(home.File("LIB"));
    home.Write("LIB/LIB7.Lib", "too short");
    Open();
    EXPECT_EQ(prompts.Count("Warning"), 1);
    EXPECT_NE(prompts.asked.back().text.indexOf("LIB7.Lib"), -1);
    AddSymbolToPage("Kasten");
    window->Library()->Page().Choose(window->Library()->Page().Element(0));
    prompts.yesNo = {true, true};
    window->DeleteSymbolCommand();
    EXPECT_EQ(window->Library()->Page().ElementCount(), 0u);
    EXPECT_NE(prompts.asked.back().text.indexOf("\"Kasten\""), -1);
    Trigger("aktuelleRubriklschen1");
    // The page's file stays, emptied; the unreadable file is left alone.
    EXPECT_EQ(Listing().pages.size(), 1u);
    EXPECT_TRUE(std::filesystem::exists(home.File("LIB/LIB7.Lib")));
    EXPECT_EQ(window->Library()->Combo()->itemText(0), "neue Bibliothek");
}

}  // namespace
}  // namespace pw::test
