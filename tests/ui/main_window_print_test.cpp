// The print command in the main window: enabled with elements, a PDF file offered when there is
// no printer, the print dialog on the current panel, the display filters restored afterwards,
// and the calibration kept per printer in Werkbank.INI.
#include <QKeySequence>

#include "elements/bohrung.h"
#include "main_window_fixture.h"
#include "render/pdf_readback.h"
#include "ui/print/print_session.h"

namespace pw {
namespace {

struct Printing : test::WindowFixture {
    void SetUp() override { Open(); }

    TBohrung* AddDrill() {
        auto d = std::make_unique<TBohrung>();
        d->Centre = {1000, 1000};
        d->Diameter = 300;
        auto* added = static_cast<TBohrung*>(Panel().AddElement(std::move(d)));
        window->RefreshCommandStates();
        return added;
    }
};

TEST_F(Printing, TheCommandWaitsForElementsAndAnswersMenuButtonAndShortcut) {
    EXPECT_FALSE(Action("Drucken1")->isEnabled());
    EXPECT_FALSE(Action("sb_Print")->isEnabled());
    AddBox(100, 100, 500, 500);
    EXPECT_EQ(Action("Drucken1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
    Trigger("Drucken1");
    Trigger("sb_Print");
    // No printer: both times a PDF file is offered; declined, no dialog.
    EXPECT_EQ(prompts.Count("YesNo"), 2);
    EXPECT_EQ(dialogs.printShown, 0);
}

TEST_F(Printing, WithoutAPrinterThePanelPrintsToTheChosenPdfFile) {
    TRechteck* box = AddBox(100, 100, 500, 500);
    TBohrung* drill = AddDrill();
    Select({box});
    prompts.yesNo = {true};
    prompts.savePaths = {QString::fromStdString(home.File("front.pdf"))};
    TPlatine* shown = nullptr;
    size_t selectedThen = 99;
    dialogs.print = [&](PrintSession& session) {
        shown = &session.Panel();
        selectedThen = session.Panel().SelectedCount();
        session.Settings().WillsteBohren = false;
        return true;
    };
    Trigger("Drucken1");
    EXPECT_EQ(shown, &Panel());
    EXPECT_EQ(selectedThen, 0u);
    test::PdfInfo info = test::ReadPdfInfo(home.File("front.pdf"));
    EXPECT_EQ(info.pages, 1);
    EXPECT_NEAR(info.widthPt, 595.276, 0.01);
    // The printout hid the drillings; the panel shows them again, as its button says.
    EXPECT_TRUE(Action("BohrenBtn")->isChecked());
    EXPECT_TRUE(Panel().MitBohren());
    EXPECT_FALSE(drill->Hidden());
}

TEST_F(Printing, CancellingTheDialogOrTheFilePrintsNothing) {
    AddBox(100, 100, 500, 500);
    prompts.yesNo = {true, true};
    dialogs.print = [](PrintSession&) { return false; };
    Trigger("Drucken1");
    EXPECT_EQ(prompts.Count("Save"), 0);
    dialogs.print = [](PrintSession&) { return true; };
    Trigger("Drucken1");  // the file dialog is cancelled
    EXPECT_EQ(prompts.Count("Save"), 1);
    EXPECT_EQ(prompts.Count("Error"), 0);
    EXPECT_FALSE(std::filesystem::exists(home.File("Plattenwerk.pdf")));
}

TEST_F(Printing, AnUnwritableFileIsReported) {
    AddBox(100, 100, 500, 500);
    prompts.yesNo = {true};
    prompts.savePaths = {QString::fromStdString(home.File("missing/dir/out.pdf"))};
    dialogs.print = [](PrintSession&) { return true; };
    Trigger("Drucken1");
    EXPECT_EQ(prompts.Count("Error"), 1);
}

TEST_F(Printing, CalibrationFactorsAreKeptForThePrinterAcrossRuns) {
    AddBox(100, 100, 500, 500);
    prompts.yesNo = {true, true};
    dialogs.print = [](PrintSession& s) {
        s.SetCalibration({1.02, 0.98});
        return false;
    };
    Trigger("Drucken1");
    std::ifstream ini(home.File("Werkbank.INI"));
    std::string text((std::istreambuf_iterator<char>(ini)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("PDF=1.02000 0.98000"), std::string::npos);
    Close();
    Open();
    AddBox(100, 100, 500, 500);
    prompts.yesNo = {true};
    Calibration seen;
    dialogs.print = [&](PrintSession& s) {
        seen = s.GetCalibration();
        return false;
    };
    Trigger("Drucken1");
    EXPECT_EQ(seen, (Calibration{1.02, 0.98}));
}

}  // namespace
}  // namespace pw
