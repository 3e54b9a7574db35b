#include "ui/lists/list_view.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/lists/list_lines.h"

namespace pw {

// Draws the lines as the window pictures them and runs the name editor over a line.
class ListView::Delegate : public QStyledItemDelegate {
  public:
    Delegate(ListView& view, LinePicture picture, int lineHeight)
        : QStyledItemDelegate(&view), view_(view), picture_(std::move(picture)), lineHeight_(lineHeight) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool selected = option.state & QStyle::State_Selected;
        painter->drawImage(option.rect.topLeft(), picture_(index.row(), option.rect.size(), selected));
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
        return {option.rect.width(), lineHeight_};
    }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override {
        auto* editor = new QLineEdit(parent);
        editor->setObjectName(QStringLiteral("NameEditor"));
        QFont font = editor->font();
        font.setBold(true);
        font.setPixelSize(12);
        editor->setFont(font);
        view_.SetEditorOpen(true, editor);
        return editor;
    }

    void destroyEditor(QWidget* editor, const QModelIndex& index) const override {
        QStyledItemDelegate::destroyEditor(editor, index);
        view_.SetEditorOpen(false, nullptr);
    }

    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex&) const override {
        editor->setGeometry(option.rect.left(), option.rect.top() - 3, option.rect.width(),
                            editor->sizeHint().height());
    }

  private:
    ListView& view_;
    LinePicture picture_;
    int lineHeight_;
};

ListView::ListView(int lineHeight, LinePicture picture, QWidget* parent)
    : QWidget(parent), list_(new QListWidget(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    auto* bar = new QHBoxLayout;
    bar->setSpacing(1);
    addBtn_ = BarButton("addBtn", QStringLiteral("+"));
    delBtn_ = BarButton("DelBtn", QStringLiteral("\u2212"));
    downBtn_ = BarButton("DownBtn", QStringLiteral("\u25BC"));
    upBtn_ = BarButton("UpBtn", QStringLiteral("\u25B2"));
    for (QToolButton* b : {addBtn_, delBtn_, downBtn_, upBtn_}) bar->addWidget(b);
    layout->addLayout(bar);
    layout->addWidget(list_, 1);

    list_->setItemDelegate(new Delegate(*this, std::move(picture), lineHeight));
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::DoubleClicked);
    list_->setUniformItemSizes(true);
    QPalette palette = list_->palette();
    palette.setColor(QPalette::Base,
                     QColor(RedOf(kListBackground), GreenOf(kListBackground), BlueOf(kListBackground)));
    list_->setPalette(palette);
    list_->setFocusPolicy(Qt::StrongFocus);
    setFocusProxy(list_);

    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!filling_ && row >= 0) emit lineClicked(row);
    });
    connect(list_, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        if (!filling_) emit renamed(list_->row(item), item->text());
    });
    connect(addBtn_, &QToolButton::clicked, this, &ListView::addClicked);
    connect(delBtn_, &QToolButton::clicked, this, &ListView::deleteClicked);
    connect(downBtn_, &QToolButton::clicked, this, &ListView::downClicked);
    connect(upBtn_, &QToolButton::clicked, this, &ListView::upClicked);
}

QToolButton* ListView::BarButton(const char* name, const QString& face) {
    auto* b = new QToolButton(this);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(face);
    b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return b;
}

void ListView::SetHints(const QString& add, const QString& del, const QString& down, const QString& up) {
    addBtn_->setToolTip(add);
    delBtn_->setToolTip(del);
    downBtn_->setToolTip(down);
    upBtn_->setToolTip(up);
}

void ListView::SetLines(const std::vector<std::string>& names, int selected) {
    filling_ = true;
    const int n = static_cast<int>(names.size());
    // The lines are renamed in place where their number stays, as happens while an edited
    // line's text is taken.
    if (list_->count() != n) {
        list_->clear();
        for (int i = 0; i < n; ++i) {
            auto* item = new QListWidgetItem(list_);
            item->setFlags(item->flags() | Qt::ItemIsEditable);
        }
    }
    for (int i = 0; i < n; ++i)
        list_->item(i)->setText(QString::fromStdString(names[static_cast<size_t>(i)]));
    if (selected >= 0 && selected < n) {
        list_->setCurrentRow(selected);
    } else {
        list_->setCurrentRow(-1);
        list_->clearSelection();
    }
    list_->viewport()->update();
    filling_ = false;
}

void ListView::SetButtons(const ListButtons& buttons) {
    addBtn_->setEnabled(buttons.add);
    delBtn_->setEnabled(buttons.del);
    downBtn_->setEnabled(buttons.down);
    upBtn_->setEnabled(buttons.up);
}

void ListView::OpenEditor(int index) {
    if (QListWidgetItem* item = list_->item(index)) {
        list_->scrollToItem(item);
        list_->editItem(item);
    }
}

void ListView::SetEditorOpen(bool open, QLineEdit* editor) {
    editor_ = editor;
    if (editorOpen_ == open) return;
    editorOpen_ = open;
    emit editorOpened(open);
}

}  // namespace pw
