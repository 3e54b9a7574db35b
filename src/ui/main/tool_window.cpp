#include "ui/main/tool_window.h"

#include <QCloseEvent>

namespace pw {

ToolWindow::ToolWindow(int number, const QString& caption, QWidget* content, QWidget* parent)
    : QDockWidget(caption, parent), number_(number) {
    setObjectName(QStringLiteral("ToolWindow%1").arg(number));
    setAllowedAreas(Qt::TopDockWidgetArea | Qt::BottomDockWidgetArea);
    setWidget(content);
    UpdateTitleBar(false);
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

// Docked, the caption runs down the left edge like a bar's handle; floating, it is a normal
// title that can be read.
void ToolWindow::UpdateTitleBar(bool floating) {
    DockWidgetFeatures f = DockWidgetClosable | DockWidgetMovable | DockWidgetFloatable;
    if (!floating) f |= DockWidgetVerticalTitleBar;
    setFeatures(f);
}

}  // namespace pw
