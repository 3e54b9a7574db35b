#pragma once
// Panel2: the tool palette along the left edge. Its drawing and editing buttons form one group
// of which one shows pressed; each carries a tag that names the panel's edit mode. The scale
// assistant and picture import buttons stand outside the group. A right click on the origin
// button asks for the grid dialog.

#include <QWidget>
#include <optional>

#include "panel/platine.h"

class QToolButton;

namespace pw {

// The edit mode a palette button's tag selects; nothing for tags that only show the button
// pressed.
std::optional<TEditMode> ModeOfToolTag(int tag);

class ToolPalette : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kWidth = 42;
    enum Tag {
        kStandard = 1,
        kZoom = 2,
        kDrehen = 3,
        kBogen = 4,
        kText = 6,
        kLinie = 7,
        kUrsprung = 8,
        kKreis = 9,
        kBohr = 10,
        kRect = 11,
        kPolygon = 12,
        kMass = 13,
        kVieleck = 14,
    };

    explicit ToolPalette(QWidget* parent = nullptr);

    // Shows the button of the tag pressed and releases the others.
    void ShowPressed(int tag);
    int Pressed() const;
    QToolButton* Button(const char* name) const;

  signals:
    // A button of the group was clicked (VieleckBtn has its own signal).
    void toolClicked(int tag);
    void regularPolygonClicked();
    void scaleAssistantClicked();
    void pictureImportClicked();
    void gridDialogRequested();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QToolButton* AddButton(const char* name, int tag, bool inGroup);
};

}  // namespace pw
