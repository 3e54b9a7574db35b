// The main window with the program's own dialogs: what the user types there reaches the panel.
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTimer>

#include "main_window_fixture.h"
#include "ui/dialogs/number_field.h"
#include "ui/dialogs/platinen_dlg.h"
#include "ui/dialogs/raster_dlg.h"
#include "ui/settings/backup_dialog.h"

namespace pw {
namespace {

struct ProgramDialogs : test::WindowFixture {
    void SetUp() override {
        programDialogs = true;
        Open();
    }

    // Runs `fill` on the modal dialog as soon as it is open, then presses OK.
    template <class Dialog, class F>
    static void WhenOpen(F fill) {
        QTimer::singleShot(0, [fill] {
            auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            fill(*dialog);
            dialog->accept();
        });
    }
};

TEST_F(ProgramDialogs, PanelPropertiesTypedWithADecimalComma) {
    WhenOpen<TPlatinenDlg>([](TPlatinenDlg& d) {
        d.NameEdit->setText("Gehäusedeckel");
        d.xAbmessung->SetText("123,456");
        d.yAbmessung->SetText("80");
    });
    Trigger("Eigenschaften1");
    EXPECT_EQ(Panel().Width, 6173);
    EXPECT_EQ(Panel().Height, 4000);
    EXPECT_EQ(Panel().Name.Text(), "Gehäusedeckel");
    EXPECT_EQ(window->TabStrip()->tabText(0), "Gehäusedeckel");
}

TEST_F(ProgramDialogs, TheGridDialog) {
    WhenOpen<TRasterDlg>([](TRasterDlg& d) {
        d.FangEdit->SetText("0,5");
        d.RasterCheckbox->setChecked(true);
    });
    Trigger("Raster1");
    EXPECT_EQ(Panel().SnapSpacing, 25);
    EXPECT_TRUE(Panel().GridVisible);
}

TEST_F(ProgramDialogs, TheBackupDialogTakesItsValuesBack) {
    WhenOpen<BackupDialog>([](BackupDialog& d) {
        EXPECT_TRUE(d.Spin()->isEnabled());
        d.CheckBox()->click();
        EXPECT_FALSE(d.Spin()->isEnabled());
        d.Spin()->setValue(25);
    });
    Trigger("AutomatischesBackup1");
    EXPECT_FALSE(window->AutosaveState().Active());
    EXPECT_EQ(window->AutosaveState().Interval(), 25);
}

}  // namespace
}  // namespace pw
