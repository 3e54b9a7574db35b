#include "ui/lists/stiftbox.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QToolButton>

#include "core/list_file.h"
#include "panel/document.h"
#include "ui/dialogs/colour_swatch.h"
#include "ui/dialogs/dialog_frame.h"
#include "ui/dialogs/number_field.h"
#include "ui/lists/assign_buttons.h"
#include "ui/lists/list_lines.h"
#include "ui/lists/list_view.h"
#include "ui/main/user_prompts.h"

namespace pw {

namespace {

// The window's texts.
QString Caption() {
    return TrQ("Stifte", "Pens");
}
QString NewPen() {
    return TrQ("neuer Stift", "new pen");
}
QString StyleName(int pattern) {
    static const char* const kGerman[] = {"durchgezogen", "punktiert", "gestrichelt", "Punkt-Strich",
                                          "unsichtbar"};
    static const char* const kEnglish[] = {"Solid pen", "Dot pen", "Dash pen", "Dash dot pen",
                                           "Invisible pen"};
    return TrQ(kGerman[pattern], kEnglish[pattern]);
}
std::vector<AssignButtonText> AssignTexts() {
    return {{"ZuweisBtn", TrQ("Alles", "All"), TrQ("Alles zuweisen", "Assign all")},
            {"FarbeZuweisBtn", TrQ("Farbe", "Colour"), TrQ("Nur Farbe zuweisen", "Assign colour only")},
            {"BreiteZuweisBtn", TrQ("Breite", "Width"), TrQ("Nur Breite zuweisen", "Assign width only")},
            {"StilZuweisBtn", TrQ("Stil", "Style"), TrQ("Nur Stil zuweisen", "Assign style only")}};
}
void SetBarHints(ListView& view) {
    view.SetHints(TrQ("Stift ins Etui aufnehmen", "Add pen to list"),
                  TrQ("Stift aus Etui entfernen", "Delete pen from list"),
                  TrQ("Listeneintrag tiefer setzen", "Move entry downwards"),
                  TrQ("Listeneintrag höher setzen", "Move entry upwards"));
}
QString WidthTitle() {
    return TrQ("Stiftbreite", "Pen width");
}
QString WidthInvalid() {
    return TrQ("Die Eingabe der Stiftbreite ist ungültig!", "Invalid pen width!");
}
QString WidthCorrected() {
    return TrQ("Die Stiftbreite muß zwischen 0 und 5mm betragen!\nDie Eingabe wurde korrigiert.",
               "Pen width must not exceed 0..5 mm!\nValue has been corrected.");
}
QString DeleteTitle() {
    return TrQ("Stift löschen", "Delete pen");
}
QString DeleteQuestion() {
    return TrQ("Möchten Sie den Stift wirklich löschen?", "Delete pen from list?");
}

constexpr int kLineHeight = 16;

// The style box draws each pattern as the list does, in black on white.
class PatternDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const PenValues sample{0, kBlack, static_cast<TPattern>(index.row())};
        painter->drawImage(option.rect.topLeft(),
                           PenLineImage(option.rect.size(), index.data().toString().toStdString(), sample,
                                        option.state & QStyle::State_Selected, kWhite));
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
        return {option.rect.width(), kLineHeight};
    }
};

}  // namespace

TStiftbox::TStiftbox(ListWindowContext context, QWidget* parent)
    : QWidget(parent), context_(std::move(context)), pens_(context_.File("Stifte.ini")) {
    setObjectName(QStringLiteral("Stiftbox"));
    setWindowTitle(Caption());
    if (!pens_.Load() && context_.prompts)
        context_.prompts->Error(this, Caption(), QString::fromStdString(CannotOpenMessage(pens_.Path())));
    BuildControls();
    ShowCurrent();
    ShowLines();
}

void TStiftbox::BuildControls() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(3);
    auto* row = new QHBoxLayout;
    ColorPanel = new ColourSwatch(this);
    ColorPanel->setObjectName(QStringLiteral("ColorPanel"));
    ColorPanel->setToolTip(TrQ("aktuelle Farbe wählen", "Select pen color"));
    ColorPanel->setMinimumSize(36, 22);
    BreiteEdit = new NumberField(0.1, 0.0, 10.0, 1, 0, this);
    BreiteEdit->setObjectName(QStringLiteral("BreiteEdit"));
    BreiteEdit->setToolTip(TrQ("Stiftbreite in mm", "pen width"));
    BreiteEdit->installEventFilter(this);
    row->addWidget(ColorPanel);
    row->addWidget(BreiteEdit, 1);
    row->addWidget(new QLabel(QStringLiteral("mm"), this));
    layout->addLayout(row);

    StyleCombo = new QComboBox(this);
    StyleCombo->setObjectName(QStringLiteral("StyleCombo"));
    StyleCombo->setToolTip(TrQ("Stil einstellen", "Select pen style"));
    for (int p = ptDurchgezogen; p <= ptClear; ++p) StyleCombo->addItem(StyleName(p));
    StyleCombo->setItemDelegate(new PatternDelegate(StyleCombo));
    layout->addWidget(StyleCombo);

    const auto assign = AddAssignButtons(*this, *layout, AssignTexts(),
                                         [this](int tag) { emit assignRequested(tag, pens_.Current()); });
    ZuweisBtn = assign[0], FarbeZuweisBtn = assign[1], BreiteZuweisBtn = assign[2], StilZuweisBtn = assign[3];

    Stiftliste = new ListView(
        kLineHeight,
        [this](int i, QSize size, bool selected) {
            const auto& line = pens_.Entries().At(i);
            return PenLineImage(size, line.name, line.value, selected);
        },
        this);
    Stiftliste->setObjectName(QStringLiteral("Stiftliste"));
    SetBarHints(*Stiftliste);
    layout->addWidget(Stiftliste, 1);
    setFocusProxy(Stiftliste);

    connect(ColorPanel, &ColourSwatch::clicked, this, &TStiftbox::ChooseColour);
    connect(BreiteEdit, &NumberField::textChanged, this, [this](const QString& text) {
        pens_.SetWidthText(text.toStdString());
        emit penChanged(pens_.Current());
    });
    connect(StyleCombo, &QComboBox::activated, this, [this](int index) {
        pens_.SetPattern(static_cast<TPattern>(index));
        Changed();
    });
    connect(Stiftliste, &ListView::lineClicked, this, &TStiftbox::LineClicked);
    connect(Stiftliste, &ListView::renamed, this, &TStiftbox::RenamePen);
    connect(Stiftliste, &ListView::editorOpened, this, &TStiftbox::UpdateButtons);
    connect(Stiftliste, &ListView::addClicked, this, &TStiftbox::AddPen);
    connect(Stiftliste, &ListView::deleteClicked, this, &TStiftbox::DeletePen);
    connect(Stiftliste, &ListView::downClicked, this, [this] { MovePen(1); });
    connect(Stiftliste, &ListView::upClicked, this, [this] { MovePen(-1); });
}

// The controls show the current pen without reporting changes of their own.
void TStiftbox::ShowCurrent() {
    const PenValues& pen = pens_.Current();
    const QSignalBlocker blockWidth(BreiteEdit);
    BreiteEdit->SetText(QString::fromStdString(MillimetreText(pen.width)));
    ColorPanel->SetColour(pen.color);
    StyleCombo->setCurrentIndex(pen.pattern);
}

void TStiftbox::ShowLines() {
    std::vector<std::string> names;
    for (const auto& line : pens_.Entries().Entries()) names.push_back(line.name);
    Stiftliste->SetLines(names, pens_.Entries().Selected());
    UpdateButtons();
}

void TStiftbox::UpdateButtons() {
    const bool editing = Stiftliste->EditorOpen();
    Stiftliste->SetButtons(pens_.Entries().Buttons(editing));
    ColorPanel->setEnabled(!editing);
}

// After a control changed the current pen: the list shows the lost selection.
void TStiftbox::Changed() {
    ShowLines();
    emit penChanged(pens_.Current());
}

void TStiftbox::LineClicked(int index) {
    pens_.SelectLine(index);
    ShowCurrent();
    ShowLines();
    emit penChanged(pens_.Current());
}

void TStiftbox::ShowElement(const PenValues& pen) {
    pens_.ShowElement(pen);
    ShowCurrent();
    ShowLines();
    emit penChanged(pens_.Current());
}

bool TStiftbox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == BreiteEdit && event->type() == QEvent::FocusIn && pens_.Entries().HasSelection()) {
        pens_.Deselect();
        ShowLines();
    }
    return QWidget::eventFilter(watched, event);
}

void TStiftbox::ChooseColour() {
    pens_.Deselect();
    ShowLines();
    if (!context_.chooseColour) return;
    if (std::optional<Color> chosen = context_.chooseColour(this, pens_.Current().color)) {
        pens_.SetColour(*chosen);
        ColorPanel->SetColour(*chosen);
    }
    Changed();
}

void TStiftbox::AddPen() {
    const PenList::AddResult added = pens_.Add(BreiteEdit->Text().toStdString(), NewPen().toStdString());
    if (added.outcome == PenList::AddOutcome::Invalid) {
        if (context_.prompts) context_.prompts->Warning(this, WidthTitle(), WidthInvalid());
        BreiteEdit->setFocus();
        return;
    }
    if (added.outcome == PenList::AddOutcome::Corrected && context_.prompts)
        context_.prompts->Warning(this, WidthTitle(), WidthCorrected());
    ReportWriteFailure(this, context_, pens_.WriteFailed(), pens_.Path());
    ShowCurrent();
    ShowLines();
    emit penChanged(pens_.Current());
    Stiftliste->OpenEditor(0);
}

void TStiftbox::DeletePen() {
    if (!pens_.Entries().HasSelection()) return;
    if (!context_.prompts || !context_.prompts->AskYesNo(this, DeleteTitle(), DeleteQuestion())) return;
    pens_.DeleteSelected();
    ReportWriteFailure(this, context_, pens_.WriteFailed(), pens_.Path());
    ShowCurrent();
    ShowLines();
    emit penChanged(pens_.Current());
}

void TStiftbox::MovePen(int step) {
    if (pens_.MoveSelected(step)) ReportWriteFailure(this, context_, pens_.WriteFailed(), pens_.Path());
    ShowLines();
}

void TStiftbox::RenamePen(int index, const QString& name) {
    if (pens_.Rename(index, name.toStdString()))
        ReportWriteFailure(this, context_, pens_.WriteFailed(), pens_.Path());
    ShowLines();
}

}  // namespace pw
