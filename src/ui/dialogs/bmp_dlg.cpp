#include "ui/dialogs/bmp_dlg.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>
#include <cmath>

#include "ui/dialogs/colour_swatch.h"
#include "ui/dialogs/dialog_frame.h"

namespace pw {

namespace {
TBMP_Dlg::ColourChooser& Chooser() {
    static TBMP_Dlg::ColourChooser chooser;
    return chooser;
}

QColor ToQ(Color c) {
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}

// The backdrop: "Plattenwerk 2.0" in rows, every other row shifted by three quarters of the
// text's width, so the transparent parts of a picture are easy to see.
void PaintBackdrop(QPainter& p, const QSize& area) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    font.setBold(true);
    font.setItalic(true);
    p.setFont(font);
    p.setPen(ToQ(kSilver));
    const QString text = QStringLiteral("Plattenwerk 2.0");
    const QFontMetrics m(font);
    const double tw = m.horizontalAdvance(text), th = m.height();
    if (tw <= 0 || th <= 0) return;
    const int columns = static_cast<int>(std::nearbyint(area.width() / tw / 1.5));
    const int rows = static_cast<int>(std::nearbyint(area.height() / th / 6));
    for (int i = 0; i <= columns; ++i)
        for (int j = 0; j <= rows; ++j) {
            const int y = static_cast<int>(j * 6 * th);
            p.drawText(static_cast<int>(std::nearbyint(i * 1.5 * tw)), y + m.ascent(), text);
            p.drawText(static_cast<int>(std::nearbyint(i * 1.5 * tw + 0.75 * tw)),
                       static_cast<int>(y + 3 * th) + m.ascent(), text);
        }
}
}  // namespace

BmpPreview::BmpPreview(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("PaintBox1"));
    setCursor(Qt::CrossCursor);
    setMinimumSize(320, 240);
}

void BmpPreview::SetKey(bool on, Color key) {
    keyed_ = on;
    key_ = key;
    update();
}

void BmpPreview::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), ToQ(kSilver).darker(120));
    PaintBackdrop(p, size());
    if (picture_.IsNull()) return;
    QImage shown(picture_.width, picture_.height, QImage::Format_ARGB32);
    const uint32_t key = (RedOf(TBtmap::PlainColor(key_)) << 16) | (GreenOf(TBtmap::PlainColor(key_)) << 8) |
                         BlueOf(TBtmap::PlainColor(key_));
    for (int y = 0; y < picture_.height; ++y) {
        auto* line = reinterpret_cast<uint32_t*>(shown.scanLine(y));
        for (int x = 0; x < picture_.width; ++x) {
            const uint32_t px = picture_.pixels[static_cast<size_t>(y) * picture_.width + x];
            line[x] = keyed_ && (px & 0xFFFFFF) == key ? 0 : px;
        }
    }
    p.drawImage(0, 0, shown);
}

void BmpPreview::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (at.x() < 0 || at.y() < 0 || at.x() >= picture_.width || at.y() >= picture_.height) return;
    const uint32_t px = picture_.pixels[static_cast<size_t>(at.y()) * picture_.width + at.x()];
    emit pixelPicked(
        RGBColor(static_cast<uint8_t>(px >> 16), static_cast<uint8_t>(px >> 8), static_cast<uint8_t>(px)));
}

TBMP_Dlg::TBMP_Dlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("BMP_Dlg"));
    setWindowTitle(TrQ("Eigenschaften Bitmap", "Properties bitmap"));
    auto* layout = new QVBoxLayout(this);
    PaintBox1 = new BmpPreview(this);
    layout->addWidget(PaintBox1, 1);
    auto* group = new QGroupBox(TrQ("Transparenz", "Transparent colour"), this);
    auto* row = new QHBoxLayout(group);
    cb_Transparent = new QCheckBox(QStringLiteral("Transparent"), group);
    cb_Transparent->setObjectName(QStringLiteral("cb_Transparent"));
    Color_Shape = new ColourSwatch(group);
    Color_Shape->setObjectName(QStringLiteral("Color_Shape"));
    Color_Shape->setFixedSize(40, 24);
    auto* note =
        new QLabel(TrQ("Klicken Sie auf das Bild, um die Farbe\nzu bestimmen, die ausgeblendet wird !",
                       "Click to the picture, to determine\nthe transparent colour."),
                   group);
    note->setEnabled(false);
    row->addWidget(cb_Transparent);
    row->addWidget(Color_Shape);
    row->addWidget(note, 1);
    layout->addWidget(group);
    AddDialogButtons(*this, *layout);

    connect(PaintBox1, &BmpPreview::pixelPicked, this, [this](Color c) {
        key_ = c;
        cb_Transparent->setChecked(true);
        ShowKey();
    });
    connect(cb_Transparent, &QCheckBox::toggled, this, [this] { ShowKey(); });
    connect(Color_Shape, &ColourSwatch::clicked, this, [this] {
        std::optional<Color> chosen;
        if (Chooser()) {
            chosen = Chooser()(this, TBtmap::PlainColor(key_));
        } else {
            const QColor c = QColorDialog::getColor(ToQ(TBtmap::PlainColor(key_)), this);
            if (c.isValid()) chosen = RGBColor(c.red(), c.green(), c.blue());
        }
        if (!chosen) return;
        key_ = *chosen;
        ShowKey();
    });
}

void TBMP_Dlg::SetColourChooser(ColourChooser chooser) {
    Chooser() = std::move(chooser);
}

void TBMP_Dlg::SetValues(const Image* picture, TBtmap::Transparency values) {
    if (picture) PaintBox1->SetPicture(*picture);
    key_ = values.key;
    cb_Transparent->setChecked(values.on);
    ShowKey();
}

TBtmap::Transparency TBMP_Dlg::Values() const {
    return {cb_Transparent->isChecked(), key_};
}

void TBMP_Dlg::ShowKey() {
    Color_Shape->SetColour(TBtmap::PlainColor(key_));
    PaintBox1->SetKey(cb_Transparent->isChecked(), key_);
}

std::optional<TBtmap::Transparency> ShowBmpDlg(QWidget* parent, const TBtmap& element) {
    TBMP_Dlg dialog(parent);
    dialog.SetValues(element.Picture(), {element.Transparent(), element.TransparentColor()});
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Values();
}

}  // namespace pw
