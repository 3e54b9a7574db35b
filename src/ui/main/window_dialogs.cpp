#include "ui/main/window_dialogs.h"

namespace pw {

PanelPropertiesValues PanelPropertiesOf(const TPlatine& panel) {
    PanelPropertiesValues v;
    v.name = panel.Name.Text();
    v.widthMm = panel.Width / 50;
    v.heightMm = panel.Height / 50;
    v.colour = panel.StoredFrontplattenFarbe();
    return v;
}

void ApplyPanelProperties(TPlatine& panel, const PanelPropertiesValues& values) {
    panel.SetFrontplattenFarbe(values.colour);
    panel.Name.SetText(values.name);
    auto units = [](Real mm) {
        if (!(mm >= 10)) mm = 10;
        if (mm > 600) mm = 600;
        return RoundEven(mm * 50);
    };
    panel.Width = units(values.widthMm);
    panel.Height = units(values.heightMm);
}

}  // namespace pw
