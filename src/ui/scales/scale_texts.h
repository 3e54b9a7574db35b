#pragma once
// The texts of the scale assistant (TScaleManDlg) and of its inscription dialog
// (TBeschriften_Dlg), German and English side by side. The style captions and parameter names
// come with the scale styles.

#include <QString>
#include <string>

namespace pw::scale_texts {

// --- TScaleManDlg ---
QString AssistantCaption();
QString StyleGroup();
QString ParameterHeader();
QString ValueHeader();
QString InscriptionsButton();
QString CancelButton();
QString OkButton();
// How the grid shows a yes/no value.
std::string YesText();
std::string NoText();
// The warning after a value was corrected to a bound.
QString CorrectionCaption();
QString CorrectionText();

// --- TBeschriften_Dlg ---
QString InscriptionsCaption();
QString SegmentHeader();
QString TextHeader();
QString InscriptionsOk();

}  // namespace pw::scale_texts
