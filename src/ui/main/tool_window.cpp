#include "ui/main/tool_window.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>

namespace pw {

namespace {

// The handle of a docked tool window: a narrow grip at its left edge, like a tool bar's, that
// carries the caption as its hint. Mouse input goes on to the tool window, which moves, floats
// and docks by it.
class Grip : public QWidget {
  public:
    explicit Grip(const QString& caption, QWidget* parent) : QWidget(parent) { setToolTip(caption); }
    QSize sizeHint() const override { return {8, 8}; }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const QColor dark = palette().color(QPalette::Dark), light = palette().color(QPalette::Light);
        for (int y = 4; y + 2 < height() - 2; y += 3) {
            p.fillRect(2, y, 2, 2, dark);
            p.fillRect(3, y + 1, 1, 1, light);
        }
    }
    void mousePressEvent(QMouseEvent* e) override { e->ignore(); }
    void mouseMoveEvent(QMouseEvent* e) override { e->ignore(); }
    void mouseReleaseEvent(QMouseEvent* e) override { e->ignore(); }
    void mouseDoubleClickEvent(QMouseEvent* e) override { e->ignore(); }
};

}  // namespace

ToolWindow::ToolWindow(int number, const QString& caption, QWidget* content, QWidget* parent)
    : QDockWidget(caption, parent), number_(number) {
    setObjectName(QStringLiteral("ToolWindow%1").arg(number));
    setAllowedAreas(Qt::TopDockWidgetArea | Qt::BottomDockWidgetArea);
    content->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
    // A docked tool window is never squeezed below its buttons.
    content->setMinimumWidth(content->sizeHint().width());
    setWidget(content);
    UpdateTitleBar(isFloating());
    connect(this, &QDockWidget::topLevelChanged, this, &ToolWindow::UpdateTitleBar);
}

void ToolWindow::SetWanted(bool wanted) {
    wanted_ = wanted;
    setVisible(wanted);
}

void ToolWindow::closeEvent(QCloseEvent* event) {
    QDockWidget::closeEvent(event);
    if (event->isAccepted()) {
        wanted_ = false;
        emit closedByUser(number_);
    }
}

// Docked, a grip runs down the left edge like a tool bar's handle; floating, the window has
// a title with its caption and a close button.
void ToolWindow::UpdateTitleBar(bool floating) {
    DockWidgetFeatures f = DockWidgetClosable | DockWidgetMovable | DockWidgetFloatable;
    if (!floating) f |= DockWidgetVerticalTitleBar;
    setFeatures(f);
    QWidget* old = titleBarWidget();
    setTitleBarWidget(floating ? nullptr : new Grip(windowTitle(), this));
    delete old;
}

}  // namespace pw
