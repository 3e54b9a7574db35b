#pragma once
// TSymbolDlg ("Eigenschaften Symbol"): a library symbol's name and insertion point. The symbol
// is shown on a preview panel in emPoint, with the grid of the document panel and the red
// marker at the insertion point; a click moves the marker to the snapped pointer, the nine
// position buttons put it on a reference point of the symbol's bounds ("Außenkante": with the
// pen, "Außenlinie": without) brought onto the grid.

#include <QDialog>
#include <memory>
#include <optional>
#include <string>

#include "panel/platine.h"
#include "panel/symbol_preview.h"

class QLineEdit;
class QPushButton;

namespace pw {

class PanelView;

class TSymbolDlg : public QDialog {
    Q_OBJECT
  public:
    explicit TSymbolDlg(QWidget* parent = nullptr);
    ~TSymbolDlg() override;

    // Fills the dialog: the name, the symbol's elements, the document panel's grid and the
    // insertion point.
    void Fill(const std::string& name, const MemoryStream& symbol, bool gridVisible, Real snapSpacing,
              MPoint insertPoint);
    std::string Name() const;
    MPoint InsertPoint() const { return preview_.Result(); }
    QPushButton* PositionButton(int tag) const { return buttons_[tag - 1]; }
    TPlatine& PreviewPanel() { return panel_; }

    QLineEdit* BeschreibungEdit;

  protected:
    // The preview fits the symbol once the view has its size.
    void showEvent(QShowEvent* event) override;

  private:
    TPlatine panel_;
    SymbolPreview preview_{panel_};
    PanelView* view_;
    QPushButton* buttons_[11] = {};
};

struct SymbolProperties {
    std::string name;
    MPoint insertPoint;
};

// Shows the dialog modally: the confirmed name and insertion point, nothing when cancelled.
std::optional<SymbolProperties> ShowSymbolDialog(QWidget* parent, const std::string& name,
                                                 const MemoryStream& symbol, bool gridVisible,
                                                 Real snapSpacing, MPoint insertPoint);

// TLibDlg ("Bibliothek"): a page's name and, for information, its file. The confirmed name,
// nothing when cancelled.
std::optional<std::string> ShowPageDialog(QWidget* parent, const std::string& name,
                                          const std::string& fileName);

}  // namespace pw
