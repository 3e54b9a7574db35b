#pragma once
// TFuellDlg: the brush window of the side area ("Füllungen"). It shows the brush list of
// Fuellung.ini, the controls of the current brush (colour, style), a preview and the assign
// buttons. A change of the current brush is reported (OnFuellWechsel); an assign button reports
// its tag (OnZuweisen) with the current brush.

#include <QWidget>

#include "core/brush_list.h"
#include "ui/lists/list_window_context.h"

class QComboBox;
class QLabel;
class QToolButton;

namespace pw {

class ColourSwatch;
class ListView;

class TFuellDlg : public QWidget {
    Q_OBJECT
  public:
    TFuellDlg(ListWindowContext context, QWidget* parent = nullptr);

    const BrushList& Brushes() const { return brushes_; }
    const BrushValues& Current() const { return brushes_.Current(); }
    // Selection feedback: the controls show the element's brush, no line is selected, and the
    // brush becomes current.
    void ShowElement(const BrushValues& brush);

    ListView* FuellungListe = nullptr;
    ColourSwatch* ColorPanel = nullptr;
    QComboBox* StyleCombo = nullptr;
    QLabel* VorschauPaintbox = nullptr;
    QToolButton* ZuweisBtn = nullptr;
    QToolButton* FarbeZuweisBtn = nullptr;
    QToolButton* StilZuweisBtn = nullptr;

  signals:
    void brushChanged(const BrushValues& brush);              // OnFuellWechsel
    void assignRequested(int tag, const BrushValues& brush);  // OnZuweisen

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void BuildControls();
    void ShowCurrent();
    void ShowLines();
    void UpdateButtons();
    void Changed();
    void ChooseColour();
    void AddBrush();
    void DeleteBrush();

    ListWindowContext context_;
    BrushList brushes_;
};

}  // namespace pw
