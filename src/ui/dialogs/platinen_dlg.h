#pragma once
// TPlatinenDlg: the panel properties dialog (name, size, colour). It shows the values it is
// given and gives back what the user confirmed; the main window stores them in the panel.
// Closing it by any button first checks both sizes: outside 10 to 600 mm a warning appears and
// the dialog stays open. A click on the colour swatch opens the colour dialog, whose custom
// colours live in Colors.dat of the program directory.

#include <QDialog>
#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "core/color.h"
#include "core/numbers.h"

class QLineEdit;

namespace pw {

class ColourSwatch;
class NumberField;

class TPlatinenDlg : public QDialog {
    Q_OBJECT
  public:
    // programDir: the writable program directory that holds Colors.dat.
    explicit TPlatinenDlg(const QString& programDir, QWidget* parent = nullptr);

    void SetValues(const std::string& name, Real widthMm, Real heightMm, Color colour);
    std::string Name() const;
    // The sizes as typed, read as numbers (mm).
    Real WidthMm() const;
    Real HeightMm() const;
    Color Colour() const;

    static bool SizesValid(Real widthMm, Real heightMm);
    // The warning box about the sizes; replaceable (tests answer in its place).
    std::function<void(QWidget* parent, const QString& title, const QString& text)> ShowWarning;
    // How the colour is chosen (ChooseColour by default); replaceable like the warning.
    std::function<std::optional<Color>(QWidget* parent, Color initial, const QString& programDir)>
        ChooseColourFunction;

    void done(int result) override;

    QLineEdit* NameEdit;
    NumberField* xAbmessung;
    NumberField* yAbmessung;
    ColourSwatch* ColorPanel;

  private:
    void OnColourClicked();

    QString programDir_;
};

}  // namespace pw
