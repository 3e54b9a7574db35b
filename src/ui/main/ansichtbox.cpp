#include "ui/main/ansichtbox.h"

#include <QEvent>
#include <QGridLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QStyledItemDelegate>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/dialogs/dialog_frame.h"
#include "ui/main/user_prompts.h"

namespace pw {

namespace {

// The inline name editor: tells when it opens and closes, so that the window can keep its
// buttons off while a name is edited.
class NameDelegate : public QStyledItemDelegate {
  public:
    NameDelegate(QObject* parent, std::function<void(bool)> editing)
        : QStyledItemDelegate(parent), editing_(std::move(editing)) {
        // Enter, Escape and leaving the field all end editing here.
        connect(this, &QAbstractItemDelegate::closeEditor, this, [this] {
            if (editing_) editing_(false);
        });
    }
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        editor->setObjectName(QStringLiteral("AnsichtEdit"));
        editing_(true);
        connect(editor, &QObject::destroyed, this, [this] {
            if (editing_) editing_(false);
        });
        return editor;
    }
    // The window goes away before its list: editors closing then tell nobody.
    void Detach() { editing_ = nullptr; }

  private:
    std::function<void(bool)> editing_;
};

}  // namespace

TAnsichtbox::TAnsichtbox(ViewList& views, UserPrompts& prompts, QWidget* parent)
    : QWidget(parent), views_(views), prompts_(prompts) {
    setObjectName(QStringLiteral("Ansichtbox"));
    setWindowTitle(TrQ("Ansichten", "Views"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);

    // The three fitting zooms above, plus and minus below.
    auto* zoom = new QGridLayout;
    zoom->setSpacing(2);
    ZoomPlatineBtn = Button("ZoomPlatineBtn", TrQ("Platte", "Panel"),
                            TrQ("ganze Frontplatte darstellen", "Zoom front panel"));
    ZoomAllBtn =
        Button("ZoomAllBtn", TrQ("Alle", "All"), TrQ("alle Elemente darstellen", "Zoom all objects"));
    ZoomMarkedBtn = Button("ZoomMarkedBtn", TrQ("Markiert", "Selected"),
                           TrQ("markierte Objekte zoomen", "Zoom selected objects"));
    ZoomPlusBtn = Button("ZoomPlusBtn", QStringLiteral("+"), QStringLiteral("Zoom plus"));
    ZoomMinusBtn = Button("ZoomMinusBtn", QStringLiteral("−"), QStringLiteral("Zoom minus"));
    const std::pair<QToolButton*, int> tags[] = {{ZoomPlatineBtn, kZoomPlatine},
                                                 {ZoomAllBtn, kZoomAll},
                                                 {ZoomMarkedBtn, kZoomMarked},
                                                 {ZoomPlusBtn, kZoomPlus},
                                                 {ZoomMinusBtn, kZoomMinus}};
    for (auto [button, tag] : tags) {
        if (tag <= kZoomMarked)
            zoom->addWidget(button, 0, (tag - 1) * 2, 1, 2);
        else
            zoom->addWidget(button, 1, (tag - kZoomPlus) * 3, 1, 3);
        connect(button, &QToolButton::clicked, this, [this, t = tag] { emit zoomRequested(t); });
        button->setProperty("zoomTag", tag);
        button->installEventFilter(this);
    }
    // Held down, plus and minus zoom again every 100 ms.
    for (QToolButton* b : {ZoomPlusBtn, ZoomMinusBtn}) {
        b->setAutoRepeat(true);
        b->setAutoRepeatDelay(100);
        b->setAutoRepeatInterval(100);
    }
    layout->addLayout(zoom);

    Ansichtliste = new QListWidget(this);
    Ansichtliste->setObjectName(QStringLiteral("Ansichtliste"));
    Ansichtliste->setEditTriggers(QAbstractItemView::DoubleClicked);
    auto* delegate = new NameDelegate(Ansichtliste, [this](bool on) {
        editing_ = on;
        UpdateButtons();
    });
    Ansichtliste->setItemDelegate(delegate);
    detach_ = [delegate] { delegate->Detach(); };
    layout->addWidget(Ansichtliste, 1);

    auto* buttons = new QGridLayout;
    buttons->setSpacing(2);
    addBtn = Button("addBtn", TrQ("Neu", "New"),
                    TrQ("aktuelle Ansicht in Liste aufnehmen", "Add the current view"));
    DelBtn = Button("DelBtn", TrQ("Löschen", "Delete"), TrQ("Listeneintrag löschen", "Delete entry"));
    UpBtn = Button("UpBtn", QStringLiteral("▲"), TrQ("Listeneintrag höher setzen", "Move entry upwards"));
    DownBtn =
        Button("DownBtn", QStringLiteral("▼"), TrQ("Listeneintrag tiefer setzen", "Move entry downwards"));
    buttons->addWidget(addBtn, 0, 0);
    buttons->addWidget(DelBtn, 0, 1);
    buttons->addWidget(UpBtn, 0, 2);
    buttons->addWidget(DownBtn, 0, 3);
    layout->addLayout(buttons);

    connect(addBtn, &QToolButton::clicked, this, &TAnsichtbox::AddView);
    connect(DelBtn, &QToolButton::clicked, this, &TAnsichtbox::DeleteView);
    connect(UpBtn, &QToolButton::clicked, this, [this] { Move(true); });
    connect(DownBtn, &QToolButton::clicked, this, [this] { Move(false); });
    connect(Ansichtliste, &QListWidget::itemClicked, this, &TAnsichtbox::Apply);
    connect(Ansichtliste, &QListWidget::itemSelectionChanged, this, [this] { UpdateButtons(); });
    connect(Ansichtliste, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        const int row = Ansichtliste->row(item);
        if (row < 0 || static_cast<size_t>(row) >= views_.Count()) return;
        views_.Rename(static_cast<size_t>(row), item->text().toStdString());
        shown_ = views_.Items();
    });
    UpdateButtons();
}

TAnsichtbox::~TAnsichtbox() {
    detach_();
}

QToolButton* TAnsichtbox::Button(const char* name, const QString& text, const QString& hint) {
    auto* b = new QToolButton(this);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(text);
    b->setToolTip(hint);
    b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return b;
}

bool TAnsichtbox::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Enter || event->type() == QEvent::Leave) {
        const QVariant tag = watched->property("zoomTag");
        if (tag.isValid()) emit zoomHovered(event->type() == QEvent::Enter ? tag.toInt() : 0);
    }
    return QWidget::eventFilter(watched, event);
}

void TAnsichtbox::Refresh(int panelCount) {
    panelCount_ = panelCount;
    if (editing_ || (shown_ == views_.Items() && shownPanelCount_ == panelCount)) return;
    Rebuild();
}

void TAnsichtbox::Rebuild() {
    const int row = Ansichtliste->currentRow();
    const QSignalBlocker block(Ansichtliste);
    Ansichtliste->clear();
    for (size_t i = 0; i < views_.Count(); ++i) {
        auto* item = new QListWidgetItem(QString::fromStdString(views_.At(i).name), Ansichtliste);
        item->setFlags(item->flags() | Qt::ItemIsEditable);
        if (!views_.Applicable(i, panelCount_)) {
            // Still selectable, so that it can be deleted or moved, but it applies nothing.
            item->setForeground(palette().brush(QPalette::Disabled, QPalette::Text));
            item->setToolTip(TrQ("Die Frontplatte dieser Ansicht gibt es nicht mehr.",
                                 "The panel of this view no longer exists."));
        }
    }
    shown_ = views_.Items();
    shownPanelCount_ = panelCount_;
    if (Ansichtliste->count() > 0) Ansichtliste->setCurrentRow(std::clamp(row, 0, Ansichtliste->count() - 1));
    UpdateButtons();
}

void TAnsichtbox::SetZoomStates(bool hasElements, bool hasSelection) {
    ZoomAllBtn->setEnabled(hasElements);
    ZoomMarkedBtn->setEnabled(hasSelection);
}

int TAnsichtbox::SelectedRow() const {
    const int row = Ansichtliste->currentRow();
    return row >= 0 && row < Ansichtliste->count() && Ansichtliste->currentItem() &&
                   Ansichtliste->currentItem()->isSelected()
               ? row
               : -1;
}

void TAnsichtbox::AddView() {
    if (editing_ || !RequestView) return;
    TView v = RequestView();
    v.name = TrQ("neue Ansicht", "new view").toStdString();
    views_.AddOnTop(std::move(v));
    Rebuild();
    Ansichtliste->setCurrentRow(0);
    EditName(0);
}

void TAnsichtbox::EditName(int row) {
    if (QListWidgetItem* item = Ansichtliste->item(row)) {
        Ansichtliste->setFocus();
        Ansichtliste->editItem(item);
    }
}

void TAnsichtbox::DeleteView() {
    if (editing_) return;
    if (!prompts_.AskYesNo(this, TrQ("Ansicht löschen", "Delete view"),
                           TrQ("Möchten Sie die Ansicht wirklich löschen?", "Delete view from list?")))
        return;
    const int row = SelectedRow();
    if (row < 0 || !views_.Remove(static_cast<size_t>(row))) return;
    Rebuild();
    if (Ansichtliste->count() > 0) Ansichtliste->setCurrentRow(std::min(row, Ansichtliste->count() - 1));
    UpdateButtons();
}

void TAnsichtbox::Move(bool up) {
    const int row = SelectedRow();
    if (editing_ || row < 0) return;
    const std::optional<size_t> to =
        up ? views_.MoveUp(static_cast<size_t>(row)) : views_.MoveDown(static_cast<size_t>(row));
    if (!to) return;
    Rebuild();
    Ansichtliste->setCurrentRow(static_cast<int>(*to));
    UpdateButtons();
}

void TAnsichtbox::Apply(QListWidgetItem* item) {
    const int row = Ansichtliste->row(item);
    if (row < 0) return;
    if (std::optional<TView> v = views_.ViewToApply(static_cast<size_t>(row), panelCount_))
        emit applyRequested(*v);
}

void TAnsichtbox::UpdateButtons() {
    const int row = SelectedRow();
    const int n = Ansichtliste->count();
    DelBtn->setEnabled(row >= 0 && !editing_);
    UpBtn->setEnabled(row > 0 && !editing_);
    DownBtn->setEnabled(row >= 0 && row + 1 < n && !editing_);
    addBtn->setEnabled(!editing_);
}

}  // namespace pw
