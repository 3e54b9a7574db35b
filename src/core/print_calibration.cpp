#include "core/print_calibration.h"

#include <cstdio>

#include "core/numbers.h"

namespace pw {

namespace {

constexpr const char* kSection = "Kalibrierung";

// Printer names become keys: characters that end a key or start a section are replaced.
std::string KeyOf(std::string_view printer) {
    std::string key(printer);
    for (char& c : key)
        if (c == '=' || c == '[' || c == ']' || c == ';' || c == '\r' || c == '\n') c = '_';
    return key.empty() ? "_" : key;
}

}  // namespace

bool FactorInRange(double factor) {
    return factor >= Calibration::kMin && factor <= Calibration::kMax;
}

std::optional<Calibration> ParseCalibration(std::string_view horizontal, std::string_view vertical) {
    Calibration c{static_cast<double>(TextToNumber(horizontal)), static_cast<double>(TextToNumber(vertical))};
    if (!FactorInRange(c.h) || !FactorInRange(c.v)) return std::nullopt;
    return c;
}

std::string FormatFactor(double factor, char separator) {
    return FormatFixed(factor, 5, separator);
}

std::optional<double> FactorFromMeasurement(double current, double nominalMm, double measuredMm) {
    if (!(nominalMm > 0) || !(measuredMm > 0)) return std::nullopt;
    return current * nominalMm / measuredMm;
}

Calibration ReadCalibration(const IniFile& ini, std::string_view printer) {
    std::string text = ini.ReadString(kSection, KeyOf(printer));
    size_t blank = text.find(' ');
    if (blank == std::string::npos) return {};
    auto c =
        ParseCalibration(std::string_view(text).substr(0, blank), std::string_view(text).substr(blank + 1));
    return c.value_or(Calibration{});
}

void WriteCalibration(IniFile& ini, std::string_view printer, const Calibration& c) {
    ini.WriteString(kSection, KeyOf(printer), FormatFactor(c.h, '.') + " " + FormatFactor(c.v, '.'));
}

}  // namespace pw
