#include "ui/dialogs/raster_dlg.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "core/numbers.h"
#include "ui/dialogs/decimal_validator.h"
#include "ui/dialogs/dialog_frame.h"
#include "ui/dialogs/number_field.h"

namespace pw {

namespace {
// The grid origin lies on the largest panel.
constexpr double kMaxOriginMm = static_cast<double>(kMaxPanelSide / kUnitsPerMm);
}  // namespace

QString GridFieldLabel(GridField field) {
    switch (field) {
        case GridField::UrsprungXEdit:
            return TrQ("Ursprung X", "Origin X");
        case GridField::UrsprungYEdit:
            return TrQ("Ursprung Y", "Origin Y");
        case GridField::FangEdit:
            break;
    }
    return TrQ("Fang", "Capture");
}

QString GridRangeMessage(GridField field, const QString& unit) {
    const GridFieldRange range = RangeOf(field);
    return RangeMessage(GridFieldLabel(field), static_cast<double>(range.minimum / kUnitsPerMm),
                        static_cast<double>(range.maximum / kUnitsPerMm), unit);
}

TRasterDlg::TRasterDlg(QWidget* parent, const QString& unit) : QDialog(parent) {
    setObjectName(QStringLiteral("RasterDlg"));
    setWindowTitle(TrQ("Raster einrichten", "Grid"));
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    UrsprungXEdit = new NumberField(1.0, 0, kMaxOriginMm, 1, 4, this);
    UrsprungXEdit->setObjectName(QStringLiteral("UrsprungXEdit"));
    UrsprungYEdit = new NumberField(1.0, 0, kMaxOriginMm, 1, 4, this);
    UrsprungYEdit->setObjectName(QStringLiteral("UrsprungYEdit"));
    FangEdit = new NumberField(0.1, 0.1, 10, 2, 5, this);
    FangEdit->setObjectName(QStringLiteral("FangEdit"));
    const struct {
        QString label;
        NumberField* field;
    } rows[] = {{GridFieldLabel(GridField::UrsprungXEdit), UrsprungXEdit},
                {GridFieldLabel(GridField::UrsprungYEdit), UrsprungYEdit},
                {GridFieldLabel(GridField::FangEdit), FangEdit}};
    int row = 0;
    for (const auto& r : rows) {
        grid->addWidget(new QLabel(r.label, this), row, 0);
        grid->addWidget(r.field, row, 1);
        grid->addWidget(new QLabel(unit, this), row, 2);
        ++row;
    }
    layout->addLayout(grid);
    RasterCheckbox = new QCheckBox(TrQ("Raster sichtbar", "Show grid"), this);
    RasterCheckbox->setObjectName(QStringLiteral("RasterCheckbox"));
    layout->addWidget(RasterCheckbox);
    AddDialogButtons(*this, *layout);
    MakeFixedSize(*this);
}

void TRasterDlg::SetValues(const GridDialogValues& v) {
    UrsprungXEdit->SetText(QString::fromStdString(v.originX));
    UrsprungYEdit->SetText(QString::fromStdString(v.originY));
    FangEdit->SetText(QString::fromStdString(v.spacing));
    RasterCheckbox->setChecked(v.visible);
}

GridDialogValues TRasterDlg::Values() const {
    GridDialogValues v;
    v.originX = UrsprungXEdit->Text().toStdString();
    v.originY = UrsprungYEdit->Text().toStdString();
    v.spacing = FangEdit->Text().toStdString();
    v.visible = RasterCheckbox->isChecked();
    return v;
}

std::optional<GridDialogValues> ShowGridDialog(QWidget* parent, const GridDialogValues& shown) {
    TRasterDlg dialog(parent);
    dialog.SetValues(shown);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Values();
}

}  // namespace pw
