#pragma once
// TBeschriften_Dlg: the inscription texts of a scale in a grid, one row per entry (the segment
// or mark number and its text). The number of rows never changes; only the texts are edited.

#include <QDialog>
#include <string>
#include <vector>

class QPushButton;

namespace pw {

class StringGrid;

class TBeschriften_Dlg : public QDialog {
    Q_OBJECT
  public:
    explicit TBeschriften_Dlg(const std::vector<std::string>& texts, QWidget* parent = nullptr);

    // The working list: one text per entry, as the grid holds them.
    std::vector<std::string> Texts() const;

    StringGrid* Grid;
    QPushButton* OK_Btn;
    QPushButton* cancel_Btn;

  public slots:
    // A text still being typed is taken.
    void accept() override;
};

}  // namespace pw
