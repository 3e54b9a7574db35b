#include "ui/dialogs/custom_colours.h"

#include <QColorDialog>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <cctype>

namespace pw {

namespace {

QColor ToQColor(Color c) {
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}

Color FromQColor(const QColor& c) {
    return RGBColor(static_cast<uint8_t>(c.red()), static_cast<uint8_t>(c.green()),
                    static_cast<uint8_t>(c.blue()));
}

}  // namespace

CustomColours ReadCustomColours(const QString& path) {
    CustomColours colours;
    colours.fill(kWhite);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return colours;
    // A sensible file has sixteen short lines; anything far beyond that is not read.
    const QByteArray content = file.read(64 * 1024);
    for (QByteArray line : content.split('\n')) {
        line = line.trimmed();
        const qsizetype eq = line.indexOf('=');
        if (eq != 6 || !line.left(5).toLower().startsWith("color")) continue;
        const int index = std::toupper(static_cast<unsigned char>(line[5])) - 'A';
        if (index < 0 || index >= static_cast<int>(colours.size())) continue;
        QByteArray value = line.mid(eq + 1).trimmed();
        if (value.startsWith('$')) value.remove(0, 1);
        bool ok = false;
        const uint v = value.toUInt(&ok, 16);
        if (ok && v <= 0xFFFFFF) colours[static_cast<size_t>(index)] = v;
    }
    return colours;
}

bool WriteCustomColours(const QString& path, const CustomColours& colours) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    for (size_t i = 0; i < colours.size(); ++i) {
        const QByteArray line =
            "Color" + QByteArray(1, static_cast<char>('A' + i)) + "=" +
            QByteArray::number(colours[i] & 0xFFFFFF, 16).toUpper().rightJustified(6, '0') + "\r\n";
        file.write(line);
    }
    return file.commit();
}

QString CustomColoursPath(const QString& programDir) {
    return QDir(programDir).filePath(QStringLiteral("Colors.dat"));
}

std::optional<Color> ChooseColour(QWidget* parent, Color initial, const QString& programDir) {
    const QString path = CustomColoursPath(programDir);
    const CustomColours loaded = ReadCustomColours(path);
    for (size_t i = 0; i < loaded.size(); ++i)
        QColorDialog::setCustomColor(static_cast<int>(i), ToQColor(loaded[i]));
    // Qt's own dialog: it keeps the custom colours, which not every native dialog does.
    QColorDialog dialog(ToQColor(initial), parent);
    dialog.setObjectName(QStringLiteral("ColorDialog"));
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    CustomColours chosen;
    for (size_t i = 0; i < chosen.size(); ++i)
        chosen[i] = FromQColor(QColorDialog::customColor(static_cast<int>(i)));
    WriteCustomColours(path, chosen);
    return FromQColor(dialog.selectedColor());
}

}  // namespace pw
