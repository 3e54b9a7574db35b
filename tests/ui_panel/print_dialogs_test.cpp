// The print dialog's wiring: options into the settings, defaults, the note on a panel that does
// not fit and the sheet count when split, dragging in the preview; the calibration dialog's range
// check and measured lengths; the tile dialog's values.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTest>

#include "core/language.h"
#include "render/image_probe.h"
#include "ui/main/user_prompts.h"
#include "ui/print/kachel_dlg.h"
#include "ui/print/korrektur_dlg.h"
#include "ui/print/print_destination.h"
#include "ui/print/print_dlg.h"
#include "ui/print/print_preview.h"
#include "ui/print/print_session.h"
#include "view_test_support.h"

using namespace pw;

namespace {

// Questions nobody should ask here.
class NoPrompts : public UserPrompts {
  public:
    Answer AskYesNoCancel(QWidget*, const QString&, const QString&) override { return Answer::Cancel; }
    bool AskYesNo(QWidget*, const QString&, const QString&) override { return false; }
    void Warning(QWidget*, const QString&, const QString&) override {}
    void Error(QWidget*, const QString&, const QString&) override {}
    std::optional<QString> OpenFile(QWidget*, const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    std::optional<QString> SaveFile(QWidget*, const QString&, const QString&, const QString&,
                                    const QString&) override {
        return std::nullopt;
    }
};

struct PrintDialog : ::testing::Test {
    TPlatine panel;
    PrintSettings settings;
    PrintDestination destination;  // no printer: a PDF file on A4, 200 x 287 mm printable
    NoPrompts prompts;
    PrintSession session{panel, settings, destination, nullptr, prompts};
    std::unique_ptr<TPrint_Dlg> dialog;

    void SetUp() override {
        SetLanguage(Language::German);
        panel.Width = 5000;
        panel.Height = 2500;
        panel.SetFrontplattenFarbe(0x00123456);
        dialog = std::make_unique<TPrint_Dlg>(session);
        dialog->resize(900, 700);
        dialog->show();
    }
};

TEST_F(PrintDialog, OptionsGoIntoTheSettingsAndDefaultsBringThemBack) {
    ASSERT_TRUE(destination.IsPdf());
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Druckvorschau - PDF"));
    dialog->Spiegeln->click();
    QTest::mouseClick(dialog->WillsteBohren, Qt::LeftButton);
    EXPECT_TRUE(settings.mirrored);
    EXPECT_FALSE(settings.WillsteBohren);
    EXPECT_FALSE(dialog->S_Wert->isEnabled());
    dialog->S_Frei->click();
    dialog->S_Wert->setValue(250);
    EXPECT_FALSE(settings.oneToOne);
    EXPECT_EQ(settings.magnification, 250);
    EXPECT_EQ(dialog->L_Scale->text(), QStringLiteral("250%"));
    QTest::mouseClick(dialog->StandardBtn, Qt::LeftButton);
    EXPECT_FALSE(settings.mirrored);
    EXPECT_TRUE(settings.WillsteBohren);
    EXPECT_TRUE(settings.oneToOne);
    EXPECT_TRUE(dialog->Bauteilseite->isChecked());
    EXPECT_TRUE(dialog->WillsteBohren->isChecked());
}

TEST_F(PrintDialog, APanelTooLargeIsNotedAndSplittingCountsTheSheets) {
    EXPECT_TRUE(dialog->BlattInfo->text().isEmpty());
    panel.Width = 15000;  // 300 mm
    dialog->Refresh();
    EXPECT_TRUE(dialog->BlattInfo->text().contains(QStringLiteral("passt nicht")));
    QTest::mouseClick(dialog->Aufteilen, Qt::LeftButton);
    EXPECT_TRUE(settings.split);
    EXPECT_EQ(dialog->BlattInfo->text(), QStringLiteral("2 Blätter (2 x 1)"));
    test::TypeInto(*dialog, "Ueberlappung", QStringLiteral("12,5"));
    EXPECT_EQ(settings.overlap, 625);
    EXPECT_FALSE(dialog->KachelBtn->isEnabled());
    EXPECT_FALSE(dialog->PaintBox1->Draggable());
}

TEST_F(PrintDialog, ThePreviewShowsThePanelAndDragsItsOutlinesWhenNotCentred) {
    PrintPreview* preview = dialog->PaintBox1;
    const QPoint middle = preview->rect().center();
    EXPECT_EQ(test::PixelColor(preview->Picture(), middle.x(), middle.y()), 0x00123456u);
    EXPECT_FALSE(preview->Draggable());
    QTest::mouseClick(dialog->WillsteMittig, Qt::LeftButton);
    ASSERT_TRUE(preview->Draggable());
    // Switching centring off keeps the copies where they were.
    EXPECT_EQ(test::PixelColor(preview->Picture(), middle.x(), middle.y()), 0x00123456u);
    const int x0 = settings.offsetX, y0 = settings.offsetY;
    QTest::mousePress(preview, Qt::LeftButton, {}, middle);
    QTest::mouseMove(preview, middle + QPoint(40, 20));
    EXPECT_TRUE(preview->Dragging());
    QImage dragged = preview->Picture();
    EXPECT_GT(test::CountColor(dragged, 0x800000), 0);
    EXPECT_EQ(test::CountColor(dragged, 0x00123456), 0);
    QTest::mouseRelease(preview, Qt::LeftButton, {}, middle + QPoint(40, 20));
    EXPECT_FALSE(preview->Dragging());
    // Right and down: the window origin moves the other way.
    EXPECT_LT(settings.offsetX, x0);
    EXPECT_LT(settings.offsetY, y0);
    EXPECT_NEAR(static_cast<double>(x0 - settings.offsetX) / (y0 - settings.offsetY), 2.0, 0.1);
}

TEST(CalibrationDialog, RangeIsCheckedAndMeasuredLengthsGiveTheFactor) {
    SetLanguage(Language::German);
    TKorrekturDlg d;
    int warnings = 0;
    d.ShowWarning = [&](QWidget*, const QString&, const QString&) { ++warnings; };
    d.SetValues({1.0, 1.0});
    EXPECT_EQ(d.HKorrektur->text(), QStringLiteral("1,00000"));
    d.show();
    test::TypeInto(d, "HKorrektur", QStringLiteral("1,25"));
    test::ClickButton(d, "OKBtn");
    EXPECT_EQ(warnings, 1);
    EXPECT_TRUE(d.isVisible());
    test::TypeInto(d, "HGemessen", QStringLiteral("98,6"));
    EXPECT_EQ(d.HKorrektur->text(), QStringLiteral("1,01420"));
    test::ClickButton(d, "OKBtn");
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(d.Values(), (Calibration{1.0142, 1.0}));
}

TEST(TileDialog, ShowsAndStoresCopiesAndGaps) {
    SetLanguage(Language::German);
    TKachel_Dlg d;
    PrintSettings s;
    s.tilesX = 3;
    s.tilesY = 2;
    s.gapX = 250;
    s.gapY = 125;
    d.SetValues(s);
    EXPECT_EQ(d.KachelX->value(), 3);
    EXPECT_EQ(d.AbstandYEdit->text(), QStringLiteral("2,5"));
    d.show();
    test::TypeInto(d, "AbstandXEdit", QStringLiteral("7,5"));
    test::TypeInto(d, "AbstandYEdit", QStringLiteral("-3"));
    d.KachelY->setValue(25);  // kept within 1 ... 20
    d.Store(s);
    EXPECT_EQ(s.gapX, 375);
    EXPECT_EQ(s.gapY, 0);
    EXPECT_EQ(s.tilesY, 20);
}

}  // namespace
