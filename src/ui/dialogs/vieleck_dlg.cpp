#include "ui/dialogs/vieleck_dlg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ui/dialogs/dialog_frame.h"

namespace pw {

TVieleck_Dlg::TVieleck_Dlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Vieleck_Dlg"));
    setWindowTitle(TrQ("Gleichmäßiges Vieleck erzeugen", "Create regular polygon"));
    auto* layout = new QVBoxLayout(this);

    auto* cornerGroup = new QGroupBox(TrQ("Anzahl der Ecken", "Number of corners"), this);
    auto* cornerLayout = new QHBoxLayout(cornerGroup);
    SE_Ecken = new QSpinBox(cornerGroup);
    SE_Ecken->setObjectName(QStringLiteral("SE_Ecken"));
    SE_Ecken->setRange(3, 999);
    SE_Ecken->setValue(3);
    cornerLayout->addWidget(SE_Ecken);
    cornerLayout->addStretch(1);
    layout->addWidget(cornerGroup);

    auto* radiusGroup = new QGroupBox(QStringLiteral("Radius"), this);
    auto* radiusLayout = new QGridLayout(radiusGroup);
    Radius_Edit = new QLineEdit(QStringLiteral("10"), radiusGroup);
    Radius_Edit->setObjectName(QStringLiteral("Radius_Edit"));
    radiusLayout->addWidget(Radius_Edit, 0, 0);
    radiusLayout->addWidget(new QLabel(QStringLiteral("mm"), radiusGroup), 0, 1);
    cb_innen = new QRadioButton(TrQ("Innenradius", "Inside radius"), radiusGroup);
    cb_innen->setObjectName(QStringLiteral("cb_innen"));
    cb_aussen = new QRadioButton(TrQ("Aussenradius", "Outside radius"), radiusGroup);
    cb_aussen->setObjectName(QStringLiteral("cb_aussen"));
    cb_aussen->setChecked(true);
    radiusLayout->addWidget(cb_innen, 1, 0, 1, 2);
    radiusLayout->addWidget(cb_aussen, 2, 0, 1, 2);
    layout->addWidget(radiusGroup);

    auto* angleGroup = new QGroupBox(TrQ("Startwinkel", "Start angle"), this);
    auto* angleLayout = new QHBoxLayout(angleGroup);
    Winkel_Edit = new QLineEdit(QStringLiteral("0"), angleGroup);
    Winkel_Edit->setObjectName(QStringLiteral("Winkel_Edit"));
    angleLayout->addWidget(Winkel_Edit);
    angleLayout->addWidget(new QLabel(TrQ("Grad", "degree"), angleGroup));
    layout->addWidget(angleGroup);

    AddDialogButtons(*this, *layout);
    MakeFixedSize(*this);
}

RegularPolygonInput TVieleck_Dlg::Values() const {
    RegularPolygonInput in;
    in.corners = ClampCorners(SE_Ecken->value());
    in.radiusText = Radius_Edit->text().toStdString();
    in.innerRadius = cb_innen->isChecked();
    in.startAngleText = Winkel_Edit->text().toStdString();
    return in;
}

std::optional<RegularPolygonInput> ShowRegularPolygonDialog(QWidget* parent) {
    TVieleck_Dlg dialog(parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Values();
}

}  // namespace pw
