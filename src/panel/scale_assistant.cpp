#include "panel/scale_assistant.h"

#include "core/language.h"

namespace pw {

namespace {

constexpr Real kPreviewSize = 30000;  // 600 mm
constexpr Color kPreviewColour = 0x808080;
// The colour a new panel gets.
constexpr Color kNewPanelColour = 0xE6E6E6;

}  // namespace

ScaleAssistant::ScaleAssistant() {
    preview_.SetEditMode(emZoom);  // with the magnifier
    preview_.Width = preview_.Height = kPreviewSize;
    preview_.SetFrontplattenFarbe(kPreviewColour);
    auto scale = std::make_unique<TScale>();
    scale->TextFont = preview_.CurrentFont;
    scale_ = static_cast<TScale*>(preview_.AddElement(std::move(scale)));
}

void ScaleAssistant::Show() {
    current_ = 0;
    Refresh();
    preview_.SetFrontplattenFarbe(kNewPanelColour);
    preview_.Repaint();
}

bool ScaleAssistant::CurrentEditable() const {
    const std::vector<TScaleParam>& params = scale_->Params();
    return current_ < params.size() && params[current_].IsNumeric();
}

TScaleParam* ScaleAssistant::Current() {
    std::vector<TScaleParam>& params = scale_->Params();
    return current_ < params.size() ? &params[current_] : nullptr;
}

ParamCommit ScaleAssistant::SelectParam(size_t index, std::string_view currentCellText) {
    const ParamCommit result = CommitCurrent(currentCellText);
    current_ = index;
    return result;
}

ParamCommit ScaleAssistant::CommitParam(size_t index, std::string_view cellText) {
    std::vector<TScaleParam>& params = scale_->Params();
    if (index >= params.size()) return ParamCommit::Unchanged;
    const ParamCommit result = CommitParamText(params[index], cellText);
    if (result != ParamCommit::Unchanged) Refresh();
    return result;
}

bool ScaleAssistant::KeyOnCurrent(char32_t key) {
    TScaleParam* p = Current();
    if (!p || !YesNoKey(*p, key)) return false;
    Refresh();
    return true;
}

bool ScaleAssistant::ToggleCurrent() {
    TScaleParam* p = Current();
    if (!p || !ToggleYesNo(*p)) return false;
    Refresh();
    return true;
}

std::vector<std::string> ScaleAssistant::ValueTexts(const std::string& yesText,
                                                    const std::string& noText) const {
    std::vector<std::string> texts;
    for (const TScaleParam& p : scale_->Params())
        texts.push_back(ParamValueText(p, DecimalSeparator(), yesText, noText));
    return texts;
}

void ScaleAssistant::ChangeStyle(int style) {
    if (style < 0 || style >= kScaleStyleCount) return;
    scale_->SetStyle(static_cast<uint8_t>(style));
    // The same style again also goes back to its defaults.
    scale_->BuildParams();
    current_ = 0;
    Refresh();
}

bool ScaleAssistant::InscriptionsEnabled() const {
    return HasInscriptions(scale_->Style());
}

void ScaleAssistant::SetInscriptions(std::vector<std::string> texts) {
    scale_->Inscriptions = std::move(texts);
    Refresh();
}

void ScaleAssistant::Refresh() {
    scale_->Build();
    preview_.ZoomToContent(false);
    preview_.Repaint();
    // The first fit may have changed the visible area (scroll bars); fit once more.
    preview_.ZoomToContent(false);
}

}  // namespace pw
