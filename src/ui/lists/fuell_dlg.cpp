#include "ui/lists/fuell_dlg.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QToolButton>

#include "panel/document.h"
#include "ui/dialogs/colour_swatch.h"
#include "ui/dialogs/dialog_frame.h"
#include "ui/lists/assign_buttons.h"
#include "ui/lists/list_lines.h"
#include "ui/lists/list_view.h"
#include "ui/main/user_prompts.h"

namespace pw {

namespace {

// The window's texts.
QString Caption() {
    return TrQ("Füllungen", "Brushes");
}
QString NewBrush() {
    return TrQ("neue Füllung", "new brush");
}
QString StyleName(int style) {
    static const char* const kGerman[] = {
        "komplett Ausmalen",    "ohne Füllung",         "Schraffur waagerecht", "Schraffur senkrecht",
        "Schraffur diagonal 1", "Schraffur diagonal 2", "Schraffur Kreuze",     "Schraffur Rauten"};
    static const char* const kEnglish[] = {"Solid brush",     "No fill",          "Horizontal hatch",
                                           "Vertical hatch",  "Diagonal hatch 1", "Diagonal hatch 2",
                                           "Crossed hatch 1", "Crossed hatch 2"};
    return TrQ(kGerman[style], kEnglish[style]);
}
std::vector<AssignButtonText> AssignTexts() {
    return {{"ZuweisBtn", TrQ("Alles", "All"), TrQ("Alles zuweisen", "Assign all")},
            {"FarbeZuweisBtn", TrQ("Farbe", "Colour"), TrQ("Nur Farbe zuweisen", "Assign colour only")},
            {"StilZuweisBtn", TrQ("Stil", "Style"), TrQ("Nur Stil zuweisen", "Assign style only")}};
}
void SetBarHints(ListView& view) {
    view.SetHints(TrQ("Füllung in Liste aufnehmen", "Add brush to list"),
                  TrQ("Listeneintrag löschen", "Delete brush from list"),
                  TrQ("Listeneintrag tiefer setzen", "Move entry downwards"),
                  TrQ("Listeneintrag höher setzen", "Move entry upwards"));
}
QString DeleteTitle() {
    return TrQ("Füllung löschen", "Delete brush");
}
QString DeleteQuestion() {
    return TrQ("Möchten Sie die Füllung wirklich löschen?", "Delete brush from list?");
}

constexpr int kLineHeight = 16;
constexpr int kPreviewHeight = 44;

}  // namespace

TFuellDlg::TFuellDlg(ListWindowContext context, QWidget* parent)
    : QWidget(parent), context_(std::move(context)), brushes_(context_.File("Fuellung.ini")) {
    setObjectName(QStringLiteral("FuellDlg"));
    setWindowTitle(Caption());
    if (!brushes_.Load() && context_.prompts)
        context_.prompts->Error(this, Caption(), QString::fromStdString(CannotOpenMessage(brushes_.Path())));
    BuildControls();
    ShowCurrent();
    ShowLines();
}

void TFuellDlg::BuildControls() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(3);
    StyleCombo = new QComboBox(this);
    StyleCombo->setObjectName(QStringLiteral("StyleCombo"));
    StyleCombo->setToolTip(TrQ("Stil einstellen", "Select style"));
    for (int s = bsSolid; s <= bsDiagCross; ++s) StyleCombo->addItem(StyleName(s));
    StyleCombo->setStyleSheet(QStringLiteral("QComboBox QAbstractItemView { background: #E6E6E6; }"));
    layout->addWidget(StyleCombo);

    auto* row = new QHBoxLayout;
    ColorPanel = new ColourSwatch(this);
    ColorPanel->setObjectName(QStringLiteral("ColorPanel"));
    ColorPanel->setToolTip(TrQ("Farbe wählen", "Select brush color"));
    ColorPanel->setMinimumSize(36, 22);
    ColorPanel->setFixedWidth(36);
    VorschauPaintbox = new QLabel(this);
    VorschauPaintbox->setObjectName(QStringLiteral("VorschauPaintbox"));
    VorschauPaintbox->setToolTip(TrQ("Vorschau", "Preview"));
    VorschauPaintbox->setFixedHeight(kPreviewHeight);
    VorschauPaintbox->setMinimumWidth(20);
    row->addWidget(ColorPanel, 0, Qt::AlignTop);
    row->addWidget(VorschauPaintbox, 1);
    layout->addLayout(row);

    const auto assign = AddAssignButtons(*this, *layout, AssignTexts(),
                                         [this](int tag) { emit assignRequested(tag, brushes_.Current()); });
    ZuweisBtn = assign[0], FarbeZuweisBtn = assign[1], StilZuweisBtn = assign[2];

    FuellungListe = new ListView(
        kLineHeight,
        [this](int i, QSize size, bool selected) {
            const auto& line = brushes_.Entries().At(i);
            return BrushLineImage(size, line.name, line.value, selected);
        },
        this);
    FuellungListe->setObjectName(QStringLiteral("FuellungListe"));
    SetBarHints(*FuellungListe);
    layout->addWidget(FuellungListe, 1);
    setFocusProxy(FuellungListe);

    connect(ColorPanel, &ColourSwatch::clicked, this, &TFuellDlg::ChooseColour);
    connect(StyleCombo, &QComboBox::activated, this, [this](int index) {
        brushes_.SetStyle(static_cast<TBrushStyle>(index));
        Changed();
    });
    connect(FuellungListe, &ListView::lineClicked, this, [this](int index) {
        brushes_.SelectLine(index);
        Changed();
    });
    connect(FuellungListe, &ListView::renamed, this, [this](int index, const QString& name) {
        if (brushes_.Rename(index, name.toStdString()))
            ReportWriteFailure(this, context_, brushes_.WriteFailed(), brushes_.Path());
        ShowLines();
    });
    connect(FuellungListe, &ListView::editorOpened, this, &TFuellDlg::UpdateButtons);
    connect(FuellungListe, &ListView::addClicked, this, &TFuellDlg::AddBrush);
    connect(FuellungListe, &ListView::deleteClicked, this, &TFuellDlg::DeleteBrush);
    for (int step : {1, -1}) {
        connect(FuellungListe, step > 0 ? &ListView::downClicked : &ListView::upClicked, this, [this, step] {
            if (brushes_.MoveSelected(step))
                ReportWriteFailure(this, context_, brushes_.WriteFailed(), brushes_.Path());
            ShowLines();
        });
    }
}

// The controls and the preview show the current brush.
void TFuellDlg::ShowCurrent() {
    const BrushValues& brush = brushes_.Current();
    ColorPanel->SetColour(brush.color);
    StyleCombo->setCurrentIndex(brush.style);
    const QSize size(std::max(1, VorschauPaintbox->width()), kPreviewHeight);
    VorschauPaintbox->setPixmap(QPixmap::fromImage(BrushPreviewImage(size, brush)));
}

void TFuellDlg::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ShowCurrent();
}

void TFuellDlg::ShowLines() {
    std::vector<std::string> names;
    for (const auto& line : brushes_.Entries().Entries()) names.push_back(line.name);
    FuellungListe->SetLines(names, brushes_.Entries().Selected());
    UpdateButtons();
}

void TFuellDlg::UpdateButtons() {
    const bool editing = FuellungListe->EditorOpen();
    FuellungListe->SetButtons(brushes_.Entries().Buttons(editing));
    ColorPanel->setEnabled(!editing);
}

void TFuellDlg::Changed() {
    ShowCurrent();
    ShowLines();
    emit brushChanged(brushes_.Current());
}

void TFuellDlg::ShowElement(const BrushValues& brush) {
    brushes_.ShowElement(brush);
    Changed();
}

void TFuellDlg::ChooseColour() {
    brushes_.Deselect();
    ShowLines();
    if (!context_.chooseColour) return;
    if (std::optional<Color> chosen = context_.chooseColour(this, brushes_.Current().color))
        brushes_.SetColour(*chosen);
    Changed();
}

void TFuellDlg::AddBrush() {
    brushes_.Add(NewBrush().toStdString());
    ReportWriteFailure(this, context_, brushes_.WriteFailed(), brushes_.Path());
    ShowLines();
    FuellungListe->OpenEditor(0);
}

void TFuellDlg::DeleteBrush() {
    if (!brushes_.Entries().HasSelection()) return;
    if (!context_.prompts || !context_.prompts->AskYesNo(this, DeleteTitle(), DeleteQuestion())) return;
    brushes_.DeleteSelected();
    ReportWriteFailure(this, context_, brushes_.WriteFailed(), brushes_.Path());
    Changed();
}

}  // namespace pw
