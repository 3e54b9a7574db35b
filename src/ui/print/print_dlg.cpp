#include "ui/print/print_dlg.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

#include "core/language.h"
#include "ui/dialogs/number_field.h"
#include "ui/print/kachel_dlg.h"
#include "ui/print/korrektur_dlg.h"
#include "ui/print/print_destination.h"
#include "ui/print/print_preview.h"
#include "ui/print/print_session.h"

namespace pw {

namespace {

// The dialog's texts, German and English.
struct Text {
    const char* german;
    const char* english;
    QString Q() const { return QString::fromUtf8(Tr(german, english)); }
};
const Text kView{"Ansicht", "&View"};
const Text kNormal{"&Normal", "&Normal"};
const Text kMirror{"&Spiegeln", "&Mirror"};
const Text kOptions{"Optionen", "Options"};
const Text kBackground{"&Hintergund", "&Background"};
const Text kFrame{"&Rahmen", "&Frame"};
const Text kRulers{"&Lineale", "R&uler"};
const Text kData{"Da&ten", "&Information"};
const Text kMeasures{"&Bemaßungen", "M&easures"};
const Text kDrillings{"Bohren && Fräsen", "D&rillings && millings"};
const Text kObjects{"&Objekte && Symbole", "&Objects && symbols"};
const Text kCentre{"&mittig ausrichten", "&Center"};
const Text kScale{"Skalierung", "Scale"};
const Text kOneToOne{"Originalgröße 1:1", "Ori&ginal 1:1"};
const Text kMagnify{"&Vergrößern:", "Mag&nification"};
const Text kSheets{"Große Platten", "Large panels"};
const Text kSplit{"Auf mehrere Blätter verteilen", "Split over sheets"};
const Text kOverlap{"Überlappung (mm):", "Overlap (mm):"};
const Text kSheetCount{"%1 Blätter (%2 x %3)", "%1 sheets (%2 x %3)"};
const Text kDoesNotFit{
    "Die Platte passt nicht auf das Blatt und würde abgeschnitten. \"Auf mehrere Blätter "
    "verteilen\" druckt sie über mehrere Blätter.",
    "The panel does not fit on the sheet and would be cut off. \"Split over sheets\" prints "
    "it over several sheets."};
const Text kSetup{"Drucker &einrichten...", "&Setup..."};
const Text kCalibrate{"&Kalibrieren...", "C&alibration..."};
const Text kTiles{"&Kacheln...", "Ti&le..."};
const Text kTestPage{"Testseite", "Test page"};
const Text kDefaults{"Standardwerte", "S&tandard"};
const Text kPrint{"&Drucken", "&Print"};
const Text kCancel{"&Abbruch", "&Cancel"};

QCheckBox* Check(QWidget* parent, QLayout* layout, const char* name, const Text& text) {
    auto* c = new QCheckBox(text.Q(), parent);
    c->setObjectName(QString::fromLatin1(name));
    layout->addWidget(c);
    return c;
}

QPushButton* Button(QWidget* parent, QLayout* layout, const char* name, const Text& text) {
    auto* b = new QPushButton(text.Q(), parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    layout->addWidget(b);
    return b;
}

QRadioButton* Radio(QWidget* parent, QLayout* layout, const char* name, const Text& text) {
    auto* r = new QRadioButton(text.Q(), parent);
    r->setObjectName(QString::fromLatin1(name));
    layout->addWidget(r);
    return r;
}

}  // namespace

TPrint_Dlg::TPrint_Dlg(PrintSession& session, QWidget* parent) : QDialog(parent), session_(session) {
    setObjectName(QStringLiteral("Print_Dlg"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    auto* layout = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    left->addWidget(MakeOptions());
    left->addStretch(1);
    left->addWidget(MakeButtons());
    layout->addLayout(left);
    PaintBox1 = new PrintPreview(session, this);
    layout->addWidget(PaintBox1, 1);
    connect(PaintBox1, &PrintPreview::OffsetsChanged, this, &TPrint_Dlg::Refresh);
    Load();
    // Maximised; the whole screen also where no window manager maximises it.
    if (QScreen* screen = parent ? parent->screen() : this->screen())
        setGeometry(screen->availableGeometry());
    setWindowState(Qt::WindowMaximized);
}

QWidget* TPrint_Dlg::MakeOptions() {
    auto* box = new QWidget(this);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);

    auto* view = new QGroupBox(kView.Q(), box);
    auto* viewRows = new QVBoxLayout(view);
    Bauteilseite = Radio(view, viewRows, "Bauteilseite", kNormal);
    Spiegeln = Radio(view, viewRows, "Spiegeln", kMirror);
    column->addWidget(view);

    auto* options = new QGroupBox(kOptions.Q(), box);
    auto* rows = new QVBoxLayout(options);
    WillsteHintergrund = Check(options, rows, "WillsteHintergrund", kBackground);
    WillsteRahmen = Check(options, rows, "WillsteRahmen", kFrame);
    WillsteLineale = Check(options, rows, "WillsteLineale", kRulers);
    WillsteInfos = Check(options, rows, "WillsteInfos", kData);
    WillsteBemassung = Check(options, rows, "WillsteBemassung", kMeasures);
    WillsteBohren = Check(options, rows, "WillsteBohren", kDrillings);
    WillsteSymbole = Check(options, rows, "WillsteSymbole", kObjects);
    WillsteMittig = Check(options, rows, "WillsteMittig", kCentre);
    column->addWidget(options);

    auto* scale = new QGroupBox(kScale.Q(), box);
    auto* scaleRows = new QVBoxLayout(scale);
    S_1zu1 = Radio(scale, scaleRows, "S_1zu1", kOneToOne);
    S_Frei = Radio(scale, scaleRows, "S_Frei", kMagnify);
    auto* bar = new QHBoxLayout;
    S_Wert = new QScrollBar(Qt::Horizontal, scale);
    S_Wert->setObjectName(QStringLiteral("S_Wert"));
    S_Wert->setRange(1, PrintSettings::kMaxMagnification);
    S_Wert->setFocusPolicy(Qt::WheelFocus);
    L_Scale = new QLabel(scale);
    L_Scale->setObjectName(QStringLiteral("L_Scale"));
    L_Scale->setMinimumWidth(40);
    bar->addWidget(S_Wert, 1);
    bar->addWidget(L_Scale);
    scaleRows->addLayout(bar);
    column->addWidget(scale);

    auto* sheets = new QGroupBox(kSheets.Q(), box);
    auto* sheetRows = new QVBoxLayout(sheets);
    Aufteilen = Check(sheets, sheetRows, "Aufteilen", kSplit);
    auto* overlap = new QHBoxLayout;
    overlap->addWidget(new QLabel(kOverlap.Q(), sheets));
    Ueberlappung = new NumberField(1, 0, 50, 1, 6, sheets);
    Ueberlappung->setObjectName(QStringLiteral("Ueberlappung"));
    overlap->addWidget(Ueberlappung);
    sheetRows->addLayout(overlap);
    BlattInfo = new QLabel(sheets);
    BlattInfo->setObjectName(QStringLiteral("BlattInfo"));
    BlattInfo->setWordWrap(true);
    BlattInfo->setMaximumWidth(260);
    sheetRows->addWidget(BlattInfo);
    column->addWidget(sheets);

    for (QRadioButton* r : {Bauteilseite, Spiegeln, S_1zu1, S_Frei})
        connect(r, &QRadioButton::toggled, this, &TPrint_Dlg::Store);
    for (QCheckBox* c : {WillsteHintergrund, WillsteRahmen, WillsteLineale, WillsteInfos, WillsteBemassung,
                         WillsteBohren, WillsteSymbole, WillsteMittig, Aufteilen})
        connect(c, &QCheckBox::toggled, this, &TPrint_Dlg::Store);
    connect(S_Wert, &QScrollBar::valueChanged, this, &TPrint_Dlg::Store);
    connect(Ueberlappung->findChild<QLineEdit*>(), &QLineEdit::textChanged, this, &TPrint_Dlg::Store);
    return box;
}

QWidget* TPrint_Dlg::MakeButtons() {
    auto* box = new QWidget(this);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    SetupBtn = Button(box, column, "SetupBtn", kSetup);
    KalibrierenBtn = Button(box, column, "KalibrierenBtn", kCalibrate);
    KachelBtn = Button(box, column, "KachelBtn", kTiles);
    TestseiteBtn = Button(box, column, "TestseiteBtn", kTestPage);
    StandardBtn = Button(box, column, "StandardBtn", kDefaults);
    auto* row = new QHBoxLayout;
    DruckenBtn = new QPushButton(kPrint.Q(), box);
    DruckenBtn->setObjectName(QStringLiteral("DruckenBtn"));
    DruckenBtn->setDefault(true);
    AbbruchBtn = new QPushButton(kCancel.Q(), box);
    AbbruchBtn->setObjectName(QStringLiteral("AbbruchBtn"));
    row->addWidget(DruckenBtn);
    row->addWidget(AbbruchBtn);
    column->addLayout(row);
    connect(SetupBtn, &QPushButton::clicked, this, &TPrint_Dlg::Setup);
    connect(KalibrierenBtn, &QPushButton::clicked, this, &TPrint_Dlg::Calibrate);
    connect(KachelBtn, &QPushButton::clicked, this, &TPrint_Dlg::Tiles);
    connect(TestseiteBtn, &QPushButton::clicked, this, [this] { session_.PrintTestPage(this); });
    connect(StandardBtn, &QPushButton::clicked, this, &TPrint_Dlg::Defaults);
    connect(DruckenBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(AbbruchBtn, &QPushButton::clicked, this, &QDialog::reject);
    return box;
}

void TPrint_Dlg::Load() {
    loading_ = true;
    const PrintSettings& s = session_.Settings();
    Bauteilseite->setChecked(!s.mirrored);
    Spiegeln->setChecked(s.mirrored);
    WillsteHintergrund->setChecked(s.WillsteHintergrund);
    WillsteRahmen->setChecked(s.WillsteRahmen);
    WillsteLineale->setChecked(s.WillsteLineale);
    WillsteInfos->setChecked(s.WillsteInfos);
    WillsteBemassung->setChecked(s.WillsteBemassung);
    WillsteBohren->setChecked(s.WillsteBohren);
    WillsteSymbole->setChecked(s.WillsteSymbole);
    WillsteMittig->setChecked(s.WillsteMittig);
    S_1zu1->setChecked(s.oneToOne);
    S_Frei->setChecked(!s.oneToOne);
    S_Wert->setValue(s.magnification);
    Aufteilen->setChecked(s.split);
    Ueberlappung->SetText(
        QString::fromStdString(FormatGeneral(s.overlap / kUnitsPerMm, 8, DecimalSeparator())));
    loading_ = false;
    Refresh();
}

void TPrint_Dlg::Store() {
    if (loading_) return;
    PrintSettings& s = session_.Settings();
    s.mirrored = Spiegeln->isChecked();
    s.WillsteHintergrund = WillsteHintergrund->isChecked();
    s.WillsteRahmen = WillsteRahmen->isChecked();
    s.WillsteLineale = WillsteLineale->isChecked();
    s.WillsteInfos = WillsteInfos->isChecked();
    s.WillsteBemassung = WillsteBemassung->isChecked();
    s.WillsteBohren = WillsteBohren->isChecked();
    s.WillsteSymbole = WillsteSymbole->isChecked();
    s.WillsteMittig = WillsteMittig->isChecked();
    s.oneToOne = S_1zu1->isChecked();
    s.magnification = S_Wert->value();
    s.split = Aufteilen->isChecked();
    s.overlap = std::clamp<Real>(Ueberlappung->Value() * kUnitsPerMm, 0, PrintSettings::kMaxOverlap);
    Refresh();
}

void TPrint_Dlg::Refresh() {
    const PrintSettings& s = session_.Settings();
    setWindowTitle(session_.Caption());
    S_Wert->setEnabled(!s.oneToOne);
    L_Scale->setText(QString::number(s.magnification) + "%");
    KachelBtn->setEnabled(!s.split);
    Ueberlappung->setEnabled(s.split);
    const PrintPlan plan = session_.Plan();
    if (s.split)
        BlattInfo->setText(
            kSheetCount.Q().arg(plan.SheetCount()).arg(plan.split.columns).arg(plan.split.rows));
    else
        BlattInfo->setText(plan.fits ? QString() : kDoesNotFit.Q());
    BlattInfo->setStyleSheet(plan.fits || s.split ? QString() : QStringLiteral("color: #b00000"));
    PaintBox1->Refresh();
}

void TPrint_Dlg::Setup() {
    if (!session_.Destination().Setup(this)) return;
    session_.DestinationChanged();
    Refresh();
}

void TPrint_Dlg::Calibrate() {
    TKorrekturDlg dialog(this);
    dialog.SetValues(session_.GetCalibration());
    if (dialog.exec() != QDialog::Accepted) return;
    session_.SetCalibration(dialog.Values());
    Refresh();
}

void TPrint_Dlg::Tiles() {
    TKachel_Dlg dialog(this);
    dialog.SetValues(session_.Settings());
    if (dialog.exec() != QDialog::Accepted) return;
    dialog.Store(session_.Settings());
    Refresh();
}

void TPrint_Dlg::Defaults() {
    session_.Settings() = PrintSettings{};
    Load();
}

}  // namespace pw
