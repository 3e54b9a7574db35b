#include "ui/main/title_picture.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>

namespace pw {

namespace {

// How long the start waits at most for the picture to reach the screen.
constexpr int kMaxWaitForScreenMs = 100;

}  // namespace

TitlePicture::TitlePicture(const QString& dataDirectory, int shownMs) : AboutBox(dataDirectory) {
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_DeleteOnClose);
    // The main window keeps the keyboard; the picture only lies over it.
    setAttribute(Qt::WA_ShowWithoutActivating);
    shown_.setSingleShot(true);
    shown_.setInterval(shownMs);
    connect(&shown_, &QTimer::timeout, this, &QWidget::close);
}

void TitlePicture::ShowNow() {
    show();
    raise();
    if (!painted_) {
        QEventLoop untilPainted;
        QTimer bound;
        bound.setSingleShot(true);
        connect(&bound, &QTimer::timeout, &untilPainted, &QEventLoop::quit);
        bound.start(kMaxWaitForScreenMs);
        waiting_ = &untilPainted;
        untilPainted.exec(QEventLoop::ExcludeUserInputEvents);
        waiting_ = nullptr;
    }
    // Its time, and what else closes it, start once it is on the screen.
    shown_.start();
    qApp->installEventFilter(this);
}

void TitlePicture::paintEvent(QPaintEvent* event) {
    AboutBox::paintEvent(event);
    painted_ = true;
    if (waiting_) waiting_->quit();
}

bool TitlePicture::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        close();
    } else if (event->type() == QEvent::Show && watched != this && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->isWindow() && widget->isModal()) close();
    }
    return false;
}

}  // namespace pw
