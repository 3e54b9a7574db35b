// Colors.dat: reading and writing the custom colours, and the colour dialog that loads them
// before it opens and writes them back after a confirmed choice, also on a first start without
// the file.
#include "ui/dialogs/custom_colours.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include "view_test_support.h"

using namespace pw;
using namespace pw::test;

namespace {

QByteArray FileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

void ConfirmColourDialog(QDialog& d) {
    auto* box = d.findChild<QDialogButtonBox*>();
    ASSERT_TRUE(box);
    box->button(QDialogButtonBox::Ok)->click();
}

TEST(CustomColours, ReadWhatIsThereAndWhiteForTheRest) {
    QTemporaryDir dir;
    const QString path = CustomColoursPath(dir.path());
    EXPECT_TRUE(path.endsWith("/Colors.dat"));
    CustomColours missing = ReadCustomColours(path);
    for (Color c : missing) EXPECT_EQ(c, kWhite);
    WriteBytes(path,
               "ColorA=FF0000\r\ncolorc=$0000ff\nColorQ=123456\nColorB=nothex\nNoise\nColorP=00FF00\r\n");
    const CustomColours read = ReadCustomColours(path);
    EXPECT_EQ(read[0], 0xFF0000u);  // blue, as 0x00BBGGRR
    EXPECT_EQ(read[1], kWhite);
    EXPECT_EQ(read[2], 0x0000FFu);
    EXPECT_EQ(read[15], 0x00FF00u);
    EXPECT_EQ(read[3], kWhite);
}

TEST(CustomColours, WrittenSixteenLinesReadBackTheSame) {
    QTemporaryDir dir;
    const QString path = CustomColoursPath(dir.path());
    CustomColours colours;
    for (size_t i = 0; i < colours.size(); ++i) colours[i] = static_cast<Color>(i * 0x010203);
    ASSERT_TRUE(WriteCustomColours(path, colours));
    const QByteArray bytes = FileBytes(path);
    EXPECT_TRUE(bytes.startsWith("ColorA=000000\r\nColorB=010203\r\n"));
    EXPECT_EQ(bytes.count('\n'), 16);
    EXPECT_EQ(ReadCustomColours(path), colours);
}

TEST(CustomColours, ColourDialogOnAFirstStartCreatesTheFile) {
    QTemporaryDir dir;
    const QString path = CustomColoursPath(dir.path());
    ASSERT_FALSE(QFile::exists(path));
    QColor firstCustom;
    auto answered = AnswerNextDialog([&](QDialog& d) {
        firstCustom = QColorDialog::customColor(0);
        auto& colours = static_cast<QColorDialog&>(d);
        colours.setCurrentColor(QColor(0x12, 0x34, 0x56));
        QColorDialog::setCustomColor(3, QColor(0xAA, 0xBB, 0xCC));
        ConfirmColourDialog(d);
    });
    QColorDialog::setCustomColor(0, QColor(1, 2, 3));  // left over from elsewhere: replaced
    const std::optional<Color> chosen = ChooseColour(nullptr, kBlack, dir.path());
    EXPECT_EQ(*answered, 1);
    EXPECT_EQ(firstCustom, QColor(Qt::white));
    ASSERT_TRUE(chosen);
    EXPECT_EQ(*chosen, 0x563412u);
    const CustomColours saved = ReadCustomColours(path);
    EXPECT_EQ(saved[3], 0xCCBBAAu);
    EXPECT_EQ(saved[0], kWhite);
}

TEST(CustomColours, ColourDialogLoadsTheFileAndACancelLeavesIt) {
    QTemporaryDir dir;
    const QString path = CustomColoursPath(dir.path());
    WriteBytes(path, "ColorA=0000FF\r\n");
    QColor firstCustom, initial;
    AnswerNextDialog([&](QDialog& d) {
        firstCustom = QColorDialog::customColor(0);
        initial = static_cast<QColorDialog&>(d).currentColor();
        QColorDialog::setCustomColor(5, QColor(9, 9, 9));
        d.reject();
    });
    EXPECT_EQ(ChooseColour(nullptr, 0x00FF00, dir.path()), std::nullopt);
    EXPECT_EQ(firstCustom, QColor(0xFF, 0, 0));  // 0x0000FF is red
    EXPECT_EQ(initial, QColor(0, 0xFF, 0));
    EXPECT_EQ(FileBytes(path), QByteArray("ColorA=0000FF\r\n"));
}

}  // namespace
