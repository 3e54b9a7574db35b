// A window with a panel view on which one element of each kind is drawn with mouse and key
// events, for looking at the view as a user sees it (run under Xvfb and take a screenshot).
//
//   panel_view_showcase [seconds] [phase] [cursor-sheet.png]
//
// phase 0 ends at rest with a selection; phase 1 ends in the middle of drawing a line (crosshair
// off, temporary line shown); phase 2 in the middle of moving a selection (exclusive-or ghost);
// phases 3 and 4 show the dialogs side by side, in German and in English; phase 5 shows a dark
// panel zoomed in, scrolled, with a selection and the crosshair of the line tool.
// With a file name the numbered cursors are drawn side by side into that picture as well.
#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdlib>
#include <memory>

#include "core/language.h"
#include "core/registry.h"
#include "elements/bogen.h"
#include "elements/bohrung.h"
#include "elements/textlabel.h"
#include "panel/dialog_commands.h"
#include "panel/register_elements.h"
#include "panel/scale_document.h"
#include "ui/dialogs/bogen_dlg.h"
#include "ui/dialogs/bohr_dlg.h"
#include "ui/dialogs/laden_dlg.h"
#include "ui/dialogs/platinen_dlg.h"
#include "ui/dialogs/raster_dlg.h"
#include "ui/dialogs/txt_dlg.h"
#include "ui/dialogs/vieleck_dlg.h"
#include "ui/panel/panel_cursors.h"
#include "ui/panel/panel_view.h"

using namespace pw;

namespace {

class Hand {
  public:
    explicit Hand(PanelView& view) : view_(view) {}
    void Click(int x, int y, Qt::MouseButton b = Qt::LeftButton) {
        Move(x, y);
        QTest::mousePress(view_.viewport(), b, {}, QPoint(x, y));
        QTest::mouseRelease(view_.viewport(), b, {}, QPoint(x, y));
    }
    void Press(int x, int y) {
        held_ = Qt::LeftButton;
        QTest::mousePress(view_.viewport(), Qt::LeftButton, {}, QPoint(x, y));
    }
    void Move(int x, int y) {
        QMouseEvent e(QEvent::MouseMove, QPoint(x, y), view_.viewport()->mapToGlobal(QPoint(x, y)),
                      Qt::NoButton, held_, {});
        QApplication::sendEvent(view_.viewport(), &e);
    }
    void Mode(TEditMode m) { view_.Panel().SetEditMode(m); }

  private:
    PanelView& view_;
    Qt::MouseButtons held_;
};

// Every dialog, shown without waiting, one beside the other.
int ShowDialogs() {
    TPlatine panel;
    TPlatinenDlg platinen(QString{});
    platinen.SetValues("Frontplatte 1", 100, 80, 0xE6E6E6);
    TRasterDlg raster;
    raster.SetValues(GridDialogValuesOf(panel));
    TBohrDlg bohr;
    bohr.SetText("3");
    TBogenDlg bogen;
    bogen.SetStyle(1);
    TTXT_Dlg text;
    text.SetText("Beschriftung");
    TVieleck_Dlg vieleck;
    TLaden_Dlg laden;
    laden.SetLabel("Frontplatte 1");
    laden.SetGauge(40);
    QDialog* all[] = {&platinen, &raster, &bohr, &bogen, &text, &vieleck, &laden};
    int x = 10, y = 10, rowHeight = 0;
    for (QDialog* d : all) {
        d->show();
        const QSize size = d->frameGeometry().size();
        if (x + size.width() > 1270) x = 10, y += rowHeight + 10, rowHeight = 0;
        d->move(x, y);
        x += size.width() + 10;
        rowHeight = std::max(rowHeight, size.height());
    }
    QTimer::singleShot(5000, qApp, &QApplication::quit);
    return qApp->exec();
}

void SaveCursorSheet(const QString& path) {
    QImage sheet(17 * 40 + 8, 2 * 40 + 8, QImage::Format_ARGB32);
    sheet.fill(QColor(0xE6, 0xE6, 0xE6));
    QPainter p(&sheet);
    for (int n = 1; n <= 17; ++n) {
        const CursorImage c = PanelCursorImage(n);
        if (c.pixmap.isNull()) continue;
        const QPoint at(8 + (n - 1) * 40, 8);
        p.drawPixmap(at, c.pixmap);
        p.fillRect(QRect(at + c.hotSpot, QSize(1, 1)), Qt::red);
        // The same on a dark panel.
        p.fillRect(QRect(at + QPoint(0, 40), QSize(32, 32)), QColor(0x20, 0x20, 0x40));
        p.drawPixmap(at + QPoint(0, 40), c.pixmap);
    }
    p.end();
    sheet.save(path);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    RegisterBuiltinElementClasses();
    SetLanguage(Language::German);
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 5;
    const int phase = argc > 2 ? std::atoi(argv[2]) : 0;
    if (argc > 3) SaveCursorSheet(QString::fromLocal8Bit(argv[3]));

    if (phase == 3 || phase == 4) {
        if (phase == 4) SetLanguage(Language::English);
        return ShowDialogs();
    }

    TBohrung::SetDialog([](const std::string&) { return std::optional<std::string>("8"); });
    TBogen::SetDialog([](int) { return std::optional<int>(1); });
    TTextLabel::SetDialog([](const std::string&) { return std::optional<std::string>("Plattenwerk"); });

    auto panel = std::make_unique<TPlatine>();
    panel->Width = 10000;
    panel->Height = 7500;
    panel->SnapSpacing = 250;
    panel->GridVisible = true;
    TBackupStream undo;
    panel->UndoStream = &undo;
    PanelView view(std::move(panel));
    view.setWindowTitle(QStringLiteral("Plattenwerk – panel view"));
    view.resize(1000, 720);
    view.move(0, 0);
    view.show();
    if (!QTest::qWaitForWindowExposed(&view)) return 1;
    TPlatine& p = view.Panel();
    p.SetZoom(4);  // one pixel is 12.5 units
    view.SyncScrollBars();
    QApplication::processEvents();

    Hand hand(view);
    p.CurrentPenWidth = 25;
    hand.Mode(emLinie);
    hand.Click(40, 40);
    hand.Click(160, 40);
    hand.Click(160, 110);
    hand.Click(160, 110, Qt::RightButton);

    p.CurrentBrushColor = 0x40A0F0;
    p.CurrentBrushStyle = bsSolid;
    p.CurrentFill = true;
    hand.Mode(emRect);
    hand.Click(220, 40);
    hand.Move(340, 120);
    hand.Click(340, 120);

    p.CurrentBrushStyle = bsDiagCross;
    p.CurrentBrushColor = 0x008000;
    hand.Mode(emKreis);
    hand.Click(440, 80);
    hand.Move(490, 80);
    hand.Click(490, 80);

    p.CurrentPenColor = 0x800000;
    hand.Mode(emPolygon);
    hand.Click(560, 40);
    hand.Click(680, 60);
    hand.Click(620, 130);
    hand.Click(620, 130, Qt::RightButton);

    p.CurrentPenColor = 0;
    p.CurrentFill = false;
    hand.Mode(emBogen);
    hand.Click(100, 260);
    hand.Move(170, 260);
    hand.Click(170, 260);
    hand.Move(100, 190);
    hand.Click(100, 190);

    hand.Mode(emBemassung);
    hand.Click(240, 300);
    hand.Move(440, 300);
    hand.Click(440, 300);
    hand.Move(340, 250);
    hand.Click(340, 250);

    hand.Mode(emBohren);
    hand.Click(520, 260);
    hand.Click(580, 260);
    hand.Click(580, 260, Qt::RightButton);

    p.CurrentFontColor = 0x202020;
    hand.Mode(emText);
    hand.Click(620, 220);

    std::vector<std::string> corrections;
    ScaleOptions scale;
    scale.style = 1;
    if (std::unique_ptr<TScale> s = MakeScale(scale, corrections)) {
        const MRect b = NormaliseRect(s->GetBounds());
        s->Move({4500 - (b.x1 + b.x2) / 2, 5200 - (b.y1 + b.y2) / 2});
        p.AddElement(std::move(s));
    }
    hand.Mode(emStandard);
    view.RepaintPanel();
    hand.Move(900, 650);
    hand.Click(280, 80);  // the rectangle, with its handles

    if (phase == 5) {
        p.SetFrontplattenFarbe(0x403030);
        p.SetZoom(7);
        p.ScrollTo(150, 40);
        p.UpdateSelectionFrame();
        view.SyncScrollBars();
        hand.Mode(emLinie);
        hand.Move(420, 330);
    } else if (phase == 1) {
        hand.Mode(emLinie);
        hand.Move(80, 420);
        hand.Click(80, 420);
        hand.Move(300, 470);
    } else if (phase == 2) {
        hand.Press(280, 80);
        hand.Move(330, 130);
        hand.Move(380, 180);
    }
    QTimer::singleShot(seconds * 1000, &app, &QApplication::quit);
    return app.exec();
}
