// The dialogs, shown modally and answered by typing and clicking: the grid dialog until its
// entry is accepted, the panel dialog's size check, the numeric fields, the element dialogs and
// the load progress window; texts in both languages.
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <cmath>

#include "core/language.h"
#include "core/registry.h"
#include "elements/rechteck.h"
#include "panel/dialog_commands.h"
#include "panel/register_elements.h"
#include "support/hook_guards.h"
#include "ui/dialogs/bogen_dlg.h"
#include "ui/dialogs/bohr_dlg.h"
#include "ui/dialogs/colour_swatch.h"
#include "ui/dialogs/laden_dlg.h"
#include "ui/dialogs/number_field.h"
#include "ui/dialogs/platinen_dlg.h"
#include "ui/dialogs/raster_dlg.h"
#include "ui/dialogs/txt_dlg.h"
#include "ui/dialogs/vieleck_dlg.h"
#include "view_test_support.h"

using namespace pw;
using namespace pw::test;

namespace {

class Dialogs : public ::testing::Test {
  protected:
    void SetUp() override {
        RegisterBuiltinElementClasses();
        SetLanguage(Language::German);
    }
    void TearDown() override { SetLanguage(Language::German); }
};

QString FieldText(QDialog& d, const char* name) {
    if (auto* spin = d.findChild<QAbstractSpinBox*>(name)) return spin->text();
    if (auto* edit = d.findChild<QLineEdit*>(name)) return edit->text();
    return QStringLiteral("<missing>");
}

TEST_F(Dialogs, GridDialogShownAgainUntilTheSpacingIsAccepted) {
    TPlatine panel;
    TBackupStream undo;
    panel.UndoStream = &undo;
    panel.SnapSpacing = 50;
    int shown = 0;
    QString secondShowing;
    auto first = AnswerNextDialog([&](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QString("Raster einrichten"));
        EXPECT_EQ(FieldText(d, "FangEdit"), QString("1"));
        TypeInto(d, "FangEdit", "0,01");
        // The dialog comes back with the rejected entry.
        AnswerNextDialog([&](QDialog& again) {
            secondShowing = FieldText(again, "FangEdit");
            TypeInto(again, "FangEdit", "0,02");
            again.findChild<QCheckBox*>("RasterCheckbox")->setChecked(true);
            ClickButton(again, "OKBtn");
        });
        ClickButton(d, "OKBtn");
    });
    const bool accepted = GridCommand(panel, [&](const GridDialogValues& v) {
        ++shown;
        return ShowGridDialog(nullptr, v);
    });
    EXPECT_EQ(*first, 1);
    EXPECT_TRUE(accepted);
    EXPECT_EQ(shown, 2);
    EXPECT_EQ(secondShowing, QString("0,01"));
    EXPECT_EQ(panel.SnapSpacing, 1);
    EXPECT_TRUE(panel.GridVisible);
}

TEST_F(Dialogs, GridDialogCancelledChangesNothing) {
    TPlatine panel;
    TBackupStream undo;
    panel.UndoStream = &undo;
    AnswerNextDialog([](QDialog& d) {
        TypeInto(d, "UrsprungXEdit", "50");
        ClickButton(d, "AbbruchBtn");
    });
    EXPECT_FALSE(GridCommand(panel, [](const GridDialogValues& v) { return ShowGridDialog(nullptr, v); }));
    EXPECT_EQ(panel.GridOrigin, (MPoint{0, 0}));
}

TEST_F(Dialogs, GridOriginFieldLimitsTypingButKeepsALongerValue) {
    TPlatine panel;
    panel.GridOrigin = {617, 0};  // 12,34 mm: five characters
    TRasterDlg d;
    d.SetValues(GridDialogValuesOf(panel));
    EXPECT_EQ(d.UrsprungXEdit->Text(), QString("12,34"));
    EXPECT_EQ(d.Values().originX, "12,34");
    TypeInto(d, "UrsprungYEdit", "12,345");
    EXPECT_EQ(d.UrsprungYEdit->Text(), QString("12,3"));  // four characters at most
    TypeInto(d, "FangEdit", "0,0125");
    EXPECT_EQ(d.FangEdit->Text(), QString("0,012"));
}

TEST_F(Dialogs, PanelDialogWarnsAboutASizeBeyond600AndStaysOpen) {
    QStringList warnings;
    TPlatinenDlg d(QString{});
    d.ShowWarning = [&](QWidget*, const QString& title, const QString& text) { warnings << title << text; };
    d.SetValues("Front", 100, 80, 0x123456);
    bool stillOpen = false;
    AnswerNextDialog([&](QDialog& shown) {
        EXPECT_EQ(FieldText(shown, "xAbmessung"), QString("100"));
        EXPECT_EQ(FieldText(shown, "NameEdit"), QString("Front"));
        TypeInto(shown, "xAbmessung", "600,5");
        ClickButton(shown, "OKBtn");
        stillOpen = shown.isVisible();
        TypeInto(shown, "xAbmessung", "10");
        ClickButton(shown, "OKBtn");
    });
    EXPECT_EQ(d.exec(), QDialog::Accepted);
    EXPECT_TRUE(stillOpen);
    ASSERT_EQ(warnings.size(), 2);
    EXPECT_EQ(warnings[0], QString("Fehlerhafte Eingabe"));
    EXPECT_EQ(warnings[1], QString::fromUtf8("Es sind nur Frontplattengrößen mit Abmessungen\n"
                                             "von 10x10 mm bis 600x600 mm möglich."));
    EXPECT_EQ(d.WidthMm(), 10);
    EXPECT_EQ(d.HeightMm(), 80);
    EXPECT_EQ(d.Name(), "Front");
    EXPECT_EQ(d.Colour(), 0x123456u);
}

TEST_F(Dialogs, PanelDialogCancelClosesWithoutCheckingTheSizes) {
    int warnings = 0;
    TPlatinenDlg d(QString{});
    d.ShowWarning = [&](QWidget*, const QString&, const QString&) { ++warnings; };
    d.SetValues("Front", 100, 5, kWhite);
    AnswerNextDialog([&](QDialog& shown) { ClickButton(shown, "AbbruchBtn"); });
    EXPECT_EQ(d.exec(), QDialog::Rejected);
    EXPECT_EQ(warnings, 0);
}

TEST_F(Dialogs, PanelDialogTakesTheChosenColourAndKeepsALongName) {
    TPlatinenDlg d(QStringLiteral("/some/dir"));
    QString dirAsked;
    d.ChooseColourFunction = [&](QWidget*, Color initial, const QString& dir) {
        dirAsked = dir;
        EXPECT_EQ(initial, 0x00FF00u);
        return std::optional<Color>(0x0000FF);
    };
    const std::string longName(40, 'n');
    d.SetValues(longName, 100, 100, 0x00FF00);
    QTest::mouseClick(d.ColorPanel, Qt::LeftButton);
    EXPECT_EQ(dirAsked, QString("/some/dir"));
    EXPECT_EQ(d.Colour(), 0x0000FFu);
    EXPECT_EQ(d.Name(), longName);  // shown whole, though typing stops at 35
}

TEST_F(Dialogs, NumberFieldTakesCommaOrPointAndStepsWithinItsRange) {
    NumberField field(1.0, 10, 600, 1);
    QLineEdit* edit = field.findChild<QLineEdit*>();
    ASSERT_TRUE(edit);
    field.SetText("599,5");
    QTest::keyClick(&field, Qt::Key_Up);
    EXPECT_EQ(field.Text(), QString("600,0"));
    QTest::keyClick(&field, Qt::Key_Up);
    EXPECT_EQ(field.Text(), QString("600,0"));  // the maximum holds
    field.SetText("");
    QTest::keyClicks(edit, "12.5x,");
    EXPECT_EQ(field.Text(), QString("12.5"));  // letters and a second separator are refused
    EXPECT_EQ(field.Value(), 12.5L);
    field.SetText("3");
    QTest::keyClick(&field, Qt::Key_Down);
    EXPECT_EQ(field.Text(), QString("3"));  // nothing lower to step to
    QTest::keyClick(&field, Qt::Key_Up);
    EXPECT_EQ(field.Text(), QString("10,0"));  // below the minimum: stepping up starts from it

    LanguageGuard language(Language::English);
    field.SetText("20,5");
    QTest::keyClick(&field, Qt::Key_Up);
    EXPECT_EQ(field.Text(), QString("21.5"));
}

TEST_F(Dialogs, DrillDialogTextsAndDiameter) {
    LanguageGuard language(Language::English);
    TBohrDlg d;
    EXPECT_EQ(d.windowTitle(), QString("Drilling"));
    EXPECT_TRUE(d.findChild<QPushButton*>("AbbruchBtn")->text() == QString("&Cancel"));
    auto labels = d.findChildren<QLabel*>();
    EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [](QLabel* l) { return l->text() == "Diameter"; }));
    d.SetText("12,5");
    QTest::keyClick(d.DM_Edit, Qt::Key_Up);
    EXPECT_EQ(d.Text(), "13.0");  // steps of 0.5 mm
}

TEST_F(Dialogs, ArcDialogOffersTheThreeStylesAndPreselects) {
    TBogenDlg german;
    ASSERT_EQ(german.cb_Style->count(), 3);
    EXPECT_EQ(german.cb_Style->itemText(0), QString("offener Bogen"));
    EXPECT_EQ(german.cb_Style->itemText(1), QString::fromUtf8("Tortenstück"));
    EXPECT_EQ(german.cb_Style->itemText(2), QString("Bogen mit Sehne"));
    EXPECT_EQ(german.findChild<QGroupBox*>()->title(), QString("Stil"));
    LanguageGuard language(Language::English);
    AnswerNextDialog([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QString("Arc"));
        auto* combo = d.findChild<QComboBox*>("cb_Style");
        EXPECT_EQ(combo->currentIndex(), 1);
        EXPECT_EQ(combo->itemText(2), QString("Closed arc"));
        combo->setCurrentIndex(2);
        ClickButton(d, "OKBtn");
    });
    EXPECT_EQ(ShowBogenDlg(nullptr, 1), std::optional<int>(2));
    AnswerNextDialog([](QDialog& d) { ClickButton(d, "AbbruchBtn"); });
    EXPECT_EQ(ShowBogenDlg(nullptr, 0), std::nullopt);
}

TEST_F(Dialogs, TextDialogKeepsALongTextAndLimitsTyping) {
    TTXT_Dlg d;
    EXPECT_EQ(d.windowTitle(), QString("Eigenschaften Text"));
    const std::string longText(230, 'x');
    d.SetText(longText);
    EXPECT_EQ(d.Text(), longText);
    d.SetText(std::string(200, 'y'));
    QTest::keyClicks(d.TextEdit, "z");
    EXPECT_EQ(d.Text(), std::string(200, 'y'));
    AnswerNextDialog([](QDialog& shown) {
        // The field has the focus when the dialog opens: typing replaces the wording. (The
        // dialog's own focus widget: the window may not be active yet when it is answered.)
        ASSERT_EQ(shown.focusWidget(), static_cast<TTXT_Dlg&>(shown).TextEdit);
        QTest::keyClicks(shown.focusWidget(), "Netz");
        ClickButton(shown, "OKBtn");
    });
    EXPECT_EQ(ShowTextDlg(nullptr, "Beschriftung"), std::optional<std::string>("Netz"));
}

TEST_F(Dialogs, TextDialogNamesCharactersThatCannotBeStoredWhileTyping) {
    TTXT_Dlg d;
    d.SetText("Lautstärke ±5");
    EXPECT_TRUE(d.StorageWarning->isHidden());
    const int plainHeight = d.height();
    QTest::keyClick(d.TextEdit, Qt::Key_Space);
    QKeyEvent omega(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromUtf8("Ω"));
    QApplication::sendEvent(d.TextEdit, &omega);
    ASSERT_EQ(d.Text(), "Lautstärke ±5 Ω");
    EXPECT_FALSE(d.StorageWarning->isHidden());
    EXPECT_EQ(d.StorageWarning->text(), QString::fromUtf8("Nicht speicherbare Zeichen: Ω (wird zu ?)"));
    EXPECT_GT(d.height(), plainHeight);
    QTest::keyClick(d.TextEdit, Qt::Key_Backspace);
    EXPECT_TRUE(d.StorageWarning->isHidden());
    EXPECT_EQ(d.height(), plainHeight);
}

TEST_F(Dialogs, RegularPolygonDialogDefaultsAndValues) {
    TVieleck_Dlg d;
    EXPECT_EQ(d.windowTitle(), QString::fromUtf8("Gleichmäßiges Vieleck erzeugen"));
    RegularPolygonInput in = d.Values();
    EXPECT_EQ(in.corners, 3);
    EXPECT_EQ(in.radiusText, "10");
    EXPECT_FALSE(in.innerRadius);
    EXPECT_EQ(in.startAngleText, "0");
    EXPECT_EQ(d.SE_Ecken->minimum(), 3);
    AnswerNextDialog([](QDialog& shown) {
        auto* corners = shown.findChild<QSpinBox*>("SE_Ecken");
        corners->setValue(6);
        QTest::mouseClick(shown.findChild<QRadioButton*>("cb_innen"), Qt::LeftButton);
        TypeInto(shown, "Radius_Edit", "10");
        TypeInto(shown, "Winkel_Edit", "30");
        ClickButton(shown, "OKBtn");
    });
    const std::optional<RegularPolygonInput> chosen = ShowRegularPolygonDialog(nullptr);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->corners, 6);
    EXPECT_TRUE(chosen->innerRadius);
    EXPECT_EQ(chosen->startAngleText, "30");
    EXPECT_NEAR(static_cast<double>(RegularPolygonRadiusMm(*chosen)), 10 / std::cos(M_PI / 6), 1e-9);
    LanguageGuard language(Language::English);
    TVieleck_Dlg english;
    EXPECT_EQ(english.windowTitle(), QString("Create regular polygon"));
    EXPECT_EQ(english.cb_innen->text(), QString("Inside radius"));
    EXPECT_EQ(english.cb_aussen->text(), QString("Outside radius"));
}

TEST_F(Dialogs, LoadProgressFollowsTheReadingOfAPanel) {
    TPlatine source;
    source.Name.SetText("Front");
    for (int i = 0; i < 3; ++i) {
        auto r = std::make_unique<TRechteck>();
        r->AddPoint({0, 0});
        r->AddPoint({100, 100});
        source.AddElement(std::move(r));
    }
    std::vector<uint8_t> bytes;
    source.WritePanel(bytes, false);

    TLaden_Dlg progress;
    EXPECT_EQ(progress.windowTitle(), QString::fromUtf8("Öffnen..."));
    progress.show();
    TPlatine target;
    target.Progress = &progress;
    TReader reader(bytes, StreamSource::File);
    target.ReadPanel(reader);
    EXPECT_EQ(progress.Label->text(), QString("Front"));
    EXPECT_EQ(progress.Gauge->value(), 100);
    EXPECT_EQ(target.ElementCount(), 3u);
    progress.SetGauge(250);
    EXPECT_EQ(progress.Gauge->value(), 100);
}

TEST_F(Dialogs, EnglishPanelAndGridDialogTexts) {
    LanguageGuard language(Language::English);
    TPlatinenDlg panel(QString{});
    EXPECT_EQ(panel.windowTitle(), QString("Properties front panel"));
    QStringList groups;
    for (auto* g : panel.findChildren<QGroupBox*>()) groups << g->title();
    EXPECT_EQ(groups, (QStringList{"Name", "Dimensions", "Colour"}));
    TRasterDlg grid;
    EXPECT_EQ(grid.windowTitle(), QString("Grid"));
    EXPECT_EQ(grid.RasterCheckbox->text(), QString("Show grid"));
    QStringList labels;
    for (auto* l : grid.findChildren<QLabel*>()) labels << l->text();
    EXPECT_TRUE(labels.contains("Origin X"));
    EXPECT_TRUE(labels.contains("Capture"));
    SetLanguage(Language::German);
    TRasterDlg german;
    EXPECT_EQ(german.RasterCheckbox->text(), QString("Raster sichtbar"));
}

TEST_F(Dialogs, PanelDialogWarnsInEnglish) {
    SetLanguage(Language::English);
    QStringList warnings;
    TPlatinenDlg d(QString{});
    d.ShowWarning = [&](QWidget*, const QString& title, const QString& text) { warnings << title << text; };
    d.SetValues("Front", 5, 80, 0);
    d.done(QDialog::Accepted);
    EXPECT_EQ(warnings,
              (QStringList{"Invalid input", "Front panels can only measure\nfrom 10x10 mm to 600x600 mm."}));
}

}  // namespace
