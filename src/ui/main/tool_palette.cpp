#include "ui/main/tool_palette.h"

#include <QMouseEvent>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/main/icons.h"
#include "ui/main/texts.h"

namespace pw {

std::optional<TEditMode> ModeOfToolTag(int tag) {
    switch (tag) {
        case ToolPalette::kStandard:
            return emStandard;
        case ToolPalette::kZoom:
            return emZoom;
        case ToolPalette::kDrehen:
            return emDrehen;
        case ToolPalette::kBogen:
            return emBogen;
        case ToolPalette::kText:
            return emText;
        case ToolPalette::kLinie:
            return emLinie;
        case ToolPalette::kUrsprung:
            return emUrsprung;
        case ToolPalette::kKreis:
            return emKreis;
        case ToolPalette::kBohr:
            return emBohren;
        case ToolPalette::kRect:
            return emRect;
        case ToolPalette::kPolygon:
            return emPolygon;
        case ToolPalette::kMass:
            return emBemassung;
        default:
            return std::nullopt;
    }
}

ToolPalette::ToolPalette(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Panel2"));
    setFixedWidth(kWidth);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(3, 4, 3, 4);
    layout->setSpacing(2);
    const std::pair<const char*, int> group[] = {
        {"LinieBtn", kLinie},     {"RectBtn", kRect}, {"KreisBtn", kKreis}, {"PolygonBtn", kPolygon},
        {"BogenBtn", kBogen},     {"TextBtn", kText}, {"BohrBtn", kBohr},   {"StandardBtn", kStandard},
        {"DrehenBtn", kDrehen},   {"ZoomBtn", kZoom}, {"MassBtn", kMass},   {"UrsprungBtn", kUrsprung},
        {"VieleckBtn", kVieleck},
    };
    for (auto [name, tag] : group) layout->addWidget(AddButton(name, tag, true));
    layout->addSpacing(8);
    layout->addWidget(AddButton("SkaleBtn", 0, false));
    layout->addWidget(AddButton("BitmapBtn", 0, false));
    layout->addStretch(1);
    connect(Button("SkaleBtn"), &QToolButton::clicked, this, [this] { emit scaleAssistantClicked(); });
    connect(Button("BitmapBtn"), &QToolButton::clicked, this, [this] { emit pictureImportClicked(); });
    Button("UrsprungBtn")->installEventFilter(this);
    ShowPressed(kStandard);
}

QToolButton* ToolPalette::AddButton(const char* name, int tag, bool inGroup) {
    auto* b = new QToolButton(this);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(Hint(name));
    b->setIcon(ToolIcon(name));
    b->setIconSize(QSize(24, 24));
    b->setFixedSize(34, 32);
    b->setAutoRaise(true);
    b->setProperty("tag", tag);
    b->setFocusPolicy(Qt::NoFocus);
    if (!inGroup) return b;
    b->setCheckable(true);
    if (tag == kVieleck) {
        connect(b, &QToolButton::clicked, this, [this] { emit regularPolygonClicked(); });
    } else {
        connect(b, &QToolButton::clicked, this, [this, tag] { emit toolClicked(tag); });
    }
    return b;
}

QToolButton* ToolPalette::Button(const char* name) const {
    return findChild<QToolButton*>(QString::fromLatin1(name));
}

void ToolPalette::ShowPressed(int tag) {
    for (QToolButton* b : findChildren<QToolButton*>())
        if (b->isCheckable()) b->setChecked(b->property("tag").toInt() == tag);
}

int ToolPalette::Pressed() const {
    for (QToolButton* b : findChildren<QToolButton*>())
        if (b->isCheckable() && b->isChecked()) return b->property("tag").toInt();
    return 0;
}

bool ToolPalette::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
        emit gridDialogRequested();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace pw
