#pragma once
// TBMP_Dlg, "Eigenschaften Bitmap": the transparency of a bitmap element. The preview shows the
// picture at its own size over a tiled text backdrop that shows through its transparent parts;
// a click into the picture makes the colour of the picture's pixel under the pointer the key
// colour and switches transparency on. The swatch opens the colour dialog.

#include <QDialog>
#include <QWidget>
#include <functional>
#include <optional>

#include "core/image.h"
#include "elements/btmap.h"

class QCheckBox;

namespace pw {

class ColourSwatch;

// The preview box: backdrop, then the picture at the top left with the key colour see-through.
class BmpPreview : public QWidget {
    Q_OBJECT
  public:
    explicit BmpPreview(QWidget* parent = nullptr);
    void SetPicture(const Image& picture) { picture_ = picture; }
    void SetKey(bool on, Color key);

  signals:
    // A press on a pixel of the picture, with that pixel's colour.
    void pixelPicked(Color colour);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    Image picture_;
    bool keyed_ = false;
    Color key_ = kButtonFaceKey;
};

class TBMP_Dlg : public QDialog {
    Q_OBJECT
  public:
    explicit TBMP_Dlg(QWidget* parent = nullptr);
    void SetValues(const Image* picture, TBtmap::Transparency values);
    TBtmap::Transparency Values() const;

    // Opens the colour dialog; the program installs one that keeps its custom colours.
    using ColourChooser = std::function<std::optional<Color>(QWidget* parent, Color initial)>;
    static void SetColourChooser(ColourChooser chooser);

    BmpPreview* PaintBox1;
    QCheckBox* cb_Transparent;
    ColourSwatch* Color_Shape;

  private:
    void ShowKey();
    Color key_ = kButtonFaceKey;
};

// Shows the dialog modally for the element: the confirmed values, nothing when cancelled.
std::optional<TBtmap::Transparency> ShowBmpDlg(QWidget* parent, const TBtmap& element);

}  // namespace pw
