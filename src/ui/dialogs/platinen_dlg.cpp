#include "ui/dialogs/platinen_dlg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QVBoxLayout>

#include "core/language.h"
#include "ui/dialogs/colour_swatch.h"
#include "ui/dialogs/custom_colours.h"
#include "ui/dialogs/decimal_validator.h"
#include "ui/dialogs/dialog_frame.h"
#include "ui/dialogs/number_field.h"

namespace pw {

namespace {
constexpr int kNameLength = 35;
constexpr Real kMinSizeMm = 10;
constexpr Real kMaxSizeMm = kMaxPanelSide / kUnitsPerMm;
}  // namespace

TPlatinenDlg::TPlatinenDlg(const QString& programDir, QWidget* parent)
    : QDialog(parent), programDir_(programDir) {
    setObjectName(QStringLiteral("PlatinenDlg"));
    setWindowTitle(TrQ("Eigenschaften Frontplatte", "Properties front panel"));
    auto* layout = new QVBoxLayout(this);

    auto* nameGroup = new QGroupBox(QStringLiteral("Name"), this);
    auto* nameLayout = new QVBoxLayout(nameGroup);
    NameEdit = new QLineEdit(nameGroup);
    NameEdit->setObjectName(QStringLiteral("NameEdit"));
    NameEdit->setMaxLength(kNameLength);
    nameLayout->addWidget(NameEdit);
    layout->addWidget(nameGroup);

    auto* sizeGroup = new QGroupBox(TrQ("Abmessungen", "Dimensions"), this);
    auto* grid = new QGridLayout(sizeGroup);
    xAbmessung = new NumberField(1.0, 10, static_cast<double>(kMaxSizeMm), 1, 0, sizeGroup);
    xAbmessung->setObjectName(QStringLiteral("xAbmessung"));
    yAbmessung = new NumberField(1.0, 10, static_cast<double>(kMaxSizeMm), 1, 0, sizeGroup);
    yAbmessung->setObjectName(QStringLiteral("yAbmessung"));
    grid->addWidget(new QLabel(QStringLiteral("horizontal"), sizeGroup), 0, 0);
    grid->addWidget(xAbmessung, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("mm"), sizeGroup), 0, 2);
    grid->addWidget(new QLabel(TrQ("vertikal", "vertical"), sizeGroup), 1, 0);
    grid->addWidget(yAbmessung, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("mm"), sizeGroup), 1, 2);
    layout->addWidget(sizeGroup);

    auto* colourGroup = new QGroupBox(TrQ("Farbe", "Colour"), this);
    auto* colourLayout = new QVBoxLayout(colourGroup);
    ColorPanel = new ColourSwatch(colourGroup);
    ColorPanel->setObjectName(QStringLiteral("ColorPanel"));
    colourLayout->addWidget(ColorPanel);
    layout->addWidget(colourGroup);
    connect(ColorPanel, &ColourSwatch::clicked, this, &TPlatinenDlg::OnColourClicked);

    AddDialogButtons(*this, *layout);
    MakeFixedSize(*this);

    ShowWarning = [](QWidget* p, const QString& title, const QString& text) {
        QMessageBox::warning(p, title, text);
    };
    ChooseColourFunction = ChooseColour;
}

void TPlatinenDlg::SetValues(const std::string& name, Real widthMm, Real heightMm, Color colour) {
    SetLimitedText(*NameEdit, QString::fromStdString(name), kNameLength);
    xAbmessung->SetText(QString::fromStdString(FormatGeneral(widthMm, 15, DecimalSeparator())));
    yAbmessung->SetText(QString::fromStdString(FormatGeneral(heightMm, 15, DecimalSeparator())));
    ColorPanel->SetColour(colour);
}

std::string TPlatinenDlg::Name() const {
    return NameEdit->text().toStdString();
}
Real TPlatinenDlg::WidthMm() const {
    return xAbmessung->Value();
}
Real TPlatinenDlg::HeightMm() const {
    return yAbmessung->Value();
}
Color TPlatinenDlg::Colour() const {
    return ColorPanel->Colour();
}

bool TPlatinenDlg::SizesValid(Real w, Real h) {
    return w >= kMinSizeMm && w <= kMaxSizeMm && h >= kMinSizeMm && h <= kMaxSizeMm;
}

void TPlatinenDlg::done(int result) {
    // Only confirmed values are checked: Cancel always closes, whatever the fields hold.
    if (result == QDialog::Accepted && !SizesValid(WidthMm(), HeightMm())) {
        if (ShowWarning)
            ShowWarning(this, InvalidInputTitle(),
                        TrQ("Es sind nur Frontplattengrößen mit Abmessungen\n"
                            "von 10x10 mm bis 600x600 mm möglich.",
                            "Front panels can only measure\n"
                            "from 10x10 mm to 600x600 mm."));
        return;
    }
    QDialog::done(result);
}

void TPlatinenDlg::OnColourClicked() {
    if (!ChooseColourFunction) return;
    if (std::optional<Color> chosen = ChooseColourFunction(this, ColorPanel->Colour(), programDir_))
        ColorPanel->SetColour(*chosen);
}

}  // namespace pw
