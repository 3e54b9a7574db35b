#include "ui/dialogs/export_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ui/dialogs/dialog_frame.h"

namespace pw {

namespace {

struct FormatEntry {
    ExportFormat format;
    const char* german;
    const char* english;
};

// In the order of the list; the metafile comes first, as it is the usual choice.
constexpr FormatEntry kFormats[] = {
    {ExportFormat::Emf, "Erweiterte Metadatei (EMF)", "Enhanced metafile (EMF)"},
    {ExportFormat::Bmp, "Bitmap, 150 dpi (BMP)", "Bitmap, 150 dpi (BMP)"},
    {ExportFormat::Png, "PNG-Bild", "PNG picture"},
    {ExportFormat::Svg, "SVG-Zeichnung", "SVG drawing"},
    {ExportFormat::Pdf, "PDF-Dokument", "PDF document"},
    {ExportFormat::Dxf, "DXF zum Fräsen und Gravieren", "DXF for milling and engraving"},
};

}  // namespace

TExport_Dlg::TExport_Dlg(bool selectionPossible, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Export_Dlg"));
    setWindowTitle(QStringLiteral("Export"));
    auto* layout = new QVBoxLayout(this);
    auto* options = new QGroupBox(TrQ("Optionen", "Options"), this);
    auto* optionsLayout = new QVBoxLayout(options);
    rb_Auswahl = new QRadioButton(TrQ("nur gewählte Objekte", "Selected objects"), options);
    rb_Auswahl->setObjectName(QStringLiteral("rb_Auswahl"));
    rb_alles = new QRadioButton(TrQ("Alle Objekte", "All objects"), options);
    rb_alles->setObjectName(QStringLiteral("rb_alles"));
    cb_Hintergrund = new QCheckBox(TrQ("mit Hintergrund", "with background"), options);
    cb_Hintergrund->setObjectName(QStringLiteral("cb_Hintergrund"));
    optionsLayout->addWidget(rb_Auswahl);
    optionsLayout->addWidget(rb_alles);
    optionsLayout->addWidget(cb_Hintergrund);
    layout->addWidget(options);

    auto* form = new QFormLayout;
    FormatCombo = new QComboBox(this);
    FormatCombo->setObjectName(QStringLiteral("FormatCombo"));
    for (const FormatEntry& f : kFormats) {
        FormatCombo->addItem(TrQ(f.german, f.english), static_cast<int>(f.format));
        if (!ExportFormatAvailable(f.format)) {
            const int row = FormatCombo->count() - 1;
            FormatCombo->setItemData(row, 0, Qt::UserRole - 1);  // not selectable
            FormatCombo->setItemText(
                row, FormatCombo->itemText(row) + TrQ(" – noch nicht verfügbar", " – not available yet"));
        }
    }
    form->addRow(TrQ("Format", "Format"), FormatCombo);
    DpiEdit = new QSpinBox(this);
    DpiEdit->setObjectName(QStringLiteral("DpiEdit"));
    DpiEdit->setRange(10, 2400);
    DpiEdit->setSuffix(QStringLiteral(" dpi"));
    form->addRow(TrQ("Auflösung (PNG)", "Resolution (PNG)"), DpiEdit);
    layout->addLayout(form);
    connect(FormatCombo, &QComboBox::currentIndexChanged, this, [this] { UpdateDpiField(); });

    rb_alles->setChecked(true);
    rb_Auswahl->setEnabled(selectionPossible);
    cb_Hintergrund->setChecked(true);
    SetChoice(ExportChoice{});
    AddDialogButtons(*this, *layout);
    MakeFixedSize(*this);
}

void TExport_Dlg::SetChoice(const ExportChoice& choice) {
    if (choice.selectedOnly && rb_Auswahl->isEnabled())
        rb_Auswahl->setChecked(true);
    else
        rb_alles->setChecked(true);
    cb_Hintergrund->setChecked(choice.withBackground);
    ExportFormat format = choice.format;
    if (!ExportFormatAvailable(format)) format = ExportFormat::Bmp;
    FormatCombo->setCurrentIndex(FormatCombo->findData(static_cast<int>(format)));
    DpiEdit->setValue(static_cast<int>(choice.pngDotsPerInch));
    UpdateDpiField();
}

ExportChoice TExport_Dlg::Choice() const {
    ExportChoice c;
    c.selectedOnly = rb_Auswahl->isChecked();
    c.withBackground = cb_Hintergrund->isChecked();
    c.format = static_cast<ExportFormat>(FormatCombo->currentData().toInt());
    c.pngDotsPerInch = DpiEdit->value();
    return c;
}

void TExport_Dlg::UpdateDpiField() {
    DpiEdit->setEnabled(static_cast<ExportFormat>(FormatCombo->currentData().toInt()) == ExportFormat::Png);
}

std::optional<ExportChoice> ShowExportDlg(QWidget* parent, bool selectionPossible, const ExportChoice& last) {
    TExport_Dlg dialog(selectionPossible, parent);
    dialog.SetChoice(last);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Choice();
}

QString ExportFilter(ExportFormat format) {
    switch (format) {
        case ExportFormat::Bmp:
            return TrQ("Bitmaps (*.bmp)", "Bitmaps (*.bmp)");
        case ExportFormat::Emf:
            return TrQ("Erweiterte Metadateien (*.emf)", "Enhanced metafiles (*.emf)");
        case ExportFormat::Png:
            return TrQ("PNG-Bilder (*.png)", "PNG pictures (*.png)");
        case ExportFormat::Svg:
            return TrQ("SVG-Zeichnungen (*.svg)", "SVG drawings (*.svg)");
        case ExportFormat::Pdf:
            return TrQ("PDF-Dokumente (*.pdf)", "PDF documents (*.pdf)");
        case ExportFormat::Dxf:
            return TrQ("DXF-Zeichnungen (*.dxf)", "DXF drawings (*.dxf)");
    }
    return {};
}

}  // namespace pw
