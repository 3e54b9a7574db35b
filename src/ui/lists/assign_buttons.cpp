#include "ui/lists/assign_buttons.h"

#include <QBoxLayout>
#include <QToolButton>

namespace pw {

std::vector<QToolButton*> AddAssignButtons(QWidget& owner, QBoxLayout& layout,
                                           const std::vector<AssignButtonText>& texts,
                                           const std::function<void(int tag)>& clicked) {
    std::vector<QToolButton*> buttons;
    auto* row = new QHBoxLayout;
    row->setSpacing(1);
    for (const AssignButtonText& t : texts) {
        auto* b = new QToolButton(&owner);
        const int tag = static_cast<int>(buttons.size());
        b->setObjectName(QString::fromLatin1(t.name));
        b->setProperty("tag", tag);
        b->setText(t.face);
        b->setToolTip(t.hint);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        QFont font = b->font();
        font.setPointSizeF(font.pointSizeF() * 0.85);
        b->setFont(font);
        QObject::connect(b, &QToolButton::clicked, &owner, [clicked, tag] { clicked(tag); });
        row->addWidget(b);
        buttons.push_back(b);
    }
    layout.addLayout(row);
    return buttons;
}

}  // namespace pw
