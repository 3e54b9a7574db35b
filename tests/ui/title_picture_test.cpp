// The start-up picture: up at once without holding the caller, and gone by itself after its
// time, at a click or a key, or when a modal window opens; other windows leave it up.
#include "ui/main/title_picture.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QPointer>
#include <QTest>

namespace pw {
namespace {

// Long enough that only what a test does closes the picture.
constexpr int kLong = 60000;

// Whether the picture was closed and freed, events going on meanwhile.
bool Gone(const QPointer<TitlePicture>& picture) {
    return QTest::qWaitFor([&] { return picture.isNull(); }, 5000);
}

QPointer<TitlePicture> Shown(int shownMs) {
    auto* picture = new TitlePicture(QStringLiteral(PW_DATA_DIR "/"), shownMs);
    picture->ShowNow();
    return picture;
}

TEST(TitlePicture, IsUpWhenShownAndClosesItselfAfterItsTime) {
    QPointer<TitlePicture> picture = Shown(50);
    ASSERT_FALSE(picture.isNull());
    EXPECT_TRUE(picture->isVisible());
    EXPECT_EQ(picture->objectName(), QStringLiteral("InfoDlg"));
    EXPECT_TRUE(picture->windowFlags() & Qt::FramelessWindowHint);
    // Freed, not only hidden.
    EXPECT_TRUE(Gone(picture));
}

TEST(TitlePicture, ClosesAtAClickOnItOrAKeyElsewhere) {
    QPointer<TitlePicture> clicked = Shown(kLong);
    QTest::mouseClick(clicked.data(), Qt::LeftButton);
    EXPECT_TRUE(Gone(clicked));

    QWidget mainWindow;
    mainWindow.show();
    QPointer<TitlePicture> keyed = Shown(kLong);
    QTest::keyClick(&mainWindow, Qt::Key_Escape);
    EXPECT_TRUE(Gone(keyed));
}

TEST(TitlePicture, StaysOverAnotherWindowButGivesWayToAModalOne) {
    QPointer<TitlePicture> picture = Shown(kLong);
    QWidget mainWindow;
    mainWindow.show();
    QDialog tool;
    tool.show();
    QCoreApplication::processEvents();
    ASSERT_FALSE(picture.isNull());
    EXPECT_TRUE(picture->isVisible());

    QDialog message;
    message.setModal(true);
    message.show();
    EXPECT_TRUE(Gone(picture));
}

}  // namespace
}  // namespace pw
