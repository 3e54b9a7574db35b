// Documents in the main window: the save prompt, saving and opening, multi-panel files,
// import, failed reads and writes.
#include <sys/stat.h>

#include <QStackedWidget>
#include <filesystem>

#include "core/cp1252.h"
#include "main_window_fixture.h"
#include "ui/main/texts.h"
#include "elements/gruppe.h"
#include "elements/textlabel.h"

namespace pw {
namespace {

using Answer = UserPrompts::Answer;

struct Documents : test::WindowFixture {
    void SetUp() override { Open(); }
};

TEST_F(Documents, AnEmptyDocumentIsReplacedWithoutAQuestion) {
    Trigger("DateiNeuBtn");
    EXPECT_EQ(prompts.Count("YesNoCancel"), 0);
    // New from the menu goes on to the new panel's properties.
    EXPECT_EQ(dialogs.panelPropertiesShown, 1);
    EXPECT_EQ(window->PanelCount(), 1);
}

TEST_F(Documents, CancelKeepsTheDocument) {
    AddBox(100, 100, 500, 500);
    prompts.answers = {Answer::Cancel};
    Trigger("DateiNeuBtn");
    ASSERT_EQ(prompts.Count("YesNoCancel"), 1);
    EXPECT_EQ(prompts.asked[0].title, "Plattenwerk 2.0");
    EXPECT_EQ(prompts.asked[0].text, "Möchten Sie die Änderungen der aktuellen Datei speichern?");
    EXPECT_TRUE(window->Cancelled());
    EXPECT_EQ(Panel().ElementCount(), 1u);
    EXPECT_EQ(dialogs.panelPropertiesShown, 0);
}

TEST_F(Documents, NoDiscardsTheDocument) {
    AddBox(100, 100, 500, 500);
    prompts.answers = {Answer::No};
    Trigger("DateiNeuBtn");
    EXPECT_EQ(prompts.Count("Save"), 0);
    EXPECT_EQ(Panel().ElementCount(), 0u);
    EXPECT_FALSE(window->Cancelled());
}

TEST_F(Documents, YesOnAnUnnamedDocumentAsksForANameAndSaves) {
    AddBox(100, 100, 500, 500);
    const std::string target = home.File("Platte.fpl");
    prompts.answers = {Answer::Yes};
    prompts.savePaths = {QString::fromStdString(target)};
    Trigger("DateiNeuBtn");
    ASSERT_EQ(prompts.Count("Save"), 1);
    EXPECT_EQ(prompts.lastSaveProposal.toStdString(), home.Path() + "/NONAME.FPL");
    ASSERT_TRUE(std::filesystem::exists(target));
    EXPECT_EQ(window->EditFile(), target);
    EXPECT_EQ(window->CurrentFile(), home.Path() + "/NONAME.FPL");
    EXPECT_EQ(Panel().ElementCount(), 0u);
}

TEST_F(Documents, YesOnAnUnnamedDocumentWithTheSaveDialogCancelledStops) {
    AddBox(100, 100, 500, 500);
    prompts.answers = {Answer::Yes};
    prompts.savePaths = {QString()};
    Trigger("DateiNeuBtn");
    EXPECT_TRUE(window->Cancelled());
    EXPECT_EQ(Panel().ElementCount(), 1u);
}

TEST_F(Documents, ANameThatDiffersFromNonameOnlyInCaseIsSavedWithoutADialog) {
    AddBox(100, 100, 500, 500);
    const std::string named = home.File("noname.fpl");
    prompts.savePaths = {QString::fromStdString(named)};
    Trigger("Speichernals1");
    ASSERT_EQ(window->CurrentFile(), named);
    std::filesystem::remove(named);
    prompts.answers = {Answer::Yes};
    Trigger("DateiNeuBtn");
    EXPECT_EQ(prompts.Count("Save"), 1);  // only the Save as above
    EXPECT_TRUE(std::filesystem::exists(named));
}

TEST_F(Documents, OtherPanelsWithWorkAreNotDiscardedSilently) {
    AddBox(100, 100, 500, 500);
    Trigger("Hinzufgen1");
    ASSERT_EQ(window->PanelCount(), 2);
    ASSERT_EQ(Panel().ElementCount(), 0u);
    prompts.answers = {Answer::Cancel};
    Trigger("DateiNeuBtn");
    EXPECT_EQ(prompts.Count("YesNoCancel"), 1);
    EXPECT_EQ(window->PanelCount(), 2);
}

TEST_F(Documents, AFailedSaveInThePromptKeepsTheDocument) {
    AddBox(100, 100, 500, 500);
    const std::string target = home.File("missing/dir/Platte.fpl");
    prompts.answers = {Answer::Yes};
    prompts.savePaths = {QString::fromStdString(target)};
    Trigger("DateiNeuBtn");
    ASSERT_EQ(prompts.Count("Error"), 1);
    EXPECT_TRUE(prompts.asked.back().text.contains(QString::fromStdString(target)));
    EXPECT_TRUE(window->Cancelled());
    EXPECT_EQ(Panel().ElementCount(), 1u);
    EXPECT_EQ(window->CurrentFile(), home.Path() + "/NONAME.FPL");
}

TEST_F(Documents, SavingAndOpeningGiveTheSameBytes) {
    ASSERT_TRUE(window->OpenDocument(Example(), true));
    ASSERT_EQ(window->PanelCount(), 2);
    const std::string first = home.File("first.fpl"), second = home.File("second.fpl");
    prompts.savePaths = {QString::fromStdString(first)};
    Trigger("Speichernals1");
    EXPECT_EQ(window->CurrentFile(), first);
    EXPECT_EQ(Bytes(first), Bytes(Example()));
    prompts.answers = {Answer::No};
    prompts.openPaths = {QString::fromStdString(first)};
    Trigger("ffnen2");
    ASSERT_EQ(window->CurrentFile(), first);
    prompts.savePaths = {QString::fromStdString(second)};
    Trigger("Speichernals1");
    EXPECT_EQ(Bytes(first), Bytes(second));
    EXPECT_EQ(window->windowTitle().toStdString(), "Plattenwerk 2.0 - [" + second + "]");
}

TEST_F(Documents, SaveWritesTheNamedFileAndLeavesNoTemporaryFile) {
    const std::string path = home.File("Platte.fpl");
    prompts.savePaths = {QString::fromStdString(path)};
    AddBox(100, 100, 500, 500);
    Trigger("Speichern1");  // unnamed: goes through Save as
    ASSERT_EQ(prompts.Count("Save"), 1);
    AddBox(600, 600, 900, 900);
    Trigger("Speichern1");
    EXPECT_EQ(prompts.Count("Save"), 1);
    std::vector<std::unique_ptr<TPlatine>> read;
    read.push_back(std::make_unique<TPlatine>());
    std::vector<TView> views;
    ReadDocument(
        Bytes(path), *read[0],
        [&]() -> TPlatine& { return *read.emplace_back(std::make_unique<TPlatine>()); }, views);
    EXPECT_EQ(read[0]->ElementCount(), 2u);
    for (const auto& entry : std::filesystem::directory_iterator(home.Path()))
        EXPECT_EQ(entry.path().string().find(".tmp"), std::string::npos) << entry.path();
}

TEST_F(Documents, SavingThroughALinkKeepsTheLinkAndTheTargetsMode) {
    namespace fs = std::filesystem;
    const std::string target = home.File("target.fpl"), link = home.File("link.fpl");
    TPlatine empty;
    WriteDocumentFile(target, {&empty});
    const size_t emptySize = Bytes(target).size();
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink("target.fpl", link);
    ASSERT_TRUE(window->OpenDocument(link, false));
    AddBox(100, 100, 500, 500);
    Trigger("Speichern1");
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(fs::status(target).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_GT(Bytes(target).size(), emptySize);  // the box went to the target
}

TEST_F(Documents, AFailedSaveAsKeepsTheCurrentFile) {
    AddBox(100, 100, 500, 500);
    const std::string bad = home.File("no/such/dir/x.fpl");
    prompts.savePaths = {QString::fromStdString(bad)};
    Trigger("Speichernals1");
    ASSERT_EQ(prompts.Count("Error"), 1);
    EXPECT_TRUE(prompts.asked.back().text.contains(QString::fromStdString(bad)));
    EXPECT_EQ(window->CurrentFile(), home.Path() + "/NONAME.FPL");
    EXPECT_NE(window->EditFile(), bad);
}

TEST_F(Documents, OpeningADocumentWithAMissingFontSaysWhatIsShownInstead) {
    TPlatine panel;
    auto group = std::make_unique<TGruppe>();
    FontSpec missing;
    missing.name = "Keine Solche Schrift";
    group->AddMember(std::make_unique<TTextLabel>(missing, "Netz", MPoint{500, 500}));
    group->AddMember(std::make_unique<TTextLabel>(missing, "Ein", MPoint{500, 900}));
    panel.AddElement(std::move(group));
    panel.AddElement(std::make_unique<TTextLabel>(FontSpec{}, "Arial", MPoint{900, 500}));
    std::vector<uint8_t> bytes;
    WriteDocument(bytes, {&panel}, {});
    const std::string path = home.File("fonts.fpl");
    WriteWholeFile(path, bytes);
    ASSERT_TRUE(window->OpenDocument(path, false));
    ASSERT_EQ(prompts.Count("Warning"), 1);
    const QString text = prompts.asked.back().text;
    EXPECT_TRUE(text.contains(QString::fromUtf8("Keine Solche Schrift → "))) << text.toStdString();
    EXPECT_FALSE(text.contains("Arial")) << text.toStdString();
    prompts.answers = {Answer::No};
    ASSERT_TRUE(window->OpenDocument(Example(), false));
    EXPECT_EQ(prompts.Count("Warning"), 1);  // the example's fonts are installed
}

TEST_F(Documents, AMultiPanelFileOpensWithTheLastPanelCurrentAndTheFirstCaptionCut) {
    TPlatine a, b, c;
    a.Name.SetText("Eine Frontplatte mit sehr langem Namen");  // 38 characters
    b.Name.SetText("Zweite");
    c.Name.SetText("Dritte");
    const std::string path = home.File("drei.fpl");
    WriteDocumentFile(path, {&a, &b, &c});
    ASSERT_TRUE(window->OpenDocument(path, false));
    ASSERT_EQ(window->PanelCount(), 3);
    EXPECT_EQ(window->CurrentIndex(), 2);
    EXPECT_EQ(window->TabStrip()->currentIndex(), 2);
    // The header keeps 36 characters of the name; the first tab shows 35 of them.
    EXPECT_EQ(window->Panel(0).Name.Text(), "Eine Frontplatte mit sehr langem Nam");
    EXPECT_EQ(window->TabStrip()->tabText(0), "Eine Frontplatte mit sehr langem Na");
    EXPECT_EQ(window->TabStrip()->tabText(1), "Zweite");
    EXPECT_EQ(window->TabStrip()->tabText(2), "Dritte");
    // Only the current panel's view shows.
    EXPECT_TRUE(window->View(2).isVisible());
    EXPECT_FALSE(window->View(0).isVisible());
}

TEST_F(Documents, ANewerVersionIsRefusedAndNothingChanges) {
    AddBox(100, 100, 500, 500);
    std::vector<uint8_t> bytes = Bytes(Example());
    bytes[37] = '2', bytes[38] = ',', bytes[39] = '1', bytes[40] = '0';
    const std::string path = home.File("neu.fpl");
    WriteWholeFile(path, bytes);
    prompts.openPaths = {QString::fromStdString(path)};
    Trigger("ffnen2");
    ASSERT_EQ(prompts.Count("Warning"), 1);
    EXPECT_EQ(prompts.asked.back().title, "Versionskonflikt");
    EXPECT_TRUE(prompts.asked.back().text.contains("2,10"));
    EXPECT_EQ(prompts.Count("YesNoCancel"), 0);
    EXPECT_EQ(Panel().ElementCount(), 1u);
    EXPECT_EQ(window->CurrentFile(), home.Path() + "/NONAME.FPL");
    EXPECT_TRUE(window->Recent().Entry(1).empty());
}

TEST_F(Documents, ADamagedFileOpensUnnamedSoThatSavingCannotOverwriteIt) {
    std::vector<uint8_t> bytes = Bytes(Example());
    bytes.resize(bytes.size() / 2);
    const std::string path = home.File("kaputt.fpl");
    WriteWholeFile(path, bytes);
    prompts.openPaths = {QString::fromStdString(path)};
    Trigger("ffnen2");
    ASSERT_EQ(prompts.Count("Error"), 1);
    EXPECT_TRUE(prompts.asked.back().text.contains(QString::fromStdString(path)));
    EXPECT_TRUE(prompts.asked.back().text.contains("Stream-Read-Fehler"));
    // What was read is there, under no name.
    EXPECT_GT(window->Panel(0).ElementCount(), 0u);
    EXPECT_EQ(window->CurrentFile(), home.Path() + "/NONAME.FPL");
    EXPECT_TRUE(window->Recent().Entry(1).empty());
    // Saving asks for a name and the damaged file stays as it was.
    prompts.savePaths = {QString()};
    Trigger("Speichern1");
    EXPECT_EQ(prompts.Count("Save"), 1);
    EXPECT_EQ(Bytes(path), bytes);
}

TEST_F(Documents, AMissingFileIsReportedWithItsPath) {
    const std::string path = home.File("gibtsnicht.fpl");
    EXPECT_FALSE(window->OpenDocument(path, true));
    ASSERT_EQ(prompts.Count("Error"), 1);
    EXPECT_EQ(prompts.asked.back().text.toStdString(), "Datei " + path + " kann nicht geöffnet werden");
}

TEST_F(Documents, AFifoIsRefusedWithoutWaitingForAWriter) {
    const std::string path = home.File("rohr.fpl");
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    EXPECT_FALSE(window->OpenDocument(path, true));
    ASSERT_EQ(prompts.Count("Error"), 1);
    EXPECT_EQ(prompts.asked.back().text.toStdString(), path + " ist keine gewöhnliche Datei");
}

TEST_F(Documents, ImportAddsThePanelsAsNewTabsAndKeepsTheCurrentFile) {
    AddBox(100, 100, 500, 500);
    prompts.openPaths = {QString::fromStdString(Example())};
    Trigger("Dateihinzufgen2");
    ASSERT_EQ(window->PanelCount(), 3);
    EXPECT_EQ(window->CurrentIndex(), 2);
    EXPECT_EQ(window->Panel(0).ElementCount(), 1u);
    EXPECT_EQ(window->TabStrip()->tabText(1), "Vorderseite");
    EXPECT_EQ(window->TabStrip()->tabText(2), "Rückseite");
    EXPECT_EQ(window->CurrentFile(), home.Path() + "/NONAME.FPL");
    EXPECT_EQ(prompts.Count("YesNoCancel"), 0);
}

TEST_F(Documents, TheLoadProgressWindowIsShownWhileReading) {
    ASSERT_TRUE(window->OpenDocument(Example(), false));
    EXPECT_EQ(dialogs.progressWindows, 1);
}

}  // namespace
}  // namespace pw
