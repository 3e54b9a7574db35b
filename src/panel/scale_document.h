#pragma once
// Scales without the assistant: a scale built from a style, parameter settings and inscription
// texts, placed on a 600 x 600 mm panel and written as a one-panel document. This is the
// "scale" command of the command-line tool; batch users make knob scales with it.
//
//   scale STYLE OUT.fpl [--set INDEX=VALUE]... [--labels TEXT,TEXT,...] [--lang de|en]

#include <cstdint>
#include <memory>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/language.h"
#include "scales/scale.h"

namespace pw {

// A command line that cannot be carried out as given.
class ScaleUsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

struct ScaleSetting {
    size_t index = 0;
    std::string value;  // as typed: a number (point or comma), or yes/no for a switch
};

struct ScaleOptions {
    int style = 1;
    std::string output;
    std::vector<ScaleSetting> settings;
    std::optional<std::vector<std::string>> labels;
    std::optional<Language> language;
    bool help = false;
    bool helpForStyle = false;  // "scale STYLE --help"
};

// The parameters of a style as "scale STYLE --help" lists them: number, name [unit], default
// value and allowed range, in the current language.
std::string ScaleParameterList(int style);

// The arguments after the word "scale". Options may stand anywhere after the style, as
// "--set 3=0" or "--set=3=0"; a later --labels or --lang replaces an earlier one.
ScaleOptions ParseScaleArguments(const std::vector<std::string>& args);

// The texts of --labels: separated by commas; "\," is a comma inside a text, "\\" a backslash.
std::vector<std::string> SplitLabels(const std::string& text);

// The style's defaults, then each setting in order through the range check, then the
// inscription texts; builds the scale. A correction of the range check is reported as one text
// in `corrections`. Fails with ScaleUsageError for a parameter the style does not have or a
// value that is not a number (or yes/no for a switch). Texts in the current language.
std::unique_ptr<TScale> MakeScale(const ScaleOptions& options, std::vector<std::string>& corrections);

// The document of one 600 x 600 mm panel that holds the scale where it was built.
std::vector<uint8_t> ScaleDocumentBytes(std::unique_ptr<TScale> scale);

// Runs the command: exit status 0 when the document was written (corrections are reported on
// err and do not change it), 2 for a usage error or an output that cannot be written (the
// message on err). --help prints the usage text on out.
int RunScaleCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

std::string ScaleUsageText();

}  // namespace pw
