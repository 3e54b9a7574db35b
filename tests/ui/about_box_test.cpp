// The about box: the title picture with the version and the licence under it, in the language
// of the program, and the whole line visible.
#include "ui/main/about_box.h"

#include <gtest/gtest.h>

#include <QLabel>

#include "ui/app/program_info.h"
#include "ui_test_support.h"

namespace pw {
namespace {

QLabel* LicenceLine(const AboutBox& box) {
    return box.findChild<QLabel*>(QStringLiteral("LicenceLabel"));
}

TEST(AboutBox, NamesTheVersionAndTheLicenceInTheProgramsLanguage) {
    test::LanguageScope language;
    SetLanguage(Language::English);
    AboutBox english(QStringLiteral(PW_DATA_DIR "/"));
    ASSERT_NE(LicenceLine(english), nullptr);
    const QString text = LicenceLine(english)->text();
    EXPECT_TRUE(
        text.startsWith(QStringLiteral("Plattenwerk %1 ").arg(QString::fromLatin1(ProgramVersion()))));
    EXPECT_TRUE(text.contains(QStringLiteral("GNU General Public License, version 3 or later")));
    EXPECT_TRUE(text.contains(QStringLiteral("LICENSE")));

    SetLanguage(Language::German);
    AboutBox german(QStringLiteral(PW_DATA_DIR "/"));
    EXPECT_TRUE(LicenceLine(german)->text().contains(QStringLiteral("Version 3 oder später")));
}

TEST(AboutBox, IsAsWideAsThePictureAndTallEnoughForTheLicenceLine) {
    test::LanguageScope language;
    SetLanguage(Language::English);
    AboutBox box(QStringLiteral(PW_DATA_DIR "/"));
    box.show();
    const QPixmap picture(QStringLiteral(PW_DATA_DIR "/TITEL.BMP"));
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(box.width(), picture.width() + 2);
    QLabel* line = LicenceLine(box);
    // The wrapped line lies wholly inside the box, below the picture.
    EXPECT_GE(line->geometry().top(), picture.height());
    EXPECT_LE(line->geometry().bottom(), box.height() - 1);
    EXPECT_GE(line->height(), line->heightForWidth(line->width()));
}

}  // namespace
}  // namespace pw
