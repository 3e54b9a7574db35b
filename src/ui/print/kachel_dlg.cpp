#include "ui/print/kachel_dlg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "core/language.h"
#include "ui/dialogs/dialog_frame.h"

namespace pw {

namespace {

QSpinBox* Count(QWidget* parent, const char* name) {
    auto* s = new QSpinBox(parent);
    s->setObjectName(QString::fromLatin1(name));
    s->setRange(1, PrintSettings::kMaxTiles);
    return s;
}

QLineEdit* Gap(QWidget* parent, const char* name) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setMaxLength(10);
    return e;
}

Real GapOf(const QLineEdit* e) {
    Real v = TextToNumber(e->text().toStdString()) * kUnitsPerMm;
    return std::clamp<Real>(v, 0, 30000);
}

}  // namespace

TKachel_Dlg::TKachel_Dlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Kachel_Dlg"));
    setWindowTitle(TrQ("Kacheln", "Tile"));
    auto* layout = new QVBoxLayout(this);

    auto* count = new QGroupBox(TrQ("Anzahl der Kacheln", "Number of tiles"), this);
    auto* countGrid = new QGridLayout(count);
    KachelX = Count(count, "KachelX");
    KachelY = Count(count, "KachelY");
    countGrid->addWidget(new QLabel(QStringLiteral("X:"), count), 0, 0);
    countGrid->addWidget(KachelX, 0, 1);
    countGrid->addWidget(new QLabel(QStringLiteral("Y:"), count), 1, 0);
    countGrid->addWidget(KachelY, 1, 1);
    layout->addWidget(count);

    auto* gap = new QGroupBox(TrQ("Abstand der Kacheln", "Distance between tiles"), this);
    auto* gapGrid = new QGridLayout(gap);
    AbstandXEdit = Gap(gap, "AbstandXEdit");
    AbstandYEdit = Gap(gap, "AbstandYEdit");
    gapGrid->addWidget(new QLabel(QStringLiteral("X:"), gap), 0, 0);
    gapGrid->addWidget(AbstandXEdit, 0, 1);
    gapGrid->addWidget(new QLabel(QStringLiteral("mm"), gap), 0, 2);
    gapGrid->addWidget(new QLabel(QStringLiteral("Y:"), gap), 1, 0);
    gapGrid->addWidget(AbstandYEdit, 1, 1);
    gapGrid->addWidget(new QLabel(QStringLiteral("mm"), gap), 1, 2);
    layout->addWidget(gap);

    AddDialogButtons(*this, *layout);
    MakeFixedSize(*this);
}

void TKachel_Dlg::SetValues(const PrintSettings& s) {
    KachelX->setValue(s.tilesX);
    KachelY->setValue(s.tilesY);
    const char sep = DecimalSeparator();
    AbstandXEdit->setText(QString::fromStdString(FormatGeneral(s.gapX / kUnitsPerMm, 8, sep)));
    AbstandYEdit->setText(QString::fromStdString(FormatGeneral(s.gapY / kUnitsPerMm, 8, sep)));
}

void TKachel_Dlg::Store(PrintSettings& s) const {
    s.tilesX = KachelX->value();
    s.tilesY = KachelY->value();
    s.gapX = GapOf(AbstandXEdit);
    s.gapY = GapOf(AbstandYEdit);
}

}  // namespace pw
