#include "ui/dialogs/laden_dlg.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/dialogs/dialog_frame.h"

namespace pw {

TLaden_Dlg::TLaden_Dlg(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("Laden_Dlg"));
    setWindowTitle(TrQ("Öffnen...", "Open file..."));
    auto* layout = new QVBoxLayout(this);
    Label = new QLabel(this);
    Label->setObjectName(QStringLiteral("Label"));
    Label->setMinimumWidth(240);
    layout->addWidget(Label);
    Gauge = new QProgressBar(this);
    Gauge->setObjectName(QStringLiteral("Gauge"));
    Gauge->setRange(0, 100);
    Gauge->setValue(0);
    Gauge->setTextVisible(false);
    // The gauge's colour 0x800040 (0x00BBGGRR).
    QPalette palette = Gauge->palette();
    palette.setColor(QPalette::Highlight, QColor(0x40, 0x00, 0x80));
    Gauge->setPalette(palette);
    layout->addWidget(Gauge);
    MakeFixedSize(*this);
}

void TLaden_Dlg::SetLabel(const std::string& panelName) {
    Label->setText(QString::fromStdString(panelName));
    Label->repaint();
}

void TLaden_Dlg::SetGauge(int percent) {
    Gauge->setValue(std::clamp(percent, 0, 100));
    Gauge->repaint();
}

}  // namespace pw
