#pragma once
// TLaden_Dlg: the small window shown while a document is read: the name of the panel being read
// and a progress gauge from 0 to 100. Reading a panel reports to it through LoadProgress; each
// report is painted at once, since reading does not return to the event loop.

#include <QDialog>

#include "panel/platine.h"

class QLabel;
class QProgressBar;

namespace pw {

class TLaden_Dlg : public QDialog, public LoadProgress {
    Q_OBJECT
  public:
    // Centred on the parent (the main window).
    explicit TLaden_Dlg(QWidget* parent = nullptr);

    void SetLabel(const std::string& panelName) override;
    void SetGauge(int percent) override;

    QLabel* Label;
    QProgressBar* Gauge;
};

}  // namespace pw
