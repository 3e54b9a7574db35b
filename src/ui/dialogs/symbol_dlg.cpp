#include "ui/dialogs/symbol_dlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/language.h"
#include "panel/library_directory.h"
#include "ui/panel/panel_view.h"

namespace pw {

namespace {

struct PositionText {
    const char* german;
    const char* english;
};

const PositionText kPositions[11] = {
    {"oben links", "top left"},
    {"oben mittig", "top centre"},
    {"oben rechts", "top right"},
    {"mittig links", "centre left"},
    {"mittig", "center"},
    {"mittig rechts", "centre right"},
    {"unten links", "bottom left"},
    {"unten mittig", "bottom centre"},
    {"unten rechts", "bottom right"},
    {"Außenkante", "Edge"},
    {"Außenlinie", "Outline"},
};

QString T(const char* german, const char* english) {
    return QString::fromUtf8(Tr(german, english));
}

}  // namespace

TSymbolDlg::TSymbolDlg(QWidget* parent) : QDialog(parent), BeschreibungEdit(new QLineEdit(this)) {
    setObjectName(QStringLiteral("BauteilDlg"));
    setWindowTitle(T("Eigenschaften Symbol", "Properties symbol"));
    auto* layout = new QVBoxLayout(this);
    auto* name = new QFormLayout;
    BeschreibungEdit->setObjectName(QStringLiteral("BeschreibungEdit"));
    BeschreibungEdit->setMaxLength(static_cast<int>(ShortString40::kCapacity));
    name->addRow(T("Name:", "Name:"), BeschreibungEdit);
    layout->addLayout(name);

    view_ = new PanelView(panel_, this);
    view_->setObjectName(QStringLiteral("sb_Platine"));
    view_->setFixedSize(265, 185);
    layout->addWidget(view_);
    layout->addWidget(new QLabel(
        T("Setzen Sie den Bezugspunkt des Symbols zum Raster:", "Set the reference point of the symbol."),
        this));

    auto* group = new QGroupBox(T("Position", "Position"), this);
    auto* row = new QHBoxLayout(group);
    auto* grid = new QGridLayout;
    grid->setSpacing(2);
    for (int tag = 1; tag <= 11; ++tag) {
        auto* b = new QPushButton(this);
        b->setObjectName(QStringLiteral("Position%1").arg(tag));
        const QString text = T(kPositions[tag - 1].german, kPositions[tag - 1].english);
        if (tag <= 9) {
            b->setFixedSize(18, 18);
            b->setToolTip(text);
            grid->addWidget(b, (tag - 1) / 3, (tag - 1) % 3);
        } else {
            b->setText(text);
        }
        buttons_[tag - 1] = b;
        connect(b, &QPushButton::clicked, this, [this, tag] {
            preview_.Press(tag);
            view_->SyncScrollBars();
        });
    }
    row->addLayout(grid);
    auto* edges = new QVBoxLayout;
    edges->addWidget(buttons_[9]);
    edges->addWidget(buttons_[10]);
    row->addLayout(edges);
    layout->addWidget(group);

    auto* box = new QDialogButtonBox(this);
    QPushButton* cancel = box->addButton(T("&Abbruch", "&Cancel"), QDialogButtonBox::RejectRole);
    QPushButton* ok = box->addButton(T("&OK", "&OK"), QDialogButtonBox::AcceptRole);
    cancel->setObjectName(QStringLiteral("Abbruch"));
    ok->setObjectName(QStringLiteral("OK"));
    ok->setDefault(true);
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(box);
    // A click in the preview moves the marker: the insertion point follows it.
    connect(view_, &PanelView::clicked, this, [this] { preview_.MarkerMoved(); });
}

TSymbolDlg::~TSymbolDlg() = default;

void TSymbolDlg::Fill(const std::string& name, const MemoryStream& symbol, bool gridVisible, Real snapSpacing,
                      MPoint insertPoint) {
    BeschreibungEdit->setText(QString::fromStdString(name));
    panel_.ViewWidth = view_->viewport()->width();
    panel_.ViewHeight = view_->viewport()->height();
    preview_.Show(symbol, insertPoint, gridVisible, snapSpacing);
    panel_.SetEditMode(emPoint);
    panel_.SwitchCrosshair(true);
    panel_.WillsteAutoScroll = false;
    view_->SyncScrollBars();
}

void TSymbolDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    panel_.ViewWidth = view_->viewport()->width();
    panel_.ViewHeight = view_->viewport()->height();
    panel_.ZoomToContent(false);
    view_->SyncScrollBars();
}

std::string TSymbolDlg::Name() const {
    return BeschreibungEdit->text().left(static_cast<int>(ShortString40::kCapacity)).toStdString();
}

std::optional<SymbolProperties> ShowSymbolDialog(QWidget* parent, const std::string& name,
                                                 const MemoryStream& symbol, bool gridVisible,
                                                 Real snapSpacing, MPoint insertPoint) {
    TSymbolDlg dialog(parent);
    dialog.Fill(name, symbol, gridVisible, snapSpacing, insertPoint);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return SymbolProperties{dialog.Name(), dialog.InsertPoint()};
}

std::optional<std::string> ShowPageDialog(QWidget* parent, const std::string& name,
                                          const std::string& fileName) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("LibDlg"));
    dialog.setWindowTitle(T("Bibliothek", "Library"));
    auto* form = new QFormLayout(&dialog);
    auto* edit = new QLineEdit(QString::fromStdString(name), &dialog);
    edit->setObjectName(QStringLiteral("Beschreibung"));
    edit->setMaxLength(static_cast<int>(kMaxPageNameLength));
    form->addRow(T("Name:", "Name:"), edit);
    auto* file = new QLabel(QString::fromStdString(fileName), &dialog);
    file->setObjectName(QStringLiteral("FileLabel"));
    form->addRow(T("Datei:", "File:"), file);
    auto* box = new QDialogButtonBox(&dialog);
    box->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    box->addButton(T("&Abbruch", "&Cancel"), QDialogButtonBox::RejectRole);
    QObject::connect(box, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(box, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    form->addRow(box);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return LimitPageName(edit->text().toStdString());
}

}  // namespace pw
