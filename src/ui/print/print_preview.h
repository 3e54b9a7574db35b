#pragma once
// PaintBox1: the print dialog's live preview of the sheet: the paper with a silver border, the
// printable area with a dashed outline, and the copies as they will print; for a panel split
// over sheets, the sheets as they are taped together. Unless the copies are centred (or the
// panel split), the left button drags them; while dragging only their outlines are drawn.

#include <QPoint>
#include <QWidget>

namespace pw {

class PrintSession;
class QtCanvas;
struct PrintPlan;

class PrintPreview : public QWidget {
    Q_OBJECT
  public:
    explicit PrintPreview(PrintSession& session, QWidget* parent = nullptr);

    bool Draggable() const;
    bool Dragging() const { return dragging_; }
    // After every change of the settings: cursor, hint and picture.
    void Refresh();
    // The preview as it is painted now.
    QImage Picture();

  signals:
    // The copies were dragged to another place.
    void OffsetsChanged();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void PaintOneSheet(QtCanvas& canvas, const PrintPlan& plan);
    void PaintAssembly(QtCanvas& canvas, const PrintPlan& plan);

    PrintSession& session_;
    bool dragging_ = false;
    QPoint previous_;
};

}  // namespace pw
