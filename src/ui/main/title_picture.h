#pragma once
// The start-up picture: the about box shown without a frame over the program's windows while
// the program starts. It does not hold the start up: it closes itself once its time has passed
// since it was shown, at a click on it or a key anywhere in the program, and when a modal window
// (a start-up message) opens, so that it never covers a question. Closing frees it.

#include <QTimer>

class QEventLoop;

#include "ui/main/about_box.h"

namespace pw {

class TitlePicture : public AboutBox {
    Q_OBJECT
  public:
    static constexpr int kShownMs = 500;

    explicit TitlePicture(const QString& dataDirectory, int shownMs = kShownMs);

    // Shows the picture on top and returns once it is painted (or after a short bound, should
    // the window system not answer); its time starts then.
    void ShowNow();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    QTimer shown_;
    bool painted_ = false;
    QEventLoop* waiting_ = nullptr;
};

}  // namespace pw
