#include "cli/print_options.h"

#include <QSizeF>
#include <charconv>
#include <cmath>

#include "cli/cli_options.h"
#include "core/language.h"
#include "core/print_calibration.h"

namespace pw::cli {

namespace {

constexpr double kMinPaperMm = 30;
constexpr double kMaxPaperMm = 5000;
constexpr double kMaxGapMm = 600;

[[noreturn]] void Bad(const std::string& option, const std::string& value) {
    throw UsageError(std::string(Tr("Ungültiger Wert für ", "Invalid value for ")) + option + ": " + value);
}

std::optional<double> Number(std::string_view text) {
    double v = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(v)) return std::nullopt;
    return v;
}

std::optional<int> Whole(std::string_view text) {
    int v = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return v;
}

// Two numbers separated by sep, each within [lo, hi].
std::pair<double, double> Pair(const std::string& option, const std::string& text, char sep, double lo,
                               double hi) {
    size_t at = text.find(sep);
    if (at == std::string::npos) Bad(option, text);
    auto a = Number(std::string_view(text).substr(0, at)), b = Number(std::string_view(text).substr(at + 1));
    if (!a || !b || *a < lo || *a > hi || *b < lo || *b > hi) Bad(option, text);
    return {*a, *b};
}

QPageSize Paper(const std::string& text) {
    const std::pair<const char*, QPageSize::PageSizeId> named[] = {{"A4", QPageSize::A4},
                                                                   {"A3", QPageSize::A3},
                                                                   {"A5", QPageSize::A5},
                                                                   {"Letter", QPageSize::Letter},
                                                                   {"Legal", QPageSize::Legal}};
    for (auto [name, id] : named)
        if (QString::fromStdString(text).compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return QPageSize(id);
    auto [w, h] = Pair("--paper", text, 'x', kMinPaperMm, kMaxPaperMm);
    return QPageSize(QSizeF(w, h), QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
}

void Hide(PrintSettings& s, const std::string& list) {
    const std::pair<const char*, bool PrintSettings::*> options[] = {
        {"background", &PrintSettings::WillsteHintergrund}, {"frame", &PrintSettings::WillsteRahmen},
        {"rulers", &PrintSettings::WillsteLineale},         {"data", &PrintSettings::WillsteInfos},
        {"dimensions", &PrintSettings::WillsteBemassung},   {"drillings", &PrintSettings::WillsteBohren},
        {"objects", &PrintSettings::WillsteSymbole}};
    size_t from = 0;
    while (from <= list.size()) {
        size_t to = std::min(list.find(',', from), list.size());
        std::string name = list.substr(from, to - from);
        bool known = false;
        for (auto [option, field] : options)
            if (name == option) known = true, s.*field = false;
        if (!known) Bad("--hide", name);
        from = to + 1;
    }
}

struct Parsed {
    std::vector<std::string> files;
    std::optional<std::pair<double, double>> offsetMm;
    bool copiesGiven = false;
};

void Apply(PrintOptions& o, Parsed& p, const std::string& name, const std::string& value) {
    PrintSettings& s = o.settings;
    if (name == "--panel") {
        auto v = Whole(value);
        if (!v || *v < 0) Bad(name, value);
        o.panel = *v;
    } else if (name == "--paper") {
        o.paper = Paper(value);
    } else if (name == "--calibrate") {
        auto [h, v] = Pair(name, value, ',', 0, 10);
        if (!FactorInRange(h) || !FactorInRange(v))
            throw UsageError(Tr("Die Korrekturfaktoren müssen zwischen 0.8...1.2 liegen.",
                                "Please enter values from 0.8 to 1.2"));
        o.calibration = {h, v};
    } else if (name == "--copies") {
        auto [x, y] = Pair(name, value, 'x', 1, PrintSettings::kMaxTiles);
        if (x != std::floor(x) || y != std::floor(y)) Bad(name, value);
        s.tilesX = static_cast<int>(x);
        s.tilesY = static_cast<int>(y);
        p.copiesGiven = s.tilesX * s.tilesY > 1;
    } else if (name == "--gap") {
        auto [x, y] = Pair(name, value, ',', 0, kMaxGapMm);
        s.gapX = static_cast<Real>(x) * kUnitsPerMm;
        s.gapY = static_cast<Real>(y) * kUnitsPerMm;
    } else if (name == "--zoom") {
        auto v = Whole(value);
        if (!v || *v < 1 || *v > PrintSettings::kMaxMagnification) Bad(name, value);
        s.oneToOne = *v == 100;
        s.magnification = *v;
    } else if (name == "--offset") {
        p.offsetMm = Pair(name, value, ',', -1000, 1000);
    } else if (name == "--hide") {
        Hide(s, value);
    } else if (name == "--overlap") {
        auto v = Number(value);
        if (!v || *v < 0 || *v * kUnitsPerMm > PrintSettings::kMaxOverlap) Bad(name, value);
        s.overlap = static_cast<Real>(*v) * kUnitsPerMm;
    } else if (name == "--printer") {
        o.printer = value;
    } else {
        throw UsageError(std::string(Tr("Unbekannte Option: ", "Unknown option: ")) + name);
    }
}

bool IsFlag(PrintOptions& o, const std::string& name) {
    if (name == "--landscape") return o.landscape = true;
    if (name == "--mirror") return o.settings.mirrored = true;
    if (name == "--split") return o.settings.split = true;
    return false;
}

// The offset: the panel's top-left corner that many millimetres of paper from the printable
// area's corner.
void PlaceAt(PrintSettings& s, std::pair<double, double> mm) {
    const double f = s.Divisor();
    const double x = -mm.first * kUnitsPerMm * f, y = -mm.second * kUnitsPerMm * f;
    if (std::fabs(x) > PrintSettings::kMaxOffset || std::fabs(y) > PrintSettings::kMaxOffset)
        Bad("--offset", std::to_string(mm.first) + "," + std::to_string(mm.second));
    s.WillsteMittig = false;
    s.offsetX = static_cast<int32_t>(std::lround(x));
    s.offsetY = static_cast<int32_t>(std::lround(y));
}

}  // namespace

std::string PrintUsageText() {
    return "plattenwerk-cli print FILE.fpl OUT.pdf|--printer NAME [--panel N] [--paper "
           "A4|A3|A5|Letter|Legal|WxH] "
           "[--landscape] [--calibrate H,V] [--copies XxY] [--gap X,Y] [--mirror] [--zoom PCT] [--offset "
           "X,Y] "
           "[--hide LIST] [--split [--overlap MM]]\n";
}

PrintOptions ParsePrintOptions(const std::vector<std::string>& args) {
    PrintOptions o;
    Parsed p;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.size() < 2 || a[0] != '-') {
            p.files.push_back(a);
            continue;
        }
        size_t eq = a.find('=');
        std::string name = a.substr(0, eq);
        if (eq == std::string::npos && IsFlag(o, name)) continue;
        if (eq != std::string::npos) {
            Apply(o, p, name, a.substr(eq + 1));
        } else if (name.rfind("--", 0) == 0 && i + 1 < args.size()) {
            Apply(o, p, name, args[++i]);
        } else {
            throw UsageError(std::string(Tr("Wert fehlt für ", "Missing value for ")) + name);
        }
    }
    if (p.files.size() != (o.printer ? 1u : 2u))
        throw UsageError(std::string(Tr("Falsche Zahl von Dateien für ", "Wrong number of files for ")) +
                         "print");
    o.document = p.files[0];
    if (!o.printer) o.pdfPath = p.files[1];
    if (o.settings.split && (p.copiesGiven || p.offsetMm))
        throw UsageError(
            Tr("--split druckt eine Kopie und legt die Blätter selbst; ohne --copies und --offset",
               "--split prints one copy and places the sheets itself; leave out --copies and --offset"));
    if (p.offsetMm) PlaceAt(o.settings, *p.offsetMm);
    return o;
}

}  // namespace pw::cli
