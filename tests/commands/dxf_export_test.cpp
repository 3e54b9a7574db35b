// The DXF drawing of a panel, read back by ezdxf (python3-ezdxf), a reader that is not ours.

#include "panel/dxf_export.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "elements/bogen.h"
#include "elements/bohrung.h"
#include "elements/gruppe.h"
#include "elements/kreis.h"
#include "elements/rechteck.h"
#include "elements/textlabel.h"
#include "panel/dxf_writer.h"
#include "panel/fine_contour.h"
#include "panel/platine.h"
#include "support/element_makers.h"

namespace pw {
namespace {

using test::Drill;

// Prints one line per entity: type, layer, then its figures in mm with two decimals.
constexpr const char* kReader = R"(import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
print("INSUNITS", doc.header.get("$INSUNITS", 0))
print("LAYERS", " ".join(sorted(l.dxf.name for l in doc.layers if l.dxf.name.isupper())))
for e in doc.modelspace():
    t = e.dxftype(); L = e.dxf.layer
    if t == "CIRCLE":
        print(t, L, "%.2f %.2f %.2f" % (e.dxf.center.x, e.dxf.center.y, e.dxf.radius))
    elif t == "ARC":
        print(t, L, "%.2f %.2f %.2f %.2f %.2f" % (e.dxf.center.x, e.dxf.center.y, e.dxf.radius, e.dxf.start_angle % 360, e.dxf.end_angle % 360))
    elif t == "POLYLINE":
        pts = [v.dxf.location for v in e.vertices]
        xs = [p.x for p in pts]; ys = [p.y for p in pts]
        print(t, L, int(e.is_closed), len(pts), "%.2f %.2f %.2f %.2f" % (min(xs), min(ys), max(xs), max(ys)))
    else:
        print(t, L)
)";

std::string Shell(const std::string& command) {
    std::string out;
    FILE* p = popen(command.c_str(), "r");
    if (!p) return out;
    char buffer[512];
    while (fgets(buffer, sizeof buffer, p)) out += buffer;
    pclose(p);
    return out;
}

// Debian's interpreter, where python3-ezdxf installs; another python3 on the path may lack it.
std::string Python() {
    return std::ifstream("/usr/bin/python3").good() ? "/usr/bin/python3" : "python3";
}

bool HaveEzdxf() {
    return Shell(Python() + " -c 'import ezdxf; print(1)' 2>/dev/null") == "1\n";
}

std::vector<std::string> ReadBack(const std::string& dxf) {
    const std::string dir = ::testing::TempDir();
    const std::string file = dir + "/panel_export.dxf", script = dir + "/read_dxf.py";
    std::ofstream(file, std::ios::binary) << dxf;
    std::ofstream(script) << kReader;
    std::istringstream lines(Shell(Python() + " " + script + " " + file + " 2>&1"));
    std::vector<std::string> result;
    for (std::string line; std::getline(lines, line);) result.push_back(line);
    return result;
}

size_t CountPrefix(const std::vector<std::string>& lines, const std::string& prefix) {
    size_t n = 0;
    for (const std::string& l : lines) n += l.rfind(prefix, 0) == 0;
    return n;
}

template <class T>
T* Add(TPlatine& panel, std::unique_ptr<T> e) {
    return static_cast<T*>(panel.AddElement(std::move(e)));
}

std::unique_ptr<TKreis> Circle(Real x, Real y, Real r, bool milled) {
    auto k = std::make_unique<TKreis>();
    k->Centre = {x, y};
    k->RimPoint = {x + r, y};
    k->BuildContour();
    k->SetFraesen(milled);
    return k;
}

// A 100 x 50 mm panel with drill holes (one twice, one in a group), an engraved and a milled
// circle, a milled contour, an arc, a text and a hidden line.
struct DxfPanel : ::testing::Test {
    TPlatine panel;
    DxfPanel() {
        panel.Width = 5000;
        panel.Height = 2500;
        Add(panel, Drill(1000, 500, 150));
        Add(panel, Drill(1000, 500, 150));
        auto group = std::make_unique<TGruppe>();
        group->AddMember(Drill(4500, 2000, 320));
        Add(panel, std::move(group));
        Add(panel, Circle(2500, 1250, 500, false));
        Add(panel, Circle(4000, 1250, 250, true));
        auto contour = std::make_unique<TRechteck>();
        for (MPoint p : {MPoint{500, 1500}, MPoint{1500, 1500}, MPoint{1500, 2000}, MPoint{500, 2000}})
            contour->AddPoint(p);
        contour->SetClosed(true);
        contour->SetFraesen(true);
        Add(panel, std::move(contour));
        auto arc = std::make_unique<TBogen>();
        arc->Centre = {1000, 1500};
        arc->RimPoint = {1500, 1500};
        arc->StartPoint = {1500, 1500};
        arc->EndPoint = {1000, 1000};
        arc->BuildArc();
        Add(panel, std::move(arc));
        Add(panel, std::make_unique<TTextLabel>(FontSpec{"Arial", 250, 0}, "A", MPoint{3000, 300}));
        auto hidden = std::make_unique<TLinie>();
        hidden->AddPoint({0, 0});
        hidden->AddPoint({4000, 2000});
        hidden->SetHidden(true);
        Add(panel, std::move(hidden));
    }
};

TEST_F(DxfPanel, EntitiesLayersAndCoordinatesReadBackByEzdxf) {
    if (!HaveEzdxf()) GTEST_SKIP() << "python3-ezdxf is not installed";
    const DxfExportResult dxf = PanelDxf(panel);
    EXPECT_EQ(dxf.skipped, 0u);
    const std::vector<std::string> lines = ReadBack(dxf.text);
    auto has = [&](const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    };
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], "INSUNITS 4");
    EXPECT_TRUE(has("LAYERS DIMENSION DRILL ENGRAVE MILL PANEL")) << lines[1];
    // y upward from the panel's lower-left corner; the doubled hole is written once.
    EXPECT_TRUE(has("POLYLINE PANEL 1 4 0.00 0.00 100.00 50.00"));
    EXPECT_TRUE(has("CIRCLE DRILL 20.00 40.00 1.50"));
    EXPECT_TRUE(has("CIRCLE DRILL 90.00 10.00 3.20"));
    EXPECT_EQ(CountPrefix(lines, "CIRCLE DRILL"), 2u);
    EXPECT_TRUE(has("CIRCLE ENGRAVE 50.00 25.00 10.00"));
    EXPECT_TRUE(has("CIRCLE MILL 80.00 25.00 5.00"));
    EXPECT_TRUE(has("POLYLINE MILL 1 4 10.00 10.00 30.00 20.00"));
    // From the start point clockwise on screen to the top: counter-clockwise from 90 to 0 degrees.
    EXPECT_TRUE(has("ARC ENGRAVE 20.00 20.00 10.00 90.00 0.00"));
    // The text's glyph: the outer and the inner outline of "A", closed, inside its frame.
    EXPECT_EQ(CountPrefix(lines, "POLYLINE ENGRAVE 1"), 2u);
    // Nothing else: the hidden line is left out.
    EXPECT_EQ(lines.size(), 2u + 1 + 2 + 2 + 1 + 1 + 2);
}

TEST_F(DxfPanel, TextOutlinesLieInsideTheTextAndSelectionLeavesTheRestOut) {
    TBauteil* text = panel.Elements()[7].get();
    text->SetSelected(true);
    const DxfExportResult dxf = PanelDxf(panel, true, false);
    EXPECT_EQ(dxf.text.find("PANEL\n10"), std::string::npos);
    EXPECT_EQ(dxf.text.find("CIRCLE"), std::string::npos);
    const MRect b = text->GetBounds();
    // Every vertex (codes 10 and 20 after a VERTEX) inside the text's bounds, in mm, y upward.
    std::istringstream in(dxf.text);
    std::string code, value;
    int vertices = 0;
    bool inVertex = false;
    double x = 0;
    while (std::getline(in, code) && std::getline(in, value)) {
        if (code == "0") inVertex = value == "VERTEX";
        if (!inVertex) continue;
        if (code == "10") x = std::stod(value);
        if (code == "20") {
            const double y = std::stod(value);
            ++vertices;
            EXPECT_GE(x, static_cast<double>(b.x1) / 50 - 1e-9);
            EXPECT_LE(x, static_cast<double>(b.x2) / 50 + 1e-9);
            EXPECT_GE(y, (2500 - static_cast<double>(b.y2)) / 50 - 1e-9);
            EXPECT_LE(y, (2500 - static_cast<double>(b.y1)) / 50 + 1e-9);
        }
    }
    EXPECT_GT(vertices, 10);
}

TEST(DxfWriter, WritesExactGroupsAndEachEntityOnce) {
    DxfWriter w;
    w.Circle(DxfLayer::Drill, 20, 40, 1.5);
    w.Circle(DxfLayer::Drill, 20, 40, 1.5);
    w.Circle(DxfLayer::Mill, 20, 40, 1.5);
    w.Polyline(DxfLayer::Mill, {{0, 0, 0}, {1, 0, -0.4142135623}}, true);
    w.Polyline(DxfLayer::Mill, {{0, 0, 0}}, false);
    EXPECT_EQ(w.EntityCount(), 3u);
    const std::string text = w.Finish();
    EXPECT_NE(text.find("0\nCIRCLE\n8\nDRILL\n10\n20\n20\n40\n30\n0\n40\n1.5\n0\nCIRCLE\n8\nMILL\n"),
              std::string::npos);
    EXPECT_NE(text.find("0\nVERTEX\n8\nMILL\n10\n1\n20\n0\n30\n0\n42\n-0.414214\n0\nSEQEND\n8\nMILL\n"),
              std::string::npos);
    EXPECT_NE(text.find("9\n$INSUNITS\n70\n4\n"), std::string::npos);
    const std::string end = "0\nENDSEC\n0\nEOF\n";
    EXPECT_EQ(text.substr(text.size() - end.size()), end);
    EXPECT_EQ(DxfNumber(-0.0000001), "0");
    EXPECT_EQ(DxfNumber(12.5), "12.5");
    EXPECT_EQ(DxfNumber(1e300 * 1e300), "0");
}

// Points of the quadratic Bezier a -> c -> b, densely.
std::vector<MPoint> Dense(MPoint a, MPoint c, MPoint b) {
    std::vector<MPoint> out;
    for (int i = 0; i <= 1000; ++i) {
        const Real t = i / 1000.0L, u = 1 - t;
        out.push_back(
            {u * u * a.x + 2 * u * t * c.x + t * t * b.x, u * u * a.y + 2 * u * t * c.y + t * t * b.y});
    }
    return out;
}

Real DistanceToPolyline(MPoint p, const std::vector<MPoint>& line, bool closed) {
    Real best = 1e30L;
    const size_t n = line.size();
    for (size_t i = 0; i + (closed ? 0 : 1) < n; ++i)
        best = std::min(best, DistanceFromLine(p, line[i], line[(i + 1) % n]));
    return best;
}

TEST(FineContour, SmoothedContoursKeepWithinTheToleranceAndCirclesAreFound) {
    const std::deque<MPoint> pts{{0, 0}, {4000, 0}, {4000, 3000}, {200, 2900}};
    const std::vector<MPoint> spline = FlattenFine(pts, true, {true, glSpline, 0}, 0.5);
    const std::vector<MPoint> rounded = FlattenFine(pts, true, {true, glRundung, 600}, 0.5);
    for (size_t k = 0; k < pts.size(); ++k) {
        const MPoint p = pts[k], q = pts[(k + 1) % 4], r = pts[(k + 2) % 4];
        for (MPoint on : Dense(Midpoint(p, q), q, Midpoint(q, r)))
            ASSERT_LE(DistanceToPolyline(on, spline, true), 0.5L + 1e-9L);
        for (MPoint on : Dense(Towards(q, p, 600 / Distance(p, q)), q, Towards(q, r, 600 / Distance(q, r))))
            ASSERT_LE(DistanceToPolyline(on, rounded, true), 0.5L + 1e-9L);
    }
    // Closed outlines do not repeat their first point; unsmoothed ones are their vertices.
    EXPECT_NE(spline.front().x, spline.back().x);
    EXPECT_EQ(FlattenFine(pts, true, {false, glSpline, 0}, 0.5).size(), 4u);
    EXPECT_EQ(FlattenFine(pts, false, {true, glFase, 100}, 0.5).size(), 2u + 2 * 2);

    TKreis k;
    k.Centre = {1234.5L, 678};
    k.RimPoint = {1234.5L + 777, 678};
    k.BuildContour();
    k.Rotate({0, 0}, 0.3);
    const std::optional<FineCircle> c = SplineCircle(k.InnerContour().Points(), 0.5);
    ASSERT_TRUE(c);
    EXPECT_NEAR(static_cast<double>(c->radius), 777, 0.01);
    k.Scale({0, 0}, 1, 1.5L);
    EXPECT_FALSE(SplineCircle(k.InnerContour().Points(), 0.5));
}

}  // namespace
}  // namespace pw
