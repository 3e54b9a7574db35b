#include "ui/scales/scale_texts.h"

#include "core/language.h"

namespace pw::scale_texts {

namespace {

QString Text(const char* german, const char* english) {
    return QString::fromUtf8(Tr(german, english));
}

}  // namespace

QString AssistantCaption() {
    return Text("Skalen-Assistent", "Scale assistant");
}
QString StyleGroup() {
    return Text("Stil", "Style");
}
QString ParameterHeader() {
    return Text("Parameter", "Parameter");
}
QString ValueHeader() {
    return Text("Wert", "Value");
}
QString InscriptionsButton() {
    return Text("&Beschriften...", "Inscriptions...");
}
QString CancelButton() {
    return Text("&Abbruch", "&Cancel");
}
QString OkButton() {
    return Text("&OK", "&OK");
}
std::string YesText() {
    return Tr("Ja", "Yes");
}
std::string NoText() {
    return Tr("Nein", "No");
}
QString CorrectionCaption() {
    return Text("Hinweis", "Information");
}
QString CorrectionText() {
    return Text("Der eingegebene Wert überschreitet die zulässigen Grenzen und wird korrigiert!",
                "Value exceeds range and will be corrected!");
}

QString InscriptionsCaption() {
    return Text("Beschriften", "Inscriptions");
}
QString SegmentHeader() {
    return Text("Segment", "Segment");
}
QString TextHeader() {
    return Text("Text", "Text");
}
QString InscriptionsOk() {
    return Text("&Ok", "&Ok");
}

}  // namespace pw::scale_texts
