#include "example_document.h"

#include <cmath>
#include <numbers>

#include "core/registry.h"
#include "elements/bemassung.h"
#include "elements/bogen.h"
#include "elements/bohrung.h"
#include "elements/kreis.h"
#include "elements/linie.h"
#include "elements/polygon.h"
#include "elements/rechteck.h"
#include "elements/textlabel.h"
#include "panel/document.h"
#include "panel/register_elements.h"
#include "panel/regular_polygon.h"
#include "scales/scale.h"

namespace pw {

namespace {

constexpr Real kMm = 50;
constexpr Color kPanelColour = RGBColor(52, 58, 68);
constexpr Color kLettering = RGBColor(236, 236, 230);
constexpr Color kAccent = RGBColor(232, 140, 40);

MPoint Mm(Real x, Real y) {
    return {x * kMm, y * kMm};
}

// Adds elements to one panel, in millimetres.
class PanelBuilder {
  public:
    explicit PanelBuilder(TPlatine& panel) : panel_(panel) {}

    template <class T>
    T* Add(std::unique_ptr<T> e) {
        return static_cast<T*>(panel_.AddElement(std::move(e)));
    }

    TRechteck* Contour(std::initializer_list<MPoint> cornersMm, Real penMm, Color pen) {
        auto r = std::make_unique<TRechteck>();
        for (MPoint p : cornersMm) r->AddPoint(Mm(p.x, p.y));
        r->SetStiftBreite(penMm * kMm);
        r->SetStiftFarbe(pen);
        return Add(std::move(r));
    }

    TRechteck* Box(Real x1, Real y1, Real x2, Real y2, Real penMm, Color pen) {
        return Contour({{x1, y1}, {x2, y1}, {x2, y2}, {x1, y2}}, penMm, pen);
    }

    static void Fill(TBauteil* e, Color colour) {
        e->SetBrushFarbe(colour);
        e->SetBrushStyle(bsSolid);
        e->SetFuellenFlag(true);
    }

    static void Smooth(TBauteil* e, TGlaettenStil style, Real amountMm) {
        e->SetGlaetten(true);
        e->SetGlaettenStil(style);
        e->SetGlaettenBetrag(amountMm * kMm);
    }

    TLinie* Line(std::initializer_list<MPoint> pointsMm, Real penMm, Color pen,
                 TPattern pattern = ptDurchgezogen) {
        auto l = std::make_unique<TLinie>();
        for (MPoint p : pointsMm) l->AddPoint(Mm(p.x, p.y));
        l->SetStiftBreite(penMm * kMm);
        l->SetStiftFarbe(pen);
        l->SetStiftPattern(pattern);
        return Add(std::move(l));
    }

    TKreis* Circle(Real cx, Real cy, Real radiusMm, Real penMm, Color pen) {
        auto k = std::make_unique<TKreis>();
        k->Centre = Mm(cx, cy);
        k->RimPoint = Mm(cx + radiusMm, cy);
        k->BuildContour();
        k->SetStiftBreite(penMm * kMm);
        k->SetStiftFarbe(pen);
        return Add(std::move(k));
    }

    TBohrung* Drill(Real cx, Real cy, Real diameterMm) {
        auto d = std::make_unique<TBohrung>();
        d->Centre = Mm(cx, cy);
        d->Diameter = diameterMm * kMm;
        return Add(std::move(d));
    }

    // A text whose top-left corner lies at (x, y); centred on x when asked.
    TTextLabel* Text(const char* text, Real x, Real y, Real heightMm, Color colour, bool centred = false,
                     uint8_t style = 0) {
        FontSpec font;
        font.name = "Arial";
        font.height = static_cast<int32_t>(heightMm * kMm);
        font.style = style;
        auto t = std::make_unique<TTextLabel>(font, text, Mm(x, y));
        t->SetStiftFarbe(colour);
        t->SetBrushFarbe(colour);
        t->SetBrushStyle(bsSolid);
        if (centred) t->Move({-t->NaturalWidth() / Real(2), 0});
        return Add(std::move(t));
    }

    TScale* Scale(int style, Real cx, Real cy, std::vector<std::string> labels,
                  std::initializer_list<std::pair<size_t, Real>> settings) {
        auto s = std::make_unique<TScale>();
        s->SetStyle(static_cast<uint8_t>(style));
        for (auto [index, value] : settings) s->SetParam(index, value);
        s->Inscriptions = std::move(labels);
        s->Centre = Mm(cx, cy);
        s->Build();
        s->SetStiftFarbe(kLettering);
        s->SetBrushFarbe(kLettering);
        s->SetBrushStyle(bsSolid);
        return Add(std::move(s));
    }

  private:
    TPlatine& panel_;
};

void SetUpPanel(TPlatine& p, const char* name, Real widthMm, Real heightMm) {
    p.Name.SetText(name);
    p.Width = widthMm * kMm;
    p.Height = heightMm * kMm;
    p.SnapSpacing = 50;
    p.SetFrontplattenFarbe(kPanelColour);
}

void BuildFront(TPlatine& p) {
    SetUpPanel(p, Tr("Vorderseite", "Front"), 180, 100);
    PanelBuilder b(p);

    // Inset frame with rounded corners.
    TRechteck* frame = b.Box(4, 4, 176, 96, 0.3, kLettering);
    PanelBuilder::Smooth(frame, glRundung, 4);

    // Mounting holes in the corners.
    for (MPoint c : {MPoint{8, 8}, MPoint{172, 8}, MPoint{8, 92}, MPoint{172, 92}}) b.Drill(c.x, c.y, 3.2L);

    // Name plate: a chamfered, filled contour with the title on it.
    TRechteck* plate = b.Box(12, 10, 78, 22, 0, kAccent);
    PanelBuilder::Fill(plate, kAccent);
    PanelBuilder::Smooth(plate, glFase, 2);
    b.Text("PLATTENWERK", 45, 12, 5, kPanelColour, true, fsBold);
    b.Text(Tr("Röhrenverstärker V2", "Valve amplifier V2"), 45, 17.2L, 3, kPanelColour, true);

    // Logo: a regular hexagon around a smoothed wave.
    const RegularPolygonInput hex{6, "6", false, "30"};
    auto logo = BuildRegularPolygon(Mm(90, 16), hex);
    logo->SetStiftBreite(0.4L * kMm);
    logo->SetStiftFarbe(kAccent);
    b.Add(std::move(logo));
    TLinie* wave = b.Line({{85.5L, 17}, {87, 12.5L}, {89, 19.5L}, {91, 12.5L}, {93, 19.5L}, {94.5L, 15}},
                          0.5L, kLettering);
    PanelBuilder::Smooth(wave, glSpline, 0);

    // Milled display window with rounded corners and its lettering.
    TRechteck* window = b.Box(108, 10, 168, 30, 0, kBlack);
    PanelBuilder::Smooth(window, glRundung, 2.5L);
    window->SetFraesen(true);
    b.Text("88.8 dB", 138, 15, 7, RGBColor(120, 220, 140), true, fsBold);

    // Two knob scales with their drill holes.
    b.Scale(1, 40, 55, {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}, {{1, 36}, {12, 3}});
    b.Drill(40, 55, 7);
    b.Text(Tr("LAUTSTÄRKE", "VOLUME"), 40, 76, 3.2L, kLettering, true, fsBold);
    b.Scale(5, 95, 55, {"-6", "", "-3", "", "0", "", "+3", "", "+6"}, {{1, 30}, {4, 8}});
    b.Drill(95, 55, 7);
    b.Text(Tr("KLANG", "TONE"), 95, 76, 3.2L, kLettering, true, fsBold);

    // An arc over the balance control, drawn as a pie of accent colour below it.
    auto arc = std::make_unique<TBogen>();
    arc->Centre = Mm(138, 60);
    arc->RimPoint = Mm(150, 60);
    arc->StartPoint = Mm(150, 60);
    arc->EndPoint = Mm(126, 60);
    arc->BuildArc();
    arc->SetStiftBreite(0.8L * kMm);
    arc->SetStiftFarbe(kAccent);
    b.Add(std::move(arc));
    b.Drill(138, 60, 6);
    b.Text("L", 124, 62, 3, kLettering, true);
    b.Text("R", 152, 62, 3, kLettering, true);
    b.Text("BALANCE", 138, 76, 3.2L, kLettering, true, fsBold);

    // Separator lines: solid between the groups, dashed under the display.
    b.Line({{115, 42}, {115, 80}}, 0.3L, kLettering);
    b.Line({{108, 35}, {168, 35}}, 0.2L, kLettering, ptStrich);

    // Power switch: a filled red ring of a circle and its drill hole.
    TKreis* led = b.Circle(164, 52, 3, 0.2L, kLettering);
    PanelBuilder::Fill(led, RGBColor(200, 30, 30));
    b.Drill(164, 68, 5);
    b.Text(Tr("NETZ", "POWER"), 164, 76, 3.2L, kLettering, true, fsBold);

    // The distance between the lower mounting holes.
    auto dim = std::make_unique<TBemassung>();
    dim->SetPoints(Mm(8, 92), Mm(172, 92), Mm(90, 86));
    dim->SetStiftFarbe(kLettering);
    b.Add(std::move(dim));
}

void BuildBack(TPlatine& p) {
    SetUpPanel(p, Tr("Rückseite", "Back"), 180, 100);
    PanelBuilder b(p);
    for (MPoint c : {MPoint{8, 8}, MPoint{172, 8}, MPoint{8, 92}, MPoint{172, 92}}) b.Drill(c.x, c.y, 3.2L);

    // Milled cut-out of a mains socket with chamfered corners.
    TRechteck* socket = b.Box(20, 30, 48, 50, 0, kBlack);
    PanelBuilder::Smooth(socket, glFase, 3);
    socket->SetFraesen(true);
    b.Drill(15, 40, 3.2L);
    b.Drill(53, 40, 3.2L);
    b.Text("230 V ~ 50 Hz", 34, 56, 3, kLettering, true);

    // Input and output jacks in two rows.
    const char* inputs[] = {"L", "R"};
    for (int i = 0; i < 2; ++i) {
        b.Drill(90 + 18 * i, 35, 6.5L);
        b.Text(inputs[i], 90 + 18 * i, 40, 3, kLettering, true);
        b.Drill(90 + 18 * i, 58, 6.5L);
        b.Text(inputs[i], 90 + 18 * i, 63, 3, kLettering, true);
    }
    b.Text(Tr("EINGANG", "INPUT"), 99, 24, 3.2L, kLettering, true, fsBold);
    b.Text(Tr("AUSGANG", "OUTPUT"), 99, 70, 3.2L, kLettering, true, fsBold);
    TRechteck* box = b.Box(80, 20, 118, 78, 0.3L, kLettering);
    PanelBuilder::Smooth(box, glRundung, 3);

    // Fuse holder and ventilation slots milled as smoothed polygons.
    b.Drill(145, 30, 12);
    b.Text(Tr("SICHERUNG T1A", "FUSE T1A"), 145, 39, 3, kLettering, true);
    for (int i = 0; i < 5; ++i) {
        const Real x = 132 + 6 * i;
        TRechteck* slot = b.Box(x, 50, x + 3, 76, 0, kBlack);
        PanelBuilder::Smooth(slot, glRundung, 1.4L);
        slot->SetFraesen(true);
    }
}

// Restores the language when the build ends.
struct LanguageScope {
    Language saved = CurrentLanguage();
    ~LanguageScope() { SetLanguage(saved); }
};

}  // namespace

std::vector<std::unique_ptr<TPlatine>> BuildExamplePanels(Language language) {
    LanguageScope scope;
    SetLanguage(language);
    RegisterBuiltinElementClasses();
    std::vector<std::unique_ptr<TPlatine>> panels;
    panels.push_back(std::make_unique<TPlatine>());
    BuildFront(*panels.back());
    panels.push_back(std::make_unique<TPlatine>());
    BuildBack(*panels.back());
    return panels;
}

std::vector<uint8_t> ExampleDocumentBytes(Language language) {
    std::vector<std::unique_ptr<TPlatine>> panels = BuildExamplePanels(language);
    std::vector<TPlatine*> pointers;
    for (auto& p : panels) pointers.push_back(p.get());
    std::vector<uint8_t> bytes;
    WriteDocument(bytes, pointers, {});
    return bytes;
}

}  // namespace pw
