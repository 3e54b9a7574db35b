#include "ui/main/about_box.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QVBoxLayout>

#include "core/language.h"
#include "ui/app/program_info.h"
#include "ui/main/texts.h"

namespace pw {

QPixmap AboutBox::DrawnPicture() {
    QPixmap picture(480, 200);
    QPainter p(&picture);
    QLinearGradient ground(0, 0, 0, picture.height());
    ground.setColorAt(0, QColor(28, 34, 44));
    ground.setColorAt(1, QColor(70, 82, 100));
    p.fillRect(picture.rect(), ground);
    p.setPen(QColor(240, 240, 232));
    p.setFont(QFont(QStringLiteral("Liberation Sans"), 30, QFont::Bold));
    p.drawText(picture.rect().adjusted(0, 0, 0, -30), Qt::AlignCenter, msg::AppTitle());
    p.setPen(QColor(232, 140, 40));
    p.setFont(QFont(QStringLiteral("Liberation Sans"), 11));
    p.drawText(picture.rect().adjusted(0, 70, 0, 0), Qt::AlignCenter,
               QStringLiteral("Frontplatten-Designer  \u00b7  Front panel designer"));
    return picture;
}

AboutBox::AboutBox(const QString& dataDirectory, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("InfoDlg"));
    QPixmap picture(dataDirectory + QStringLiteral("TITEL.BMP"));
    if (picture.isNull()) picture = DrawnPicture();
    auto* label = new QLabel(this);
    label->setPixmap(picture);
    label->setStyleSheet(QStringLiteral("border: 1px solid #8a96a8;"));
    auto* licence = new QLabel(
        QStringLiteral("Plattenwerk %1 \u00b7 %2")
            .arg(QString::fromLatin1(ProgramVersion()), QString::fromStdString(LicenceNote(!IsEnglish()))),
        this);
    licence->setObjectName(QStringLiteral("LicenceLabel"));
    licence->setWordWrap(true);
    licence->setContentsMargins(8, 4, 8, 6);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(label);
    layout->addWidget(licence);
    setFixedSize(picture.size().width() + 2,
                 picture.size().height() + 2 + licence->heightForWidth(picture.width()));
}

void AboutBox::mousePressEvent(QMouseEvent*) {
    accept();
}

void AboutBox::keyPressEvent(QKeyEvent*) {
    accept();
}

}  // namespace pw
