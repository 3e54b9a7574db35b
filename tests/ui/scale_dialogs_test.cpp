// The scale assistant window and its inscription dialog on the offscreen platform: what is typed,
// pressed and clicked there reaches the assistant's scale.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "ui/panel/panel_view.h"
#include "ui/scales/beschriften_dlg.h"
#include "ui/scales/scale_man_dlg.h"
#include "ui/scales/string_grid.h"
#include "ui_test_support.h"

namespace pw {
namespace {

// Rows of style 1 ("runde Skale mit linearer Teilung").
constexpr int kAngle = 0, kRunningLine = 2, kLength1 = 5;

struct ScaleDialog : ::testing::Test {
    test::LanguageScope language;
    test::ScriptedPrompts prompts;
    std::unique_ptr<ScaleAssistant> assistant;
    std::unique_ptr<TScaleManDlg> dialog;

    void Open(Language l = Language::German) {
        SetLanguage(l);
        assistant = std::make_unique<ScaleAssistant>();
        dialog = std::make_unique<TScaleManDlg>(*assistant, prompts);
        dialog->show();
        QApplication::processEvents();
    }
    StringGrid& Grid() { return *dialog->ParamGrid; }
    QString Cell(int row) { return Grid().Value(row); }
    TScaleParam& Param(int row) { return assistant->Scale().Params()[row]; }
    // Selects the row and types into a freshly opened editor, replacing the value.
    QLineEdit* Type(int row, const QString& text) {
        Grid().setCurrentCell(row, 1);
        Grid().editItem(Grid().item(row, 1));
        // Closed editors linger until deleted later; the open one is visible.
        QLineEdit* editor = nullptr;
        for (QLineEdit* e : Grid().viewport()->findChildren<QLineEdit*>())
            if (e->isVisible()) editor = e;
        if (!editor) return nullptr;
        editor->selectAll();
        QTest::keyClicks(editor, text);
        return editor;
    }
    static void Settle() {
        for (int i = 0; i < 3; ++i) QApplication::processEvents();
    }
};

TEST_F(ScaleDialog, ShowsTheStylesTheGridAndThePreview) {
    Open();
    EXPECT_EQ(dialog->windowTitle(), "Skalen-Assistent");
    ASSERT_EQ(dialog->StyleCombo->count(), 13);
    EXPECT_EQ(dialog->StyleCombo->currentIndex(), 1);
    EXPECT_EQ(Grid().rowCount(), 15);
    EXPECT_EQ(Grid().item(1, 0)->text(), "Durchmesser [mm]");
    EXPECT_EQ(Cell(kRunningLine), "Ja");
    EXPECT_TRUE(Grid().item(kAngle, 1)->flags() & Qt::ItemIsEditable);
    EXPECT_FALSE(Grid().item(kRunningLine, 1)->flags() & Qt::ItemIsEditable);
    // The preview shows the black scale on the colour of a new panel.
    Settle();
    const QImage picture = dialog->Vorschau->Picture();
    int black = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) black += picture.pixel(x, y) == qRgb(0, 0, 0);
    EXPECT_GT(black, 200);
    EXPECT_EQ(picture.pixel(picture.width() / 2, 5), qRgb(0xE6, 0xE6, 0xE6));
}

TEST_F(ScaleDialog, EnglishTexts) {
    Open(Language::English);
    EXPECT_EQ(dialog->windowTitle(), "Scale assistant");
    EXPECT_EQ(dialog->BeschriftenBtn->text(), "Inscriptions...");
    EXPECT_EQ(Cell(kRunningLine), "Yes");
}

TEST_F(ScaleDialog, StyleChangeRefillsTheGridAndSwitchesTheInscriptionButton) {
    Open();
    Type(kAngle, "45");
    dialog->StyleCombo->setCurrentIndex(ssDecreasingArc);
    EXPECT_FALSE(dialog->BeschriftenBtn->isEnabled());
    EXPECT_EQ(Grid().rowCount(), 5);
    Settle();                  // the value typed for the old style went with it
    EXPECT_EQ(Cell(0), "90");  // the arc's default, not the typed value committed to it
    dialog->StyleCombo->setCurrentIndex(ssRoundLinear);
    EXPECT_TRUE(dialog->BeschriftenBtn->isEnabled());
    EXPECT_EQ(Cell(kAngle), "270");
}

TEST_F(ScaleDialog, ZeroTickLengthWarnsAndShowsTheInnerBound) {
    Open();
    QLineEdit* editor = Type(kLength1, "0");
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_Return);
    Settle();
    ASSERT_EQ(prompts.Count("Warning"), 1);
    EXPECT_EQ(prompts.asked[0].title, "Hinweis");
    EXPECT_EQ(prompts.asked[0].text,
              "Der eingegebene Wert überschreitet die zulässigen Grenzen und wird korrigiert!");
    EXPECT_EQ(Cell(kLength1), "-0,01");
    // Enter kept the dialog open.
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(ScaleDialog, LeavingTheRowOrOkTakesWhatWasTyped) {
    Open();
    Type(kAngle, "180");
    Grid().setCurrentCell(3, 1);
    Settle();
    EXPECT_EQ(Param(kAngle).RealValue, 180);
    Type(kAngle, "90,5");
    QTest::mouseClick(dialog->OKBtn, Qt::LeftButton);
    Settle();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(Param(kAngle).RealValue, 90.5L);
    EXPECT_EQ(prompts.Count("Warning"), 0);
}

TEST_F(ScaleDialog, OkWithAValueOutOfRangeWarnsAndStaysOpen) {
    Open();
    Type(kAngle, "400");
    QTest::mouseClick(dialog->OKBtn, Qt::LeftButton);
    Settle();
    EXPECT_EQ(prompts.Count("Warning"), 1);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_NE(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(Cell(kAngle), "360");
    QTest::mouseClick(dialog->OKBtn, Qt::LeftButton);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(prompts.Count("Warning"), 1);
}

TEST_F(ScaleDialog, KeysAndDoubleClickToggleYesNoRows) {
    Open();
    Grid().setCurrentCell(kRunningLine, 1);
    Grid().setFocus();
    QTest::keyClick(&Grid(), Qt::Key_N);
    EXPECT_EQ(Cell(kRunningLine), "Nein");
    QTest::keyClick(&Grid(), 'j');
    EXPECT_EQ(Cell(kRunningLine), "Ja");
    QTest::keyClick(&Grid(), Qt::Key_Space);
    EXPECT_EQ(Cell(kRunningLine), "Nein");
    // The letters did not move to another row.
    EXPECT_EQ(Grid().currentRow(), kRunningLine);
    const QRect cell = Grid().visualItemRect(Grid().item(kRunningLine, 1));
    QTest::mouseClick(Grid().viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(Grid().viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_TRUE(Param(kRunningLine).BoolValue);
}

TEST_F(ScaleDialog, EscapeInThePreviewCancels) {
    Open();
    QTest::keyClick(dialog->Vorschau, Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
}

TEST_F(ScaleDialog, TheInscriptionButtonRunsTheInscriptionDialog) {
    Open();
    const std::vector<std::string> before = assistant->Scale().Inscriptions;
    auto answer = [](bool ok) {
        QTimer::singleShot(0, [ok] {
            auto* d = qobject_cast<TBeschriften_Dlg*>(QApplication::activeModalWidget());
            ASSERT_NE(d, nullptr);
            EXPECT_EQ(d->windowTitle(), "Beschriften");
            d->Grid->SetValue(0, "Aus");
            if (ok)
                d->accept();
            else
                d->reject();
        });
    };
    answer(false);
    QTest::mouseClick(dialog->BeschriftenBtn, Qt::LeftButton);
    EXPECT_EQ(assistant->Scale().Inscriptions, before);
    answer(true);
    QTest::mouseClick(dialog->BeschriftenBtn, Qt::LeftButton);
    ASSERT_EQ(assistant->Scale().Inscriptions.size(), before.size());
    EXPECT_EQ(assistant->Scale().Inscriptions[0], "Aus");
}

TEST(InscriptionDialog, TheRowsStayAndOkTakesTheTypedText) {
    test::LanguageScope language;
    SetLanguage(Language::German);
    TBeschriften_Dlg d({"0", "1", "2"});
    d.show();
    QApplication::processEvents();
    ASSERT_EQ(d.Grid->rowCount(), 3);
    EXPECT_EQ(d.Grid->horizontalHeaderItem(0)->text(), "Segment");
    EXPECT_EQ(d.Grid->item(2, 0)->text(), "2");
    EXPECT_FALSE(d.Grid->item(2, 0)->flags() & Qt::ItemIsEditable);
    // Moving down past the last row adds none.
    d.Grid->setCurrentCell(2, 1);
    QTest::keyClick(d.Grid, Qt::Key_Down);
    EXPECT_EQ(d.Grid->currentRow(), 2);
    // Typed and confirmed with OK, without Enter.
    d.Grid->setCurrentCell(1, 1);
    d.Grid->editItem(d.Grid->item(1, 1));
    auto* editor = d.Grid->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, "mittel");
    QTest::mouseClick(d.OK_Btn, Qt::LeftButton);
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(d.Grid->rowCount(), 3);
    EXPECT_EQ(d.Texts(), (std::vector<std::string>{"0", "mittel", "2"}));
}

}  // namespace
}  // namespace pw
