#pragma once
// TFontbox: the font window of the side area ("Schriften"). It shows the font list of
// Fonts.ini, the controls of the current font (family, colour, height in mm, italic, bold), a
// sample, and the assign buttons. Every change of the current font is reported
// (OnFontwechsel), so that the next text made takes it; an assign button reports its tag
// (OnZuweisen) with the current font. The family box lists the scalable fonts fontconfig
// knows, so every name chosen is the face that is drawn.

#include <QWidget>

#include "core/font_list.h"
#include "ui/lists/list_window_context.h"

class QComboBox;
class QLabel;
class QToolButton;
class QVBoxLayout;

namespace pw {

class ColourSwatch;
class ListView;
class NumberField;

class TFontbox : public QWidget {
    Q_OBJECT
  public:
    TFontbox(ListWindowContext context, QWidget* parent = nullptr);

    const FontList& Fonts() const { return fonts_; }
    const FontValues& Current() const { return fonts_.Current(); }
    // Selection feedback for a text: no line is selected, the text's font and colour become
    // current and the window refreshes.
    void ShowText(const FontValues& font);

    ListView* FontListbox = nullptr;
    QComboBox* FontCombo = nullptr;
    ColourSwatch* ColorPanel = nullptr;
    NumberField* HoeheEdit = nullptr;
    QToolButton* ItalicBtn = nullptr;
    QToolButton* BoldBtn = nullptr;
    QLabel* Label1 = nullptr;
    QToolButton* ZuweisBtn = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QToolButton* HoeheZuweisBtn = nullptr;
    QToolButton* SpeedButton3 = nullptr;
    QToolButton* SpeedButton2 = nullptr;

  signals:
    void fontChanged(const FontValues& font);               // OnFontwechsel
    void assignRequested(int tag, const FontValues& font);  // OnZuweisen

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void BuildControls();
    void BuildFontRow(QVBoxLayout& layout);
    void ConnectList();
    // Shows the current font in the controls (the height field too unless it is being typed
    // in) and reports it.
    void Refresh(bool showHeight = true);
    void ShowName(const std::string& name);
    void ShowSample();
    void ShowLines();
    void UpdateButtons();
    void ChooseColour();
    void AddFont();
    void DeleteFont();

    ListWindowContext context_;
    FontList fonts_;
};

}  // namespace pw
