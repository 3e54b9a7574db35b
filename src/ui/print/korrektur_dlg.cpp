#include "ui/print/korrektur_dlg.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QVBoxLayout>

#include "core/language.h"
#include "core/print_calibration.h"
#include "ui/dialogs/dialog_frame.h"

namespace pw {

namespace {

constexpr double kTestSquareMm = 100;

QLineEdit* Field(QWidget* parent, const char* name) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setMaxLength(12);
    return e;
}

QString Factor(double f) {
    return QString::fromStdString(FormatFactor(f, DecimalSeparator()));
}

}  // namespace

TKorrekturDlg::TKorrekturDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("KorrekturDlg"));
    setWindowTitle(TrQ("Korrekturfaktoren", "Printer calibration"));
    auto* layout = new QVBoxLayout(this);
    auto* text =
        new QLabel(TrQ("Bei einigen Druckern können geringfügige Verzerrungen bei der Druckausgabe "
                       "auftreten. Sie können hier horizontale und vertikale Korrekturfaktoren angeben. "
                       "Werte größer 1 strecken, Werte kleiner 1 stauchen den Ausdruck.",
                       "Some printers may need a calibration, to produce printouts that are exactly "
                       "true to scale."),
                   this);
    text->setWordWrap(true);
    text->setMinimumWidth(360);
    layout->addWidget(text);

    auto* factors = new QFormLayout;
    HKorrektur = Field(this, "HKorrektur");
    VKorrektur = Field(this, "VKorrektur");
    factors->addRow(TrQ("Horizontaler Korrekturfaktor:", "Horizontal (X):"), HKorrektur);
    factors->addRow(TrQ("Vertikaler Korrekturfaktor:", "Vertical (Y)"), VKorrektur);
    layout->addLayout(factors);

    auto* measure = new QGroupBox(TrQ("Testseite nachgemessen", "Test page measured"), this);
    auto* measured = new QFormLayout(measure);
    measured->addRow(new QLabel(
        TrQ("Die 100 mm des Testquadrats sind gedruckt:", "The test square's 100 mm printed as:"), measure));
    HGemessen = Field(measure, "HGemessen");
    VGemessen = Field(measure, "VGemessen");
    measured->addRow(TrQ("waagerecht (mm):", "horizontally (mm):"), HGemessen);
    measured->addRow(TrQ("senkrecht (mm):", "vertically (mm):"), VGemessen);
    layout->addWidget(measure);
    connect(HGemessen, &QLineEdit::textEdited, this, &TKorrekturDlg::Measured);
    connect(VGemessen, &QLineEdit::textEdited, this, &TKorrekturDlg::Measured);

    AddDialogButtons(*this, *layout);
    MakeFixedSize(*this);
    ShowWarning = [](QWidget* p, const QString& title, const QString& message) {
        QMessageBox::warning(p, title, message);
    };
}

void TKorrekturDlg::SetValues(const Calibration& c) {
    shown_ = confirmed_ = c;
    HKorrektur->setText(Factor(c.h));
    VKorrektur->setText(Factor(c.v));
}

void TKorrekturDlg::Measured() {
    auto update = [](QLineEdit* measuredField, QLineEdit* factorField, double printedWith) {
        double mm = static_cast<double>(TextToNumber(measuredField->text().toStdString()));
        if (auto f = FactorFromMeasurement(printedWith, kTestSquareMm, mm)) factorField->setText(Factor(*f));
    };
    update(HGemessen, HKorrektur, shown_.h);
    update(VGemessen, VKorrektur, shown_.v);
}

void TKorrekturDlg::done(int result) {
    if (result == QDialog::Accepted) {
        auto c = ParseCalibration(HKorrektur->text().toStdString(), VKorrektur->text().toStdString());
        if (!c) {
            if (ShowWarning)
                ShowWarning(this, TrQ("Korrekturfaktoren", "Printer calibration"),
                            TrQ("Die Korrekturfaktoren müssen\nzwischen 0.8...1.2 liegen.\n",
                                "Please enter values from 0.8 to 1.2"));
            return;
        }
        confirmed_ = *c;
    }
    QDialog::done(result);
}

}  // namespace pw
