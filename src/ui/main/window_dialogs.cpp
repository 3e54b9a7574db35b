#include "ui/main/window_dialogs.h"

namespace pw {

PanelPropertiesValues PanelPropertiesOf(const TPlatine& panel) {
    PanelPropertiesValues v;
    v.name = panel.Name.Text();
    v.widthMm = panel.Width / kUnitsPerMm;
    v.heightMm = panel.Height / kUnitsPerMm;
    v.colour = panel.StoredFrontplattenFarbe();
    return v;
}

void ApplyPanelProperties(TPlatine& panel, const PanelPropertiesValues& values) {
    panel.SetFrontplattenFarbe(values.colour);
    panel.Name.SetText(values.name);
    auto units = [](Real mm) {
        if (!(mm >= 10)) mm = 10;
        if (mm > kMaxPanelSide / kUnitsPerMm) mm = kMaxPanelSide / kUnitsPerMm;
        return RoundEven(mm * kUnitsPerMm);
    };
    panel.Width = units(values.widthMm);
    panel.Height = units(values.heightMm);
}

}  // namespace pw
