#include "ui/lists/fontbox.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QStyledItemDelegate>
#include <QToolButton>

#include "core/list_file.h"
#include "panel/document.h"
#include "text/font_engine.h"
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
    return TrQ("Schriften", "Fonts");
}
std::vector<AssignButtonText> AssignTexts() {
    return {{"ZuweisBtn", TrQ("Alles", "All"), TrQ("Alles zuweisen", "Assign all")},
            {"SpeedButton1", TrQ("Name", "Name"), TrQ("Nur Schriftart zuweisen", "Assign name only")},
            {"HoeheZuweisBtn", TrQ("Höhe", "Height"), TrQ("Nur Höhe zuweisen", "Assign height only")},
            {"SpeedButton3", TrQ("Farbe", "Colour"), TrQ("Nur Farbe zuweisen", "Assign colour only")},
            {"SpeedButton2", TrQ("Stil", "Style"), TrQ("Nur Stil zuweisen", "Assign style only")}};
}
void SetBarHints(ListView& view) {
    view.SetHints(TrQ("Schrift in Liste aufnehmen", "Add font to list"),
                  TrQ("Schrift aus Liste löschen", "Delete font from list"),
                  TrQ("Listeneintrag tiefer setzen", "Move entry downwards"),
                  TrQ("Listeneintrag höher setzen", "Move entry upwards"));
}
QString HeightTitle() {
    return TrQ("Fonthöhe", "Font height");
}
QString HeightInvalid() {
    return TrQ("Die Eingabe der Fonthöhe ist ungültig!", "Invalid font height!");
}
QString HeightCorrected() {
    return TrQ("Die Fonthoehe muß zwischen 0 und 5 cm betragen!\nDie Eingabe wurde korrigiert.",
               "Font height must not exceed 0..5 cm !\nValue was corrected.");
}
QString DeleteTitle() {
    return TrQ("Font löschen", "Delete font");
}
QString DeleteQuestion() {
    return TrQ("Möchten Sie den Font wirklich löschen?", "Delete font from list?");
}

constexpr int kLineHeight = 22;
constexpr int kComboLineHeight = 20;
constexpr int kSampleHeight = 52;

// Each family of the font box with its sample.
class FamilyDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        painter->drawImage(option.rect.topLeft(),
                           FontSampleImage(option.rect.size(), index.data().toString().toStdString(),
                                           option.state & QStyle::State_Selected));
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
        return {option.rect.width(), kComboLineHeight};
    }
};

QToolButton* StyleButton(QWidget* parent, const char* name, const QString& face, const QString& hint) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(face);
    b->setToolTip(hint);
    b->setCheckable(true);
    return b;
}

}  // namespace

TFontbox::TFontbox(ListWindowContext context, QWidget* parent)
    : QWidget(parent), context_(std::move(context)), fonts_(context_.File("Fonts.ini")) {
    setObjectName(QStringLiteral("Fontbox"));
    setWindowTitle(Caption());
    if (!fonts_.Load() && context_.prompts)
        context_.prompts->Error(this, Caption(), QString::fromStdString(CannotOpenMessage(fonts_.Path())));
    BuildControls();
    ConnectList();
    ShowLines();
    Refresh();
}

void TFontbox::BuildControls() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(3);
    FontCombo = new QComboBox(this);
    FontCombo->setObjectName(QStringLiteral("FontCombo"));
    FontCombo->setToolTip(TrQ("Schriftart wählen", "Select font name"));
    FontCombo->setMaxVisibleItems(20);
    FontCombo->setItemDelegate(new FamilyDelegate(FontCombo));
    for (const std::string& family : FontList::ChoosableFamilies(FontEngine::Instance().FamilyNames()))
        FontCombo->addItem(QString::fromStdString(family));
    layout->addWidget(FontCombo);
    BuildFontRow(*layout);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFixedHeight(kSampleHeight);
    Label1->setMinimumWidth(20);
    layout->addWidget(Label1);

    const auto assign = AddAssignButtons(*this, *layout, AssignTexts(),
                                         [this](int tag) { emit assignRequested(tag, fonts_.Current()); });
    ZuweisBtn = assign[0], SpeedButton1 = assign[1], HoeheZuweisBtn = assign[2];
    SpeedButton3 = assign[3], SpeedButton2 = assign[4];

    FontListbox = new ListView(
        kLineHeight,
        [this](int i, QSize size, bool selected) {
            const auto& line = fonts_.Entries().At(i);
            return FontLineImage(size, line.name, line.value, selected);
        },
        this);
    FontListbox->setObjectName(QStringLiteral("FontListbox"));
    SetBarHints(*FontListbox);
    layout->addWidget(FontListbox, 1);
    setFocusProxy(FontListbox);

    connect(FontCombo, &QComboBox::activated, this, [this](int index) {
        fonts_.SetName(FontCombo->itemText(index).toStdString());
        ShowLines();
        Refresh();
    });
}

// Colour, height in mm, italic and bold.
void TFontbox::BuildFontRow(QVBoxLayout& layout) {
    auto* row = new QHBoxLayout;
    row->setSpacing(2);
    ColorPanel = new ColourSwatch(this);
    ColorPanel->setObjectName(QStringLiteral("ColorPanel"));
    ColorPanel->setToolTip(TrQ("aktuelle Farbe wählen", "Select font color"));
    ColorPanel->setMinimumSize(24, 22);
    HoeheEdit = new NumberField(1, 0, 50, 1, 0, this);
    HoeheEdit->setObjectName(QStringLiteral("HoeheEdit"));
    HoeheEdit->setToolTip(TrQ("Texthöhe in mm", "Font height in mm"));
    HoeheEdit->setMinimumWidth(40);
    HoeheEdit->installEventFilter(this);
    ItalicBtn = StyleButton(this, "ItalicBtn", TrQ("kursiv", "italic"),
                            TrQ("Schriftstil KURSIV", "Font style ITALIC"));
    BoldBtn = StyleButton(this, "BoldBtn", TrQ("fett", "bold"), TrQ("Schriftstil FETT", "Font style BOLD"));
    row->addWidget(ColorPanel);
    row->addWidget(HoeheEdit, 1);
    row->addWidget(ItalicBtn);
    row->addWidget(BoldBtn);
    layout.addLayout(row);

    connect(ColorPanel, &ColourSwatch::clicked, this, &TFontbox::ChooseColour);
    connect(HoeheEdit, &NumberField::textChanged, this, [this](const QString& text) {
        fonts_.SetHeightText(text.toStdString());
        Refresh(false);
    });
    connect(ItalicBtn, &QToolButton::clicked, this, [this](bool on) {
        fonts_.SetItalic(on);
        ShowLines();
        Refresh();
    });
    connect(BoldBtn, &QToolButton::clicked, this, [this](bool on) {
        fonts_.SetBold(on);
        ShowLines();
        Refresh();
    });
}

void TFontbox::ConnectList() {
    connect(FontListbox, &ListView::lineClicked, this, [this](int index) {
        fonts_.SelectLine(index);
        ShowLines();
        Refresh();
    });
    connect(FontListbox, &ListView::renamed, this, [this](int index, const QString& name) {
        if (fonts_.Rename(index, name.toStdString()))
            ReportWriteFailure(this, context_, fonts_.WriteFailed(), fonts_.Path());
        ShowLines();
    });
    connect(FontListbox, &ListView::editorOpened, this, &TFontbox::UpdateButtons);
    connect(FontListbox, &ListView::addClicked, this, &TFontbox::AddFont);
    connect(FontListbox, &ListView::deleteClicked, this, &TFontbox::DeleteFont);
    for (int step : {1, -1}) {
        connect(FontListbox, step > 0 ? &ListView::downClicked : &ListView::upClicked, this, [this, step] {
            if (fonts_.MoveSelected(step))
                ReportWriteFailure(this, context_, fonts_.WriteFailed(), fonts_.Path());
            ShowLines();
        });
    }
}

void TFontbox::Refresh(bool showHeight) {
    const FontValues& font = fonts_.Current();
    ShowSample();
    if (showHeight) {
        const QSignalBlocker block(HoeheEdit);
        HoeheEdit->SetText(QString::fromStdString(MillimetreText(font.font.height)));
    }
    ShowName(font.font.name);
    ItalicBtn->setChecked(font.font.style & fsItalic);
    BoldBtn->setChecked(font.font.style & fsBold);
    ColorPanel->SetColour(font.color);
    emit fontChanged(font);
}

void TFontbox::ShowSample() {
    const QSize size(std::max(1, Label1->width()), kSampleHeight);
    const QColor window = palette().color(QPalette::Window);
    const Color background = RGBColor(window.red(), window.green(), window.blue());
    Label1->setPixmap(QPixmap::fromImage(FontLabelImage(size, fonts_.Current(), background)));
}

void TFontbox::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ShowSample();
}

// A family fontconfig does not list (a stand-in name such as "Arial") is shown all the same.
void TFontbox::ShowName(const std::string& name) {
    const QString family = QString::fromStdString(name);
    int index = FontCombo->findText(family, Qt::MatchFixedString);
    if (index < 0) {
        FontCombo->insertItem(0, family);
        index = 0;
    }
    FontCombo->setCurrentIndex(index);
}

void TFontbox::ShowLines() {
    std::vector<std::string> names;
    for (const auto& line : fonts_.Entries().Entries()) names.push_back(line.name);
    FontListbox->SetLines(names, fonts_.Entries().Selected());
    UpdateButtons();
}

void TFontbox::UpdateButtons() {
    FontListbox->SetButtons(fonts_.Entries().Buttons(FontListbox->EditorOpen()));
}

void TFontbox::ShowText(const FontValues& font) {
    fonts_.ShowText(font);
    ShowLines();
    Refresh();
}

bool TFontbox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == HoeheEdit && event->type() == QEvent::FocusIn && fonts_.Entries().HasSelection()) {
        fonts_.Deselect();
        ShowLines();
    }
    return QWidget::eventFilter(watched, event);
}

void TFontbox::ChooseColour() {
    if (!context_.chooseColour) return;
    if (std::optional<Color> chosen = context_.chooseColour(this, fonts_.Current().color)) {
        fonts_.SetColour(*chosen);
        ShowLines();
        Refresh();
    }
}

void TFontbox::AddFont() {
    const FontList::AddResult added =
        fonts_.Add(HoeheEdit->Text().toStdString(), FontCombo->currentText().toStdString());
    if (added.outcome == FontList::AddOutcome::Invalid) {
        if (context_.prompts) context_.prompts->Warning(this, HeightTitle(), HeightInvalid());
        return;
    }
    if (added.outcome == FontList::AddOutcome::Corrected && context_.prompts)
        context_.prompts->Warning(this, HeightTitle(), HeightCorrected());
    ReportWriteFailure(this, context_, fonts_.WriteFailed(), fonts_.Path());
    ShowLines();
    Refresh();
    FontListbox->OpenEditor(0);
}

void TFontbox::DeleteFont() {
    if (!fonts_.Entries().HasSelection()) return;
    if (!context_.prompts || !context_.prompts->AskYesNo(this, DeleteTitle(), DeleteQuestion())) return;
    fonts_.DeleteSelected();
    ReportWriteFailure(this, context_, fonts_.WriteFailed(), fonts_.Path());
    ShowLines();
    Refresh();
}

}  // namespace pw
