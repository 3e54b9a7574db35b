#pragma once
// The command line of "plattenwerk-cli print": the document, a PDF file or a CUPS printer, the
// paper and the print settings as the print dialog has them (A4 portrait, 1:1, centred, one
// copy, everything printed unless hidden). Lengths are given in millimetres.

#include <QPageSize>
#include <optional>
#include <string>
#include <vector>

#include "core/print_settings.h"

namespace pw::cli {

struct PrintOptions {
    std::string document;
    std::optional<std::string> pdfPath;
    std::optional<std::string> printer;
    int panel = 0;
    QPageSize paper{QPageSize::A4};
    bool landscape = false;
    PrintSettings settings;
    Calibration calibration;
};

// Parses and checks the arguments after "print"; fails with UsageError.
PrintOptions ParsePrintOptions(const std::vector<std::string>& args);

std::string PrintUsageText();

}  // namespace pw::cli
