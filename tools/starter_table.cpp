// The table of the starter library: every symbol with its holes, milled outlines, the
// dimensions as SOURCES.md lists them and where they come from.
#include <cstdio>
#include <string>

#include "starter_contours.h"
#include "starter_library.h"

namespace pw {

namespace {

enum Page { kConnectors = 0, kMains = 1, kControls = 2, kIndicators = 3, kCases = 4 };

// The texts of the table live as long as the program; the generated ones are kept here.
const char* Keep(std::string text) {
    static std::vector<std::unique_ptr<std::string>> kept;
    kept.push_back(std::make_unique<std::string>(std::move(text)));
    return kept.back()->c_str();
}

std::string Mm(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", v);
    return text;
}

// EIA-310-D rack panels: mounting hole centres 465.1 mm apart horizontally; the outermost rail
// holes of n units lie n * 44.45 - 12.7 mm apart vertically (rail pattern 15.875, 15.875,
// 12.7 mm per unit).
StarterSymbol RackPanel(int units, const char* name, const char* dimensions) {
    const double dy = (units * 44.45 - 12.7) / 2;
    return {kCases,
            name,
            {{-232.55, -dy, 6.6}, {232.55, -dy, 6.6}, {-232.55, dy, 6.6}, {232.55, dy, 6.6}},
            {},
            482.6,
            units * 44.45,
            dimensions,
            "EIA-310-D rack standard as published at audiorax.com/rack-rail-hole-spacing-explained "
            "(rail holes 15.875 / 15.875 / 12.7 mm, 1 U = 44.45 mm) and in EIA-310-D summaries "
            "(465.1 mm centre to centre), panel outline 482.6 mm by n x 44.45 mm (interfacebus.com, rack "
            "mounting rail dimensions; nominal, real panels are a little lower); hole diameter: ISO 273 "
            "medium clearance for M6 rack screws"};
}

// Eurorack 3U panels: two hole rows 122.5 mm apart, holes 7.5 mm in from each side edge.
StarterSymbol Eurorack(int hp, const char* name, const char* dimensions) {
    const double width = hp * 5.08;
    const double left = -width / 2 + 7.5;
    const double right = width / 2 - 7.5;
    return {kCases,
            name,
            {{left, -61.25, 3.2}, {right, -61.25, 3.2}, {left, 61.25, 3.2}, {right, 61.25, 3.2}},
            {},
            width,
            128.5,
            dimensions,
            "Doepfer A-100 construction details (doepfer.de/a100_man/a100m_e.htm: 1 HP = 5.08 mm, "
            "3 U panels 128.5 mm high; the nominal width n x 5.08 mm, real panels a few tenths less), "
            "rail hole distance 122.5 mm (sdiy.info/wiki/Eurorack_panel_components), "
            "holes 7.5 mm from the panel edges as in Doepfer's diagram (discussed at "
            "muffwiggler.com/forum/viewtopic.php?t=5107), hole diameter 3.2 mm as in the SN-L00 panel "
            "design notes (git.sub-net.at/submodular/SN-L00, hardware/panel notes: holes 3.2 mm, "
            "7.5 mm from the edges, 3.0 mm from the top, 122.5 mm apart). The right column lies 7.5 mm "
            "inside the nominal width; on panels a few tenths narrower (SN-L00: 6 HP = 30.00 mm, holes at "
            "7.5 and 22.5 mm) it is up to 0.5 mm further left, which the 3.2 x 4 mm slots SN-L00 "
            "allows take up"};
}

// D-sub front mounting: the cut-out passes the connector's rear body, the flange sits on the
// front of the panel with its two holes.
constexpr double kDSubCutHeight = 10.97;
constexpr double kDSubSideDeg = 10;
constexpr double kDSubCornerR = 0.062 * 25.4;
constexpr double kDSubHole = 3.05;
constexpr double kDSubFlangeHeight = 12.55;

StarterSymbol DSub(const char* name, double cutWidth, double pitch, double flangeWidth,
                   const char* pitchSource) {
    StarterSymbol s{
        kConnectors,
        name,
        {{-pitch / 2, 0, kDSubHole}, {pitch / 2, 0, kDSubHole}},
        {{RoundedTrapezoid(cutWidth, kDSubCutHeight, kDSubSideDeg, kDSubCornerR)}},
        flangeWidth,
        kDSubFlangeHeight,
        Keep("milled D " + Mm(cutWidth) + " x " + Mm(kDSubCutHeight) +
             " mm (overall, the wide edge at the top), sides 10 degrees off vertical, corners R 1.57 mm "
             "(0.062 in); two holes 3.05 mm, centres " +
             Mm(pitch) + " mm apart on the cut-out's centre line"),
        Keep(std::string("cut-out: DIN 41652-1 front-mounting dimensions as published at "
                         "interfacebus.com/Connector_D-Sub_Mechanical_Dimensions.html (cut-out width H, "
                         "height J = 10.97 mm for shell sizes 1 to 4, corner radius 0.062 in), as recorded "
                         "in two open OpenSCAD cut-out libraries found through the public code index (a "
                         "bbs_d_cutout module with H = 19.53 / 27.76 / 41.53 / 57.96 mm for sizes 1 to 4, "
                         "and a DSub() module whose table, headed 'DIN 41652-1', gives the same H and J "
                         "for sizes 1 to 3); the 10 degree side angle of the D as both modules draw it. "
                         "Mounting holes and flange: ") +
             pitchSource)};
    s.outlineOf = "flange outline";
    return s;
}

const char* const kDSubNop =
    "NopSCADlib vitamins/d_connectors.scad and d_connector.scad (github.com/nophead/NopSCADlib: hole "
    "pitch 24.99 / 33.32 / 47.04 mm, flange 30.81 / 39.14 / 53.04 x 12.55 mm, holes 3.05 mm), the same "
    "figures as the ITT Cannon D-sub catalogue sheet cited in an open D-sub reference compilation "
    "('Technische Referenzdaten und standardisiertes Datenschema fuer D-Sub-Steckverbinder', read "
    "through the public code index)";
const char* const kDSubCannon =
    "the ITT Cannon D-sub catalogue sheet as cited in an open D-sub reference compilation "
    "('Technische Referenzdaten und standardisiertes Datenschema fuer D-Sub-Steckverbinder', read "
    "through the public code index: shell C hole pitch 63.50 mm, flange 69.32 x 12.55 mm, holes "
    "3.05 mm for every shell size)";

// Neutrik D-series: one round hole and two screw holes on a diagonal, 19 mm across and 24 mm
// apart; the flange 26 x 31 mm is drawn as the outline.
StarterSymbol NeutrikD(const char* name, double bore, double screwHole, const char* part) {
    StarterSymbol s{
        kConnectors,
        name,
        {{0, 0, bore}, {-9.5, -12, screwHole}, {9.5, 12, screwHole}},
        {},
        26,
        31,
        Keep("one hole " + Mm(bore) + " mm; two holes " + Mm(screwHole) +
             " mm at (-9.5, -12) and (9.5, 12) mm (19 x 24 mm, diagonal)"),
        Keep(std::string("Neutrik D-series drawing of ") + part +
             ", as summarised with the drawings of NE8FDP, NAHDMI-W, NAUSB-W, NBB75DFG, DBA-BL and "
             "the XLR D-series drawing hosted by RS Components in an open enclosure project's note on the "
             "Neutrik D-series panel cut-out (knowledge/neutrik, read through the public code index): main "
             "hole at least 24.0 mm (NE8FDP, XLR NC3xD) or 23.6 mm (NAUSB-W, NBB75DFG, "
             "NAHDMI-W), screw holes 19.0 mm across and 24.0 mm apart on the diagonal, at least 3.1 mm "
             "(NAUSB-W, NAHDMI-W), "
             "3.2 mm (NE8FDP), 3.4 mm (NBB75DFG, XLR female) or 3.5 mm (XLR male), flange 26 x 31 mm; "
             "Neutrik's NC3FD-L-1 page speaks of the 'standardized D sized 24 mm panel cutout', as "
             "another open project's dimension table quotes it. "
             "Either diagonal fits, the part turned by 180 degrees")};
    s.outlineOf = "flange outline";
    return s;
}

// A contour moved by (dx, dy).
StarterContour Moved(std::vector<MPoint> corners, double dx, double dy) {
    for (MPoint& p : corners) p = p + MPoint{dx, dy};
    return {corners};
}

// A bushing hole with the anti-rotation lug's footprint milled beside it, to the right.
StarterSymbol WithLug(int page, const char* name, double hole, double lugW, double lugL, double lugX,
                      const char* dimensions, const char* source) {
    StarterSymbol s{page, name, {{0, 0, hole}}, {Moved(RoundedRect(lugW, lugL, 0), lugX, 0)},
                    0,    0,    dimensions,     source};
    s.onShaftAxis = true;
    return s;
}

const char* const kNopPots =
    "NopSCADlib vitamins/potentiometers.scad and potentiometer.scad (github.com/nophead/NopSCADlib): "
    "thread diameter and pitch, the spigot (anti-rotation lug: width across, length, height) and its "
    "offset from the shaft centre";

const char* const kNopIec =
    "NopSCADlib vitamins/iecs.scad and iec.scad (github.com/nophead/NopSCADlib): iec_holes() mills the "
    "body outline (body width x height, corner radius) with 0.2 mm clearance and drills the screw "
    "holes at the screw pitch; screw hole: ISO 273 medium clearance for the M3 screws NopSCADlib names";

}  // namespace

const std::vector<StarterSymbol>& StarterSymbols() {
    static const std::vector<StarterSymbol> symbols = {
        DSub("D-Sub 9 (DE-9), Frontmontage", 19.53, 24.99, 30.81, kDSubNop),
        DSub("D-Sub 15 (DA-15), Frontmontage", 27.76, 33.32, 39.14, kDSubNop),
        DSub("D-Sub 25 (DB-25), Frontmontage", 41.53, 47.04, 53.04, kDSubNop),
        DSub("D-Sub 37 (DC-37), Frontmontage", 57.96, 63.50, 69.32, kDSubCannon),
        NeutrikD("XLR-Buchse Neutrik NC3FD-L (D-Größe)", 24.0, 3.4, "the XLR female NC3FD-L"),
        NeutrikD("XLR-Stecker Neutrik NC3MD-L (D-Größe)", 24.0, 3.5, "the XLR male NC3MD-L"),
        NeutrikD("BNC-Durchführung Neutrik NBB75DFG", 23.6, 3.4, "the BNC feedthrough NBB75DFG"),
        NeutrikD("USB-B Neutrik NAUSB-W (D-Größe)", 23.6, 3.1, "the USB feedthrough NAUSB-W"),
        NeutrikD("RJ45 Neutrik NE8FDP (D-Größe)", 24.0, 3.2, "the etherCON feedthrough NE8FDP"),
        NeutrikD("HDMI Neutrik NAHDMI-W (D-Größe)", 23.6, 3.1, "the HDMI feedthrough NAHDMI-W"),
        {kConnectors,
         "Klinkenbuchse 3,5 mm Thonkiconn PJ398SM",
         {{0, 0, 6.0}},
         {},
         0,
         0,
         "one hole 6.0 mm",
         "SN-L00 Eurorack panel design notes (git.sub-net.at/submodular/SN-L00, "
         "hardware/panel notes: jack holes 6.0 mm for Thonkiconn PJ398SM)"},
        {kConnectors,
         "4-mm-Buchse, Bohrung 8 mm",
         {{0, 0, 8.0}},
         {},
         0,
         0,
         "one hole 8.0 mm",
         "NopSCADlib vitamins/jack.scad (github.com/nophead/NopSCADlib): jack_4mm_hole_radius() = 8/2, "
         "the panel hole of its 4 mm socket with an M8 x 0.75 thread; no maker or part number is named"},
        {kConnectors,
         "4-mm-Buchse, geschirmt, Bohrung 12 mm",
         {{0, 0, 12.0}},
         {},
         0,
         0,
         "one hole 12.0 mm",
         "NopSCADlib vitamins/jack.scad (github.com/nophead/NopSCADlib): jack_4mm_shielded_hole_radius() "
         "= 12/2, the panel hole of its shielded 4 mm socket with an M12 x 0.75 thread; no maker or part "
         "number is named"},
        {kConnectors,
         "DC-Hohlbuchse, Bohrung 8 mm abgeflacht",
         {},
         {{FlattedCircle(8.0, 6.7, true)}},
         0,
         0,
         "milled hole 8.0 mm with two flats 6.7 mm apart (left and right)",
         "NopSCADlib vitamins/jack.scad (github.com/nophead/NopSCADlib): power_jack_hole() cuts a circle "
         "of radius 4 with the flats of power_jack_flat = 6.7 mm, for its panel power jack with an "
         "M8 x 0.75 thread; no maker or part number is named"},
        {kMains,
         "Kaltgerätestecker C14, geschraubt",
         {{-20, 0, 3.4}, {20, 0, 3.4}},
         {{RoundedRect(28.2, 20.2, 3.1)}},
         0,
         0,
         "milled 28.20 x 20.20 mm, corners R 3.1 mm; two holes 3.4 mm, centres 40 mm apart",
         Keep(std::string(kNopIec) + "; IEC_inlet: screw pitch 40 mm, body 28 x 20 mm, corner radius 3 mm")},
        {kMains,
         "Kaltgerätestecker C14, Snap-in",
         {},
         {{RoundedRect(27.2, 19.2, 3.1)}},
         0,
         0,
         "milled 27.20 x 19.20 mm, corners R 3.1 mm",
         Keep(std::string(kNopIec) +
              "; IEC_inlet_atx2 ('IEC pressfit inlet for ATX', no screw lugs): body 27 x 19 mm, corner "
              "radius 3 mm")},
        {kMains,
         "C14 mit Sicherung JR-101-1F",
         {{-18, 0, 3.4}, {18, 0, 3.4}},
         {{RoundedRect(27.2, 31.2, 3.1)}},
         0,
         0,
         "milled 27.20 x 31.20 mm, corners R 3.1 mm; two holes 3.4 mm, centres 36 mm apart",
         Keep(std::string(kNopIec) +
              "; IEC_fused_inlet ('IEC fused inlet JR-101-1F'): screw pitch 36 mm, body 27 x 31 mm, corner "
              "radius 3 mm")},
        {kMains,
         "Sicherungshalter 5 x 20 mm",
         {},
         {{FlattedCircle(12.0, 11.0, false)}},
         0,
         0,
         "milled hole 12.0 mm with two flats 11.0 mm apart (above and below)",
         "NopSCADlib vitamins/fuseholder.scad (github.com/nophead/NopSCADlib): fuseholder_hole() cuts a "
         "12 mm circle with flats 11 mm apart for its 20 mm panel fuse holder with an M12 x 1 thread; no "
         "maker or part number is named"},
        {kMains,
         "Wippschalter PRASA1-16F-BB0BW",
         {},
         {{RoundedRect(13, 19.25, 1)}},
         0,
         0,
         "milled 13.00 x 19.25 mm, corners R 1 mm",
         "NopSCADlib vitamins/rockers.scad and rocker.scad (github.com/nophead/NopSCADlib): small_rocker "
         "'Rocker Switch PRASA1-16F-BB0BW', panel slot 13 x 19.25 mm, rocker_hole() rounds it by 1 mm"},
        {kMains,
         "Wippschalter 10 x 15 mm",
         {},
         {{RoundedRect(8.6, 13.5, 1)}},
         0,
         0,
         "milled 8.60 x 13.50 mm, corners R 1 mm",
         "NopSCADlib vitamins/rockers.scad and rocker.scad (github.com/nophead/NopSCADlib): micro_rocker "
         "'Rocker Switch 10x15', panel slot 8.6 x 13.5 mm, rocker_hole() rounds it by 1 mm; no maker or "
         "part number is named"},
        {kControls,
         "Drehgeber Bourns PEC11R (M7 x 0,75)",
         {{0, 0, 7.4}},
         {},
         0,
         0,
         "one hole 7.4 mm for the M7 x 0.75 bushing; no hole for the anti-rotation lug",
         "Bourns PEC11R series datasheet, product dimensions (bushing thread M7 x 0.75), as published "
         "at manualshelf.com/manual/bourns/pec11r-4220f-s0024; hole diameter: ISO 273 fine clearance "
         "for M7; the lug's position was not at hand, so the symbol leaves it out"},
        WithLug(kControls, "Potentiometer M10 x 0,75, Verdrehschutz", 10.5, 1.12, 2.88, 11,
                "one hole 10.5 mm for the M10 x 0.75 bushing; lug slot 1.12 x 2.88 mm, its centre 11 mm "
                "right of the shaft",
                Keep(std::string(kNopPots) +
                     "; metric_pot: M10 x 0.75, spigot 1.12 x 2.88 mm at 11 mm; no maker or part number is "
                     "named. Hole diameter: ISO 273 fine clearance for M10; the slot is the lug's footprint "
                     "without clearance")),
        WithLug(kControls, "Drehgeber KY-040 (M7), Verdrehschutz", 7.4, 0.4, 2, 5.8,
                "one hole 7.4 mm for the M7 x 0.75 bushing; lug slot 0.4 x 2 mm, its centre 5.8 mm right of "
                "the shaft",
                Keep(std::string(kNopPots) +
                     "; KY_040_encoder: M7 x 0.75, spigot 0.4 x 2 mm at 5.8 mm. Hole diameter: ISO 273 fine "
                     "clearance for M7; the slot is the lug's footprint without clearance")),
        {kControls,
         "Kippschalter C&K 7101",
         {{0, 0, 6.3}},
         {},
         0,
         0,
         "one hole 6.3 mm",
         "NopSCADlib vitamins/toggles.scad and toggle.scad (github.com/nophead/NopSCADlib): CK7101, "
         "barrel 6.1 mm, toggle_hole_radius() = barrel / 2 + 0.1 mm"},
        {kIndicators,
         "LED 3 mm, ohne Fassung",
         {{0, 0, 3.0}},
         {},
         0,
         0,
         "one hole 3.0 mm",
         "SN-L00 Eurorack panel design notes (git.sub-net.at/submodular/SN-L00, "
         "hardware/panel notes: 3.0 mm hole for a 3 mm LED)"},
        {kIndicators,
         "LED-Fassung für Bohrung 6,35 mm",
         {{0, 0, 6.35}},
         {},
         0,
         0,
         "one hole 6.35 mm",
         "thehobbyshed.co.uk, control panel indicator kit (the bezel requires a 6.35 mm hole)"},
        {kIndicators,
         "Glimmlampe H8630FBNAL",
         {},
         {{RoundedRect(13, 19.25, 1)}},
         0,
         0,
         "milled 13.00 x 19.25 mm, corners R 1 mm",
         "NopSCADlib vitamins/rockers.scad and rocker.scad (github.com/nophead/NopSCADlib): "
         "neon_indicator 'Neon Indicator H8630FBNAL', panel slot 13 x 19.25 mm, rocker_hole() rounds it "
         "by 1 mm"},
        {kIndicators,
         "LCD 16 x 2 (1602A), Fenster",
         {{-37.5, -15.5, 2.9}, {37.5, -15.5, 2.9}, {-37.5, 15.5, 2.9}, {37.5, 15.5, 2.9}},
         {{RoundedRect(71.3, 24.3, 0)}},
         80,
         36,
         "milled window 71.30 x 24.30 mm (the display frame); four holes 2.9 mm at x = ±37.5 mm, "
         "y = ±15.5 mm",
         "NopSCADlib vitamins/displays.scad (github.com/nophead/NopSCADlib): LCD1602A 'LCD display "
         "1602A', frame 71.3 x 24.3 mm centred on the 80 x 36 mm board, holes 2.5 mm in from the board "
         "corners; hole diameter 2.9 mm: ISO 273 medium clearance for M2.5, the diameter NopSCADlib "
         "gives the board's holes",
         false,
         "board outline"},
        {kIndicators,
         "Einbaumessgerät DSN-VC288",
         {},
         {{RoundedRect(45.7, 26.4, 0.2)}},
         47.8,
         28.8,
         "milled 45.70 x 26.40 mm, corners R 0.2 mm",
         "NopSCADlib vitamins/panel_meters.scad and panel_meter.scad (github.com/nophead/NopSCADlib): "
         "DSN_VC288 'DSN-VC288 DC 100V 10A Voltmeter ammeter', body 45.3 x 26 mm, bezel 47.8 x 28.8 mm; "
         "panel_meter_cutout() mills the body grown by 0.2 mm",
         false,
         "bezel outline"},
        RackPanel(1, "19 Zoll, 1 HE, Befestigungsbohrungen",
                  "four holes 6.6 mm at x = ±232.55 mm, y = ±15.875 mm"),
        RackPanel(2, "19 Zoll, 2 HE, Befestigungsbohrungen",
                  "four holes 6.6 mm at x = ±232.55 mm, y = ±38.1 mm"),
        RackPanel(3, "19 Zoll, 3 HE, Befestigungsbohrungen",
                  "four holes 6.6 mm at x = ±232.55 mm, y = ±60.325 mm"),
        Eurorack(4, "Eurorack 3 HE, 4 TE, Befestigung", "four holes 3.2 mm at x = ±2.66 mm, y = ±61.25 mm"),
        Eurorack(8, "Eurorack 3 HE, 8 TE, Befestigung", "four holes 3.2 mm at x = ±12.82 mm, y = ±61.25 mm"),
        Eurorack(12, "Eurorack 3 HE, 12 TE, Befestigung",
                 "four holes 3.2 mm at x = ±22.98 mm, y = ±61.25 mm"),
        Eurorack(16, "Eurorack 3 HE, 16 TE, Befestigung",
                 "four holes 3.2 mm at x = ±33.14 mm, y = ±61.25 mm"),
        Eurorack(20, "Eurorack 3 HE, 20 TE, Befestigung",
                 "four holes 3.2 mm at x = ±43.30 mm, y = ±61.25 mm"),
        Eurorack(42, "Eurorack 3 HE, 42 TE, Befestigung",
                 "four holes 3.2 mm at x = ±99.18 mm, y = ±61.25 mm"),
    };
    return symbols;
}

}  // namespace pw
