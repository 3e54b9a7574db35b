#include "ui/scales/scale_man_dlg.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/main/user_prompts.h"
#include "ui/panel/panel_view.h"
#include "ui/scales/beschriften_dlg.h"
#include "ui/scales/scale_texts.h"
#include "ui/scales/string_grid.h"

namespace pw {

namespace {

constexpr QRgb kGridBackground = 0xFEFFCE;  // pale yellow
constexpr int kGridColumnWidth = 140;
// Wide enough for every value the grid shows ("Nein", "-0,01", "123,456").
constexpr int kValueColumnWidth = 90;
constexpr int kGridWidth = 265;
constexpr int kGridHeight = 174;
constexpr int kPreviewWidth = 249;
constexpr int kPreviewHeight = 277;

// The name column fits the longest parameter name of every style in the dialog's font, so
// that the dialog keeps its size when the style changes.
int NameColumnWidth(const QFontMetrics& metrics) {
    int widest = 0;
    for (int s = 0; s < kScaleStyleCount; ++s)
        for (const TScaleParam& p : StyleParams(s))
            widest = std::max(widest, metrics.horizontalAdvance(QString::fromStdString(p.DisplayName())));
    return std::max(kGridColumnWidth, widest + 12);
}

QStringList ToQt(const std::vector<std::string>& texts) {
    QStringList out;
    for (const std::string& t : texts) out << QString::fromStdString(t);
    return out;
}

}  // namespace

TScaleManDlg::TScaleManDlg(ScaleAssistant& assistant, UserPrompts& prompts, QWidget* parent)
    : QDialog(parent), assistant_(assistant), prompts_(prompts) {
    setObjectName(QStringLiteral("ScaleManDlg"));
    setWindowTitle(scale_texts::AssistantCaption());
    BuildLayout();

    connect(StyleCombo, qOverload<int>(&QComboBox::currentIndexChanged), this, &TScaleManDlg::StyleChanged);
    connect(ParamGrid, &QTableWidget::currentCellChanged, this,
            [this](int row, int, int previousRow, int) { RowSelected(row, previousRow); });
    connect(ParamGrid, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (filling_ || item->column() != 1) return;
        // Committed once the grid has closed its editor: a warning must not open inside it.
        const int row = item->row();
        const int style = assistant_.Scale().Style();
        QTimer::singleShot(0, this, [this, row, style] {
            if (assistant_.Scale().Style() == style) ValueChanged(row);
        });
    });
    connect(ParamGrid, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
        if (static_cast<size_t>(row) == assistant_.CurrentParam() && assistant_.ToggleCurrent()) FillGrid();
    });
    connect(BeschriftenBtn, &QPushButton::clicked, this, &TScaleManDlg::InscriptionsClicked);
    connect(OKBtn, &QPushButton::clicked, this, &TScaleManDlg::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &TScaleManDlg::reject);
    ParamGrid->installEventFilter(this);
}

TScaleManDlg::~TScaleManDlg() = default;

void TScaleManDlg::BuildLayout() {
    auto* styleGroup = new QGroupBox(scale_texts::StyleGroup(), this);
    auto* styleLayout = new QVBoxLayout(styleGroup);
    StyleCombo = new QComboBox(styleGroup);
    StyleCombo->setObjectName(QStringLiteral("StyleCombo"));
    StyleCombo->addItems(ToQt(ScaleStyleCaptions()));
    StyleCombo->setMaxVisibleItems(kScaleStyleCount);
    styleLayout->addWidget(StyleCombo);

    const int nameWidth = NameColumnWidth(fontMetrics());
    ParamGrid = new StringGrid(nameWidth, kValueColumnWidth, this);
    ParamGrid->setObjectName(QStringLiteral("ParamGrid"));
    ParamGrid->SetHeader(scale_texts::ParameterHeader(), scale_texts::ValueHeader());
    ParamGrid->FitWidth(kGridWidth, kGridHeight);
    QPalette grid = ParamGrid->palette();
    grid.setColor(QPalette::Base, QColor(kGridBackground));
    ParamGrid->setPalette(grid);

    BeschriftenBtn = new QPushButton(scale_texts::InscriptionsButton(), this);
    BeschriftenBtn->setObjectName(QStringLiteral("BeschriftenBtn"));
    BeschriftenBtn->setAutoDefault(false);
    CancelBtn = new QPushButton(scale_texts::CancelButton(), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    CancelBtn->setAutoDefault(false);
    OKBtn = new QPushButton(scale_texts::OkButton(), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BeschriftenBtn);
    buttons->addStretch(1);
    buttons->addWidget(CancelBtn);
    buttons->addWidget(OKBtn);

    auto* left = new QVBoxLayout;
    left->addWidget(styleGroup);
    left->addSpacing(6);
    left->addWidget(ParamGrid);
    left->addStretch(1);
    left->addLayout(buttons);

    Vorschau = new PanelView(assistant_.Preview(), this);
    Vorschau->setObjectName(QStringLiteral("VorschauPanel"));
    Vorschau->setFrameShape(QFrame::Panel);
    Vorschau->setFrameShadow(QFrame::Sunken);
    Vorschau->setFixedSize(kPreviewWidth, kPreviewHeight);

    auto* row = new QHBoxLayout(this);
    row->addLayout(left);
    row->addWidget(Vorschau);
    setLayout(row);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    setTabOrder(StyleCombo, ParamGrid);
}

// --- Showing ---

void TScaleManDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    assistant_.Show();
    {
        QScopedValueRollback<bool> guard(filling_, true);
        StyleCombo->setCurrentIndex(assistant_.Scale().Style());
    }
    BeschriftenBtn->setEnabled(assistant_.InscriptionsEnabled());
    FillGrid();
    SelectFirstRow();
    Vorschau->SyncScrollBars();
    StyleCombo->setFocus();
}

void TScaleManDlg::FillGrid() {
    QScopedValueRollback<bool> guard(filling_, true);
    QStringList names;
    for (const TScaleParam& p : assistant_.Scale().Params()) names << QString::fromStdString(p.DisplayName());
    const QStringList values = ToQt(assistant_.ValueTexts(scale_texts::YesText(), scale_texts::NoText()));
    if (ParamGrid->rowCount() != names.size()) {
        ParamGrid->SetRows(names, values);
    } else {
        for (int r = 0; r < names.size(); ++r) {
            ParamGrid->item(r, 0)->setText(names[r]);
            ParamGrid->SetValue(r, values[r]);
        }
    }
    const std::vector<TScaleParam>& params = assistant_.Scale().Params();
    for (size_t r = 0; r < params.size(); ++r)
        ParamGrid->SetValueEditable(static_cast<int>(r), params[r].IsNumeric());
}

void TScaleManDlg::SelectFirstRow() {
    QScopedValueRollback<bool> guard(filling_, true);
    ParamGrid->setCurrentCell(0, 1);
}

// --- The user's input ---

void TScaleManDlg::StyleChanged(int index) {
    if (filling_) return;
    {
        // A value typed for the old style is dropped with it.
        QScopedValueRollback<bool> guard(filling_, true);
        ParamGrid->CommitOpenEditor();
    }
    assistant_.ChangeStyle(index);
    BeschriftenBtn->setEnabled(assistant_.InscriptionsEnabled());
    FillGrid();
    SelectFirstRow();
}

std::string TScaleManDlg::CellText(size_t row) const {
    return ParamGrid->Value(static_cast<int>(row)).toStdString();
}

void TScaleManDlg::RowSelected(int row, int previousRow) {
    if (filling_ || row < 0 || row == previousRow) return;
    AfterCommit(assistant_.SelectParam(static_cast<size_t>(row), CellText(assistant_.CurrentParam())));
}

void TScaleManDlg::ValueChanged(int row) {
    if (row < 0) return;
    AfterCommit(assistant_.CommitParam(static_cast<size_t>(row), CellText(static_cast<size_t>(row))));
}

void TScaleManDlg::AfterCommit(ParamCommit result) {
    if (result == ParamCommit::Corrected)
        prompts_.Warning(nullptr, scale_texts::CorrectionCaption(), scale_texts::CorrectionText());
    if (result != ParamCommit::Unchanged) FillGrid();
}

bool TScaleManDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ParamGrid && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (GridKey(key->key(), key->text())) return true;
    }
    return QDialog::eventFilter(watched, event);
}

bool TScaleManDlg::GridKey(int key, const QString& text) {
    // Enter commits the row and keeps the dialog open; an open editor's text reaches the
    // scale through its cell.
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (ParamGrid->Editing())
            ParamGrid->CommitOpenEditor();
        else
            AfterCommit(assistant_.CommitCurrent(CellText(assistant_.CurrentParam())));
        return true;
    }
    if (assistant_.CurrentEditable() || text.size() != 1 || !IsYesNoKey(text.at(0).unicode())) return false;
    if (assistant_.KeyOnCurrent(text.at(0).unicode())) FillGrid();
    return true;
}

void TScaleManDlg::InscriptionsClicked() {
    TBeschriften_Dlg dialog(assistant_.Scale().Inscriptions, this);
    if (dialog.exec() == QDialog::Accepted) assistant_.SetInscriptions(dialog.Texts());
}

void TScaleManDlg::accept() {
    ParamGrid->CommitOpenEditor();
    const ParamCommit result = assistant_.CommitCurrent(CellText(assistant_.CurrentParam()));
    AfterCommit(result);
    if (result == ParamCommit::Corrected) return;
    QDialog::accept();
}

}  // namespace pw
