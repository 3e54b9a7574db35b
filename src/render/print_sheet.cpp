#include "render/print_sheet.h"

#include <cmath>

#include "core/language.h"
#include "core/print_calibration.h"
#include "text/font_engine.h"

namespace pw {

namespace {

// The texts of the printed sheets.
struct SheetTexts {
    const char* row;
    const char* column;
    const char* of;
    const char* testTitle;
    const char* testPrinter;
    const char* testFactors;
    const char* testHint;
};
const SheetTexts kGerman{"Zeile ",
                         "Spalte ",
                         " von ",
                         "Testseite: Quadrat 100 x 100 mm",
                         "Drucker: ",
                         "Korrekturfaktoren: ",
                         "Seiten nachmessen und die Längen unter \"Kalibrieren...\" eintragen."};
const SheetTexts kEnglish{"row ",
                          "column ",
                          " of ",
                          "Test page: square 100 x 100 mm",
                          "Printer: ",
                          "Calibration: ",
                          "Measure the sides and enter the lengths under \"Calibration...\"."};
const SheetTexts& Texts() {
    return IsEnglish() ? kEnglish : kGerman;
}

constexpr Color kOutlineColour = 0x800000;
constexpr int32_t kMarkArm = 150;     // alignment cross: 3 mm each way
constexpr int32_t kMarkRadius = 100;  // and a circle of 2 mm
constexpr int32_t kMarkHalo = 25;     // a white band of 0.5 mm under them
constexpr double kLabelHeightMm = 2.5;

int32_t Px(double v) {
    return static_cast<int32_t>(std::lround(v));
}

IRect DeviceRect(const SheetGeometry& d) {
    return {Px(d.originX), Px(d.originY), Px(d.originX + d.printableWidth),
            Px(d.originY + d.printableHeight)};
}

// Device coordinates, one logical unit per device unit.
void MapDevice(Canvas& c) {
    c.SetMapMode(MapMode::Text);
    c.SetWindowOrg(0, 0);
    c.SetViewportOrg(0, 0);
}

void Hairline(Canvas& c, Color colour) {
    c.SetPenWidth(0);
    c.SetPenStyle(PenStyle::Solid);
    c.SetPenMode(PenMode::Copy);
    c.SetPenColor(colour);
    c.SetBrushStyle(bsClear);
}

void Line(Canvas& c, IPoint a, IPoint b) {
    c.MoveTo(a);
    c.LineTo(b);
}

// Crop and alignment marks, their sizes on paper. The alignment marks lie on the panel: a
// white band under each black line keeps them visible on any panel colour.
void PaintMarks(Canvas& c, const PrintPlan& plan) {
    const double f = plan.settings.Divisor();
    const int32_t arm = RoundToInt(kMarkArm * f), radius = RoundToInt(kMarkRadius * f);
    Hairline(c, kBlack);
    for (const Segment& s : CropMarks(plan.panelWidth, plan.panelHeight, f)) Line(c, s.first, s.second);
    for (int32_t halo : {RoundToInt(kMarkHalo * f), 0}) {
        Hairline(c, halo ? kWhite : kBlack);
        c.SetPenWidth(halo);
        for (IPoint m : AlignmentMarks(plan.split)) {
            Line(c, {m.x - arm, m.y}, {m.x + arm, m.y});
            Line(c, {m.x, m.y - arm}, {m.x, m.y + arm});
            c.Ellipse({m.x - radius, m.y - radius, m.x + radius, m.y + radius});
        }
    }
}

void PaintLabel(Canvas& c, const SheetGeometry& d, const std::string& text) {
    MapDevice(c);
    FontSpec font;
    font.name = "ARIAL";
    font.height = std::max(1, Px(kLabelHeightMm * d.dpiY / 25.4));
    c.SetFont(font);
    c.SetTextColor(kBlack);
    c.SetBrushStyle(bsClear);
    c.TextOut({Px(d.originX + d.dpiX / 25.4), Px(d.originY + d.dpiY / 25.4)}, text);
}

void PaintSplitSheet(TPlatine& panel, Canvas& c, const PrintPlan& plan, int index, const SheetGeometry& d,
                     PrintScale scale) {
    const int row = index / plan.split.columns, column = index % plan.split.columns;
    const CanvasMapping mapping = MappingFor(d, scale, plan.Origin(index, 0, 0), plan.settings.mirrored);
    c.ResetClip();
    MapDevice(c);
    c.IntersectClipRect(DeviceRect(d));
    mapping.ApplyTo(c);
    panel.PrintPaint(c, c.ClipBox());
    MapDevice(c);
    c.IntersectClipRect(DeviceRect(d));
    mapping.ApplyTo(c);
    PaintMarks(c, plan);
    PaintLabel(c, d,
               SheetLabel(row, plan.split.rows, plan.split.AssemblyColumn(column, plan.settings.mirrored),
                          plan.split.columns));
    c.ResetClip();
}

}  // namespace

std::string SheetLabel(int row, int rows, int column, int columns) {
    const SheetTexts& t = Texts();
    return t.row + std::to_string(row + 1) + t.of + std::to_string(rows) + ", " + t.column +
           std::to_string(column + 1) + t.of + std::to_string(columns);
}

void SetPrintFlags(TPlatine& panel, const PrintSettings& s) {
    panel.WillsteHintergrund = s.WillsteHintergrund;
    panel.WillsteRahmen = s.WillsteRahmen;
    panel.WillsteLineale = s.WillsteLineale && s.Decorations();
    panel.WillsteInfos = s.WillsteInfos && s.Decorations();
    if (panel.MitSymbolen() != s.WillsteSymbole) panel.SetMitSymbolen(s.WillsteSymbole);
    if (panel.MitBemassung() != s.WillsteBemassung) panel.SetMitBemassung(s.WillsteBemassung);
    if (panel.MitBohren() != s.WillsteBohren) panel.SetMitBohren(s.WillsteBohren);
}

void PaintSheet(TPlatine& panel, Canvas& c, const PrintPlan& plan, int index, const SheetGeometry& device) {
    SetPrintFlags(panel, plan.settings);
    const PrintScale scale = ScaleOf(device, plan.settings.Divisor(), plan.calibration);
    if (plan.settings.split) {
        PaintSplitSheet(panel, c, plan, index, device, scale);
        return;
    }
    for (int r = 0; r < plan.Rows(); ++r)
        for (int col = 0; col < plan.Columns(); ++col) {
            MappingFor(device, scale, plan.Origin(index, r, col), plan.settings.mirrored).ApplyTo(c);
            panel.PrintPaint(c, c.ClipBox());
        }
}

void PaintCopyOutlines(Canvas& c, const PrintPlan& plan, const SheetGeometry& device) {
    const PrintScale scale = ScaleOf(device, plan.settings.Divisor(), plan.calibration);
    const IRect outline{0, 0, RoundToInt(plan.panelWidth), RoundToInt(plan.panelHeight)};
    for (int r = 0; r < plan.Rows(); ++r)
        for (int col = 0; col < plan.Columns(); ++col) {
            MappingFor(device, scale, plan.Origin(0, r, col), plan.settings.mirrored).ApplyTo(c);
            Hairline(c, kOutlineColour);
            c.Rectangle(outline);
        }
}

void PaintTestPage(Canvas& c, const SheetGeometry& device, const Calibration& calibration,
                   const std::string& printerName) {
    const PrintPlan plan = PlanPrint(kTestSquare, kTestSquare, TestPageSettings(), calibration, device);
    MappingFor(device, plan.scale, plan.Origin(0, 0, 0), false).ApplyTo(c);
    Hairline(c, kBlack);
    const int32_t side = RoundToInt(kTestSquare);
    c.Rectangle({0, 0, side, side});
    FontSpec font;
    font.name = "ARIAL";
    font.height = 100;
    c.SetFont(font);
    c.SetTextColor(kBlack);
    for (int32_t k = 0; k <= 100; ++k) {
        const int32_t at = kUnitsPerMm * k, length = k % 10 == 0 ? 250 : k % 5 == 0 ? 150 : 75;
        Line(c, {at, 0}, {at, length});
        Line(c, {at, side}, {at, side - length});
        Line(c, {0, at}, {length, at});
        Line(c, {side, at}, {side - length, at});
        if (k % 10 == 0 && k > 0 && k < 100) {
            c.TextOut({at - TextWidth(c, std::to_string(k)) / 2, 300}, std::to_string(k));
            c.TextOut({300, at - 50}, std::to_string(k));
        }
    }
    const SheetTexts& t = Texts();
    const char sep = DecimalSeparator();
    font.height = 150;
    c.SetFont(font);
    c.TextOut({0, -750}, t.testTitle);
    c.TextOut({0, -550}, t.testPrinter + printerName);
    c.TextOut({0, -350}, std::string(t.testFactors) + "H " + FormatFactor(calibration.h, sep) + ", V " +
                             FormatFactor(calibration.v, sep));
    c.TextOut({0, side + 200}, t.testHint);
}

}  // namespace pw
