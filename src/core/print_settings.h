#pragma once
// The settings of a printout as the print dialog keeps them for the whole run: where the first
// copy lies, how many copies, the scale, mirroring, what is printed, and whether one copy is
// split over several sheets. Lengths are model units (1/50 mm). The calibration factors of the
// printer stretch (above 1) or shrink (below 1) the printout on the device.

#include <cstdint>

#include "core/numbers.h"

namespace pw {

struct PrintSettings {
    static constexpr int32_t kMaxOffset = 31000;
    static constexpr int kMaxTiles = 20;
    static constexpr int kMaxMagnification = 300;
    static constexpr Real kDefaultOverlap = 500;  // 10 mm
    static constexpr Real kMaxOverlap = 2500;     // 50 mm

    // Window origin of the first copy: the panel's origin lies at (-offsetX, -offsetY) from the
    // top left of the printable area (before the scale is applied).
    int32_t offsetX = -1000;
    int32_t offsetY = -1000;
    // Copies across and down (1 ... 20) and the distance between neighbours.
    int tilesX = 1;
    int tilesY = 1;
    Real gapX = 0;
    Real gapY = 0;
    // "Originalgröße 1:1", else enlarged by the percentage (1 ... 300).
    bool oneToOne = true;
    int magnification = 100;
    bool mirrored = false;
    bool WillsteMittig = true;
    bool WillsteHintergrund = true;
    bool WillsteRahmen = true;
    bool WillsteLineale = true;
    bool WillsteInfos = true;
    bool WillsteBemassung = true;
    bool WillsteBohren = true;
    bool WillsteSymbole = true;
    // One copy over as many sheets as it needs, neighbours overlapping by overlap.
    bool split = false;
    Real overlap = kDefaultOverlap;

    // The scale divisor f: model lengths print times 1/f.
    double Divisor() const { return oneToOne ? 1.0 : 100.0 / magnification; }
    bool SingleCopy() const { return tilesX == 1 && tilesY == 1; }
    // Rulers and the data block go only with a single copy on a single sheet.
    bool Decorations() const { return SingleCopy() && !split; }
};

struct Calibration {
    static constexpr double kMin = 0.8;
    static constexpr double kMax = 1.2;
    double h = 1.0;
    double v = 1.0;
    friend bool operator==(const Calibration&, const Calibration&) = default;
};

}  // namespace pw
