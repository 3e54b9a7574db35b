// The main window as a user sees it, for screenshots under Xvfb: the example document with a
// selection, the menus, the pop-up menus, the dialogs, the about box and the manual, each
// grabbed from the screen into a picture.
//
//   main_window_showcase OUTDIR de|en
//
// It works in a temporary program directory seeded like a first start.
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <cstdio>
#include <functional>
#include <vector>

#include "panel/document.h"
#include "ui/app/program_dirs.h"
#include "ui/dialogs/platinen_dlg.h"
#include "ui/dialogs/raster_dlg.h"
#include "ui/main/about_box.h"
#include "ui/main/help_window.h"
#include "ui/main/main_window.h"
#include "ui/main/tool_palette.h"
#include "ui/main/tool_window.h"
#include "ui/panel/panel_view.h"
#include "ui/settings/autosave.h"
#include "ui/settings/backup_dialog.h"

using namespace pw;

namespace {

QString outDir;
QString suffix;

void Settle() {
    for (int i = 0; i < 10; ++i) QApplication::processEvents(QEventLoop::AllEvents, 20);
}

void Grab(const QString& name) {
    Settle();
    QScreen* screen = QGuiApplication::primaryScreen();
    screen->grabWindow(0).save(outDir + "/" + name + "-" + suffix + ".png");
}

void ShowMenu(MainWindow& w, const char* name) {
    auto* menu = w.menuBar()->findChild<QMenu*>(QString::fromLatin1(name));
    if (!menu) return;
    const QRect r = w.menuBar()->actionGeometry(menu->menuAction());
    menu->popup(w.menuBar()->mapToGlobal(r.bottomLeft()));
    Grab(QString::fromLatin1("menu-") + name);
    menu->hide();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: main_window_showcase OUTDIR de|en\n");
        return 2;
    }
    outDir = QString::fromLocal8Bit(argv[1]);
    suffix = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(outDir);
    QTemporaryDir home;
    MainWindowOptions options;
    options.dirs.home = home.path().toStdString() + "/";
    options.dirs.data = FindDataDirectory(QCoreApplication::applicationFilePath().toStdString());
    if (options.dirs.data.empty()) options.dirs.data = std::string(PW_DATA_DIR) + "/";
    SeedHomeDirectory(options.dirs.home, options.dirs.data);
    if (suffix == "en") {
        const std::string english = "[Sprache]\r\nSprache=1\r\n";
        WriteWholeFile(options.dirs.home + "SPRACHE.INI",
                       std::vector<uint8_t>(english.begin(), english.end()));
    }
    options.titlePicture = false;

    MainWindow window(options);
    window.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    window.show();
    window.Start();
    Settle();
    window.TabStrip()->setCurrentIndex(0);
    TPlatine& panel = window.CurrentPanel();
    // The volume scale and its drill hole selected, the pointer resting on the tone knob.
    for (size_t i = 0; i < panel.ElementCount(); ++i) {
        const std::string kind = panel.Element(i)->ClassName();
        if (kind == "TScale") {
            panel.SelectElement(panel.Element(i), true);
            break;
        }
    }
    panel.UpdateSelectionFrame();
    const IPoint knob = panel.ModelToView({95 * 50, 55 * 50});
    panel.HoverAt(knob, false);
    window.RefreshCommandStates();
    window.CurrentView().RepaintPanel();
    Grab("main");

    window.Palette()->grab().save(outDir + "/palette-" + suffix + ".png");
    for (const char* m : {"Datei1", "Bearbeiten1", "Anordnen1", "Platine1", "Option", "Hilfe1"})
        ShowMenu(window, m);

    window.RefreshCommandStates();
    emit window.CurrentView().popupRequested(window.CurrentView().viewport()->mapToGlobal(QPoint(300, 300)));
    Grab("popup-panel");
    if (auto* m = window.findChild<QMenu*>("BauteilMenu")) m->hide();
    if (auto* m = window.findChild<QMenu*>("BordPopup")) {
        m->popup(window.TabStrip()->mapToGlobal(QPoint(20, 0)) - QPoint(0, m->sizeHint().height()));
        Grab("popup-tabs");
        m->hide();
    }

    // A floating tool window over the drawing area.
    window.Tool(3)->setFloating(true);
    window.Tool(3)->move(window.geometry().center() - QPoint(150, 0));
    Grab("floating");
    window.addDockWidget(Qt::BottomDockWidgetArea, window.Tool(3));
    window.Tool(3)->setFloating(false);

    {
        TPlatinenDlg dialog(home.path(), &window);
        dialog.SetValues(panel.Name.Text(), panel.Width / 50, panel.Height / 50,
                         panel.StoredFrontplattenFarbe());
        dialog.show();
        Grab("dialog-panel");
    }
    {
        BackupDialog dialog(&window);
        Autosave autosave;
        dialog.Load(autosave);
        dialog.show();
        Grab("dialog-backup");
    }
    {
        AboutBox about(QString::fromStdString(options.dirs.data), &window);
        about.show();
        Grab("about");
    }
    {
        HelpWindow help(&window);
        help.Open(HelpWindow::ManualIndex(QString::fromStdString(options.dirs.data)));
        help.show();
        Grab("manual");
    }
    window.TabStrip()->setCurrentIndex(1);
    Grab("back");
    return 0;
}
