#include "ui/scales/beschriften_dlg.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/scales/scale_texts.h"
#include "ui/scales/string_grid.h"

namespace pw {

namespace {

constexpr int kNumberColumnWidth = 50;
constexpr int kTextColumnWidth = 159;
constexpr int kGridWidth = 217;
constexpr int kGridHeight = 177;

}  // namespace

TBeschriften_Dlg::TBeschriften_Dlg(const std::vector<std::string>& texts, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Beschriften_Dlg"));
    setWindowTitle(scale_texts::InscriptionsCaption());

    const int numberWidth =
        std::max(kNumberColumnWidth, fontMetrics().horizontalAdvance(scale_texts::SegmentHeader()) + 16);
    Grid = new StringGrid(numberWidth, kTextColumnWidth, this);
    Grid->setObjectName(QStringLiteral("Grid"));
    Grid->FitWidth(kGridWidth, kGridHeight);
    Grid->SetHeader(scale_texts::SegmentHeader(), scale_texts::TextHeader());
    QStringList numbers, values;
    for (size_t i = 0; i < texts.size(); ++i) {
        numbers << QString::number(i);
        values << QString::fromStdString(texts[i]);
    }
    Grid->SetRows(numbers, values);
    if (!texts.empty()) Grid->setCurrentCell(0, 1);

    cancel_Btn = new QPushButton(scale_texts::CancelButton(), this);
    cancel_Btn->setObjectName(QStringLiteral("cancel_Btn"));
    cancel_Btn->setAutoDefault(false);
    OK_Btn = new QPushButton(scale_texts::InscriptionsOk(), this);
    OK_Btn->setObjectName(QStringLiteral("OK_Btn"));
    OK_Btn->setDefault(true);
    connect(OK_Btn, &QPushButton::clicked, this, &TBeschriften_Dlg::accept);
    connect(cancel_Btn, &QPushButton::clicked, this, &TBeschriften_Dlg::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cancel_Btn);
    buttons->addWidget(OK_Btn);
    auto* column = new QVBoxLayout(this);
    column->addWidget(Grid);
    column->addLayout(buttons);
    column->setSizeConstraint(QLayout::SetFixedSize);
}

std::vector<std::string> TBeschriften_Dlg::Texts() const {
    std::vector<std::string> texts;
    for (int r = 0; r < Grid->rowCount(); ++r) texts.push_back(Grid->Value(r).toStdString());
    return texts;
}

void TBeschriften_Dlg::accept() {
    Grid->CommitOpenEditor();
    QDialog::accept();
}

}  // namespace pw
