#include "ui/main/side_area.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QScrollArea>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/main/texts.h"

namespace pw {

namespace {

// The honest place of a window this version does not have yet.
QWidget* NotYetAvailable(const QString& what, QWidget* parent) {
    auto* label = new QLabel(QStringLiteral("<b>%1</b><br><br>%2").arg(what, msg::NotAvailable()), parent);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignCenter);
    label->setMargin(8);
    label->setStyleSheet(QStringLiteral("color: #555;"));
    return label;
}

QString Plain(QString caption) {
    return caption.remove(QLatin1Char('&'));
}

}  // namespace

SideArea::SideArea(QWidget* parent)
    : QWidget(parent), group_(new QButtonGroup(this)), stack_(new QStackedWidget(this)) {
    setObjectName(QStringLiteral("Panel1"));
    setFixedWidth(kWidth);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);

    auto* buttons = new QGridLayout;
    buttons->setSpacing(2);
    buttons->addWidget(AddSelector("SymbolBtn", kSymbol), 0, 0);
    buttons->addWidget(AddSelector("StiftBtn", kStift), 0, 1);
    buttons->addWidget(AddSelector("FuellBtn", kFuell), 0, 2);
    buttons->addWidget(AddSelector("AnsichtBtn", kAnsicht), 1, 0, 1, 2);
    buttons->addWidget(AddSelector("FontBtn", kFont), 1, 2);
    layout->addLayout(buttons);
    layout->addWidget(stack_, 1);

    // The library: page combo box above the scroll box that holds the library page.
    auto* library = new QWidget(stack_);
    library->setObjectName(QStringLiteral("BauteilPanel"));
    auto* libLayout = new QVBoxLayout(library);
    libLayout->setContentsMargins(0, 0, 0, 0);
    auto* combo = new QComboBox(library);
    combo->setObjectName(QStringLiteral("LibCombo"));
    combo->setToolTip(Hint("LibCombo"));
    combo->setEnabled(false);
    auto* scroll = new QScrollArea(library);
    scroll->setObjectName(QStringLiteral("LibScrollBox"));
    scroll->setToolTip(Hint("LibScrollBox"));
    scroll->setWidgetResizable(true);
    scroll->setWidget(NotYetAvailable(Plain(Caption("Bibliothek1")), scroll));
    libLayout->addWidget(combo);
    libLayout->addWidget(scroll, 1);

    stack_->addWidget(library);
    for (const char* name : {"StiftBtn", "FuellBtn", "AnsichtBtn", "FontBtn"})
        stack_->addWidget(NotYetAvailable(Plain(Caption(name)), stack_));

    connect(group_, &QButtonGroup::idClicked, this, [this](int tag) {
        Select(tag);
        // The chosen window takes the focus (its list).
        if (tag != kSymbol) stack_->currentWidget()->setFocus();
        emit selected(tag);
    });
    Select(kSymbol);
}

QToolButton* SideArea::AddSelector(const char* name, int tag) {
    auto* b = new QToolButton(this);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(Caption(name));
    b->setToolTip(Hint(name));
    b->setCheckable(true);
    b->setAutoRaise(false);
    b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    group_->addButton(b, tag);
    return b;
}

int SideArea::PageIndex(int tag) {
    switch (tag) {
        case kSymbol:
            return 0;
        case kStift:
            return 1;
        case kFuell:
            return 2;
        case kAnsicht:
            return 3;
        case kFont:
            return 4;
        default:
            return -1;
    }
}

void SideArea::SetPage(int tag, QWidget* page) {
    const int index = PageIndex(tag);
    if (index < 0) return;
    const bool shown = stack_->currentIndex() == index;
    QWidget* old = stack_->widget(index);
    stack_->insertWidget(index, page);
    stack_->removeWidget(old);
    delete old;
    if (shown) stack_->setCurrentIndex(index);
}

void SideArea::Select(int tag) {
    if (QAbstractButton* b = group_->button(tag)) b->setChecked(true);
    if (const int index = PageIndex(tag); index >= 0) stack_->setCurrentIndex(index);
}

int SideArea::Selected() const {
    return group_->checkedId();
}

}  // namespace pw
