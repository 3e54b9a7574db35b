#pragma once
// Calibration factors of a printer: reading them from the dialog's texts (a comma counts as a
// decimal point), the check of their range, the factor that a measured test print asks for,
// and keeping them per printer in the settings file.

#include <optional>
#include <string>
#include <string_view>

#include "core/ini_file.h"
#include "core/print_settings.h"

namespace pw {

bool FactorInRange(double factor);

// Both factors from their texts when both lie within 0.8 ... 1.2.
std::optional<Calibration> ParseCalibration(std::string_view horizontal, std::string_view vertical);

// A factor as the dialog shows it: five decimals.
std::string FormatFactor(double factor, char separator);

// The factor that makes a length printed with the current factor come out right: nominal
// millimetres printed as measured millimetres. Nothing when either length is not positive.
std::optional<double> FactorFromMeasurement(double current, double nominalMm, double measuredMm);

// The factors kept for a printer in the settings file (section "Kalibrierung", one key per
// printer); 1.0 for a printer without stored factors or with stored values out of range.
Calibration ReadCalibration(const IniFile& ini, std::string_view printer);
void WriteCalibration(IniFile& ini, std::string_view printer, const Calibration& calibration);

}  // namespace pw
