#pragma once
// PanelView: the widget that shows one panel (one tab of a document). It is a scroll area whose
// viewport keeps the visible part of the panel in an RGB32 image, drawn through the Qt canvas;
// paintEvent only copies that image to the screen. Mouse and key input go to the panel's mouse
// tools; the panel's notifications come out as signals.

#include <QAbstractScrollArea>
#include <QImage>
#include <QTimer>
#include <memory>

#include "core/platine.h"

namespace pw {

class QtCanvas;

class PanelView : public QAbstractScrollArea {
    Q_OBJECT
public:
    // The view owns its panel.
    explicit PanelView(std::unique_ptr<TPlatine> panel, QWidget* parent = nullptr);
    ~PanelView() override;

    TPlatine& Panel() { return *panel_; }
    const TPlatine& Panel() const { return *panel_; }

    // Repaints the whole visible area from the model.
    void RepaintPanel();
    // Syncs the scroll bars with the model's zoom and scroll position (after zoom commands).
    void SyncScrollBars();
    // Keys that reach the panel through the main window's keyboard focus field.
    bool HandleKey(int qtKey, Qt::KeyboardModifiers modifiers);
    // The picture currently shown (for tests).
    const QImage& Picture() const { return image_; }

signals:
    void clicked();                            // OnMyClick
    void changed();                            // OnChange: zoom or scroll position
    void modeChanged();                        // OnModeChange
    void elementMarked();                      // OnBtMarkieren
    void popupRequested(const QPoint& global);  // OnPopupRequest
    void mouseMoved(bool shift, int x, int y);  // OnMyMouseMove, control pixels

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    std::unique_ptr<TPlatine> panel_;
    QImage image_;
    std::unique_ptr<QtCanvas> canvas_;
    QTimer autoScrollTimer_;
};

}  // namespace pw
