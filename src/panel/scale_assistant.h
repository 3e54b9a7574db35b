#pragma once
// ScaleAssistant: the state and rules of the scale assistant window (TScaleManDlg) without the
// window. It owns the preview panel (600 x 600 mm, zoom tool) with the one scale being made,
// knows the grid row last selected, commits typed values and yes/no keys to the scale's
// parameters, changes the style, takes the inscription texts and rebuilds the preview after
// every change. The window shows what it holds and passes the user's input on; the scale, its
// parameters and its texts stay from one opening to the next.

#include <string>
#include <string_view>
#include <vector>

#include "core/color.h"
#include "panel/platine.h"
#include "scales/scale.h"
#include "scales/scale_param_edit.h"

namespace pw {

class ScaleAssistant {
  public:
    // The preview panel in the zoom tool with the magnifier, grey, and the scale on it in the
    // panel's font.
    ScaleAssistant();
    ScaleAssistant(const ScaleAssistant&) = delete;
    ScaleAssistant& operator=(const ScaleAssistant&) = delete;

    TPlatine& Preview() { return preview_; }
    TScale& Scale() { return *scale_; }
    const TScale& Scale() const { return *scale_; }

    // Each time the window opens: the first row selected, the preview rebuilt and shown on the
    // colour new panels get.
    void Show();

    // --- Grid ---
    // Index of the parameter whose row was selected last.
    size_t CurrentParam() const { return current_; }
    // Whether the grid lets the user type into the current parameter's value (numbers only).
    bool CurrentEditable() const;
    // Another row selected: the current parameter's cell text is committed first (what that
    // commit gave is returned), then the parameter of the row becomes current.
    ParamCommit SelectParam(size_t index, std::string_view currentCellText);
    // Enter, leaving the row, OK: the cell text committed to the parameter; the preview is
    // rebuilt after a change.
    ParamCommit CommitParam(size_t index, std::string_view cellText);
    ParamCommit CommitCurrent(std::string_view cellText) { return CommitParam(current_, cellText); }
    // Space, J, Y and N on a yes/no parameter; true (and rebuilt) when the value changed.
    bool KeyOnCurrent(char32_t key);
    // The double click on the grid.
    bool ToggleCurrent();
    // The value column: a whole number in decimal, a number with up to 15 significant digits
    // and the decimal separator of the language, a switch as the yes or no text.
    std::vector<std::string> ValueTexts(const std::string& yesText, const std::string& noText) const;

    // --- Style and inscriptions ---
    // The style's default parameters; the first row current; rebuilt.
    void ChangeStyle(int style);
    // Styles 0 to 6 carry inscriptions.
    bool InscriptionsEnabled() const;
    // The confirmed texts of the inscription dialog; rebuilt.
    void SetInscriptions(std::vector<std::string> texts);

    // Builds the scale and fits the preview's zoom to it.
    void Refresh();

  private:
    TScaleParam* Current();

    TPlatine preview_;
    TScale* scale_ = nullptr;
    size_t current_ = 0;
};

}  // namespace pw
