#pragma once
// TStiftbox: the pen window of the side area ("Stifte"). It shows the pen list of Stifte.ini,
// the controls of the current pen (colour, width in mm, style) and the assign buttons. A change
// of the current pen is reported (OnStiftwechsel), so that the next element drawn takes it; an
// assign button reports its tag (OnZuweisen) with the current pen.

#include <QWidget>

#include "core/pen_list.h"
#include "ui/lists/list_window_context.h"

class QComboBox;
class QToolButton;

namespace pw {

class ColourSwatch;
class ListView;
class NumberField;

class TStiftbox : public QWidget {
    Q_OBJECT
  public:
    TStiftbox(ListWindowContext context, QWidget* parent = nullptr);

    const PenList& Pens() const { return pens_; }
    const PenValues& Current() const { return pens_.Current(); }
    // Selection feedback: the controls show the element's pen, no line is selected, and the
    // pen becomes current.
    void ShowElement(const PenValues& pen);

    ListView* Stiftliste = nullptr;
    ColourSwatch* ColorPanel = nullptr;
    NumberField* BreiteEdit = nullptr;
    QComboBox* StyleCombo = nullptr;
    QToolButton* ZuweisBtn = nullptr;
    QToolButton* FarbeZuweisBtn = nullptr;
    QToolButton* BreiteZuweisBtn = nullptr;
    QToolButton* StilZuweisBtn = nullptr;

  signals:
    void penChanged(const PenValues& pen);                // OnStiftwechsel
    void assignRequested(int tag, const PenValues& pen);  // OnZuweisen

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildControls();
    void ShowCurrent();
    void ShowLines();
    void UpdateButtons();
    void Changed();
    void LineClicked(int index);
    void ChooseColour();
    void AddPen();
    void DeletePen();
    void MovePen(int step);
    void RenamePen(int index, const QString& name);

    ListWindowContext context_;
    PenList pens_;
};

}  // namespace pw
