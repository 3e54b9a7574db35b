#pragma once
// TPrint_Dlg: the print dialog. Left the options (view normal or mirrored, what is printed,
// centred, the scale, splitting over sheets), the buttons for the printer set-up, calibration,
// copies, test page and defaults; right the live preview. Every change goes into the session's
// settings at once and redraws the preview. "&Drucken" accepts; the print command prints.

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace pw {

class NumberField;
class PrintPreview;
class PrintSession;

class TPrint_Dlg : public QDialog {
    Q_OBJECT
  public:
    explicit TPrint_Dlg(PrintSession& session, QWidget* parent = nullptr);

    // The widgets from the settings, and the preview, caption and notes after a change.
    void Load();
    void Refresh();

    QRadioButton* Bauteilseite;
    QRadioButton* Spiegeln;
    QCheckBox* WillsteHintergrund;
    QCheckBox* WillsteRahmen;
    QCheckBox* WillsteLineale;
    QCheckBox* WillsteInfos;
    QCheckBox* WillsteBemassung;
    QCheckBox* WillsteBohren;
    QCheckBox* WillsteSymbole;
    QCheckBox* WillsteMittig;
    QRadioButton* S_1zu1;
    QRadioButton* S_Frei;
    QScrollBar* S_Wert;
    QLabel* L_Scale;
    QCheckBox* Aufteilen;
    NumberField* Ueberlappung;
    QLabel* BlattInfo;
    QPushButton* SetupBtn;
    QPushButton* KalibrierenBtn;
    QPushButton* KachelBtn;
    QPushButton* TestseiteBtn;
    QPushButton* StandardBtn;
    QPushButton* DruckenBtn;
    QPushButton* AbbruchBtn;
    PrintPreview* PaintBox1;

  private:
    QWidget* MakeOptions();
    QWidget* MakeButtons();
    void Store();
    void Setup();
    void Calibrate();
    void Tiles();
    void Defaults();

    PrintSession& session_;
    bool loading_ = false;
};

}  // namespace pw
