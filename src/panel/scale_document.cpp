#include "panel/scale_document.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "core/storable_text.h"
#include "panel/document.h"
#include "panel/platine.h"

namespace pw {

namespace {

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

std::string Trimmed(const std::string& s) {
    const size_t b = s.find_first_not_of(" \t");
    if (b == std::string::npos) return {};
    return s.substr(b, s.find_last_not_of(" \t") - b + 1);
}

// A whole text that is a decimal number, with a point or a comma as decimal separator.
std::optional<Real> ParseNumber(const std::string& text) {
    std::string s = Trimmed(text);
    std::replace(s.begin(), s.end(), ',', '.');
    size_t i = 0, digits = 0;
    auto skipDigits = [&] {
        size_t n = 0;
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, ++n;
        return n;
    };
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    digits += skipDigits();
    if (i < s.size() && s[i] == '.') {
        ++i;
        digits += skipDigits();
    }
    if (digits == 0) return std::nullopt;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        if (skipDigits() == 0) return std::nullopt;
    }
    if (i != s.size()) return std::nullopt;
    const Real v = std::strtold(s.c_str(), nullptr);
    if (!std::isfinite(v)) return std::nullopt;
    return v;
}

std::optional<bool> ParseYesNo(const std::string& text) {
    const std::string s = Lower(Trimmed(text));
    for (const char* yes : {"1", "j", "ja", "y", "yes", "true"})
        if (s == yes) return true;
    for (const char* no : {"0", "n", "nein", "no", "false"})
        if (s == no) return false;
    return std::nullopt;
}

std::optional<long> ParseIndex(const std::string& text, long high) {
    long v = -1;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || end != text.data() + text.size() || v < 0 || v > high) return std::nullopt;
    return v;
}

ScaleSetting ParseSetting(const std::string& text) {
    const size_t eq = text.find('=');
    std::optional<long> index = eq == std::string::npos ? std::nullopt : ParseIndex(text.substr(0, eq), 1000);
    if (!index)
        throw ScaleUsageError(std::string(Tr("Ungültige Einstellung: ", "Invalid setting: ")) + text +
                              Tr(" (INDEX=WERT erwartet)", " (INDEX=VALUE expected)"));
    return {static_cast<size_t>(*index), text.substr(eq + 1)};
}

Language ParseLanguage(const std::string& text) {
    const std::string s = Lower(text);
    if (s == "de") return Language::German;
    if (s == "en") return Language::English;
    throw ScaleUsageError(std::string(Tr("Unbekannte Sprache: ", "Unknown language: ")) + text +
                          Tr(" (de oder en)", " (de or en)"));
}

std::string CorrectionText(size_t index, const TScaleParam& p, const std::string& typed) {
    return std::string(Tr("Parameter ", "Parameter ")) + std::to_string(index) + " \"" + p.DisplayName() +
           "\" = " + Trimmed(typed) + ": " +
           Tr("Der eingegebene Wert überschreitet die zulässigen Grenzen und wird korrigiert! Neuer Wert: ",
              "Value exceeds range and will be corrected! New value: ") +
           ParamValueText(p, DecimalSeparator(), Tr("Ja", "Yes"), Tr("Nein", "No"));
}

// Restores the language when the command ends.
struct LanguageScope {
    Language saved = CurrentLanguage();
    ~LanguageScope() { SetLanguage(saved); }
};

}  // namespace

std::string ScaleUsageText() {
    return "plattenwerk-cli scale STYLE OUT.fpl [--set INDEX=VALUE]... [--labels TEXT,TEXT,...] [--lang "
           "de|en]\n"
           "  STYLE   0 to 12 (0 straight linear, 1 round linear, 2 straight logarithmic, 3 round "
           "logarithmic,\n"
           "          4 straight dots, 5 round dots, 6 circle segments, 7 increasing arc, 8 decreasing arc,\n"
           "          9 symmetric arc, 10 circle segment, 11 regular polygon, 12 sine curve)\n"
           "  --set INDEX=VALUE  parameter INDEX of the style (0 = first); a number with point or comma,\n"
           "          yes/no (ja/nein, 1/0) for a switch; values outside the allowed range are corrected\n"
           "          and reported\n"
           "  --labels TEXT,...  inscription texts from mark 0 on (\\, is a comma, \\\\ a backslash);\n"
           "          marks without a text are numbered\n"
           "  --lang de|en       language of parameter names, group names and messages\n"
           "  scale STYLE --help lists the parameters of the style with their numbers and ranges\n";
}

std::string ScaleParameterList(int style) {
    TScale scale;
    scale.SetStyle(static_cast<uint8_t>(style));
    const char sep = DecimalSeparator();
    auto number = [sep](Real v) { return FormatGeneral(v, 15, sep); };
    std::string out = std::string(Tr("Parameter von Stil ", "Parameters of style ")) + std::to_string(style) +
                      " (" + ScaleStyleCaption(style) + "):\n";
    const std::vector<TScaleParam>& params = scale.Params();
    for (size_t i = 0; i < params.size(); ++i) {
        const TScaleParam& p = params[i];
        out += "  " + std::to_string(i) + "  " + p.DisplayName() + " = " +
               ParamValueText(p, sep, Tr("ja", "yes"), Tr("nein", "no"));
        if (p.IsNumeric() && p.Range1.Used()) {
            out += "   (" + number(p.Range1.low) + " .. " + number(p.Range1.high);
            if (p.Range2.Used())
                out += Tr(" oder ", " or ") + number(p.Range2.low) + " .. " + number(p.Range2.high);
            out += ")";
        }
        out += "\n";
    }
    return out;
}

std::vector<std::string> SplitLabels(const std::string& text) {
    std::vector<std::string> out(1);
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\' && i + 1 < text.size() && (text[i + 1] == ',' || text[i + 1] == '\\')) {
            out.back().push_back(text[++i]);
        } else if (c == ',') {
            out.emplace_back();
        } else {
            out.back().push_back(c);
        }
    }
    return out;
}

ScaleOptions ParseScaleArguments(const std::vector<std::string>& args) {
    ScaleOptions o;
    std::vector<std::string> positional;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            o.help = true;
            continue;
        }
        if (a.size() < 2 || a[0] != '-' || a[1] != '-') {
            positional.push_back(a);
            continue;
        }
        const size_t eq = a.find('=');
        const std::string name = a.substr(0, eq);
        if (name != "--set" && name != "--labels" && name != "--lang")
            throw ScaleUsageError(std::string(Tr("Unbekannte Option: ", "Unknown option: ")) + a);
        std::string value;
        if (eq != std::string::npos) {
            value = a.substr(eq + 1);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            throw ScaleUsageError(std::string(Tr("Option ", "Option ")) + name +
                                  Tr(" braucht einen Wert", " needs a value"));
        }
        if (name == "--set")
            o.settings.push_back(ParseSetting(value));
        else if (name == "--labels")
            o.labels = SplitLabels(value);
        else
            o.language = ParseLanguage(value);
    }
    if (o.help) {
        // "scale STYLE --help" lists that style's parameters.
        if (!positional.empty())
            if (const std::optional<long> style = ParseIndex(positional[0], kScaleStyleCount - 1))
                o.style = static_cast<int>(*style), o.helpForStyle = true;
        return o;
    }
    if (positional.size() < 2)
        throw ScaleUsageError(Tr("Stil und Ausgabedatei fehlen", "STYLE and OUT.fpl are needed"));
    if (positional.size() > 2)
        throw ScaleUsageError(std::string(Tr("Unerwartete Angabe: ", "Unexpected argument: ")) +
                              positional[2]);
    const std::optional<long> style = ParseIndex(positional[0], kScaleStyleCount - 1);
    if (!style)
        throw ScaleUsageError(std::string(Tr("Ungültiger Stil: ", "Invalid style: ")) + positional[0] +
                              Tr(" (0 bis 12)", " (0 to 12)"));
    o.style = static_cast<int>(*style);
    o.output = positional[1];
    return o;
}

std::unique_ptr<TScale> MakeScale(const ScaleOptions& options, std::vector<std::string>& corrections) {
    auto scale = std::make_unique<TScale>();
    scale->SetStyle(static_cast<uint8_t>(options.style));
    const size_t count = scale->Params().size();
    for (const ScaleSetting& s : options.settings) {
        if (s.index >= count)
            throw ScaleUsageError(std::string(Tr("Stil ", "Style ")) + std::to_string(options.style) +
                                  Tr(" hat keinen Parameter ", " has no parameter ") +
                                  std::to_string(s.index) + Tr(" (0 bis ", " (0 to ") +
                                  std::to_string(count - 1) + ")");
        TScaleParam& p = scale->Params()[s.index];
        if (p.ParamType == spYesNo) {
            const std::optional<bool> v = ParseYesNo(s.value);
            if (!v)
                throw ScaleUsageError(std::string(Tr("Ja oder nein erwartet für Parameter ",
                                                     "Yes or no expected for parameter ")) +
                                      std::to_string(s.index) + ": " + s.value);
            p.BoolValue = *v;
            continue;
        }
        const std::optional<Real> v = ParseNumber(s.value);
        if (!v)
            throw ScaleUsageError(
                std::string(Tr("Zahl erwartet für Parameter ", "Number expected for parameter ")) +
                std::to_string(s.index) + ": " + s.value);
        if (!scale->SetParam(s.index, *v)) corrections.push_back(CorrectionText(s.index, p, s.value));
    }
    if (options.labels) scale->Inscriptions = *options.labels;
    scale->Build();
    return scale;
}

std::vector<uint8_t> ScaleDocumentBytes(std::unique_ptr<TScale> scale) {
    TPlatine panel;
    panel.Width = kMaxPanelSide;
    panel.Height = kMaxPanelSide;
    panel.AddElement(std::move(scale));
    std::vector<uint8_t> bytes;
    WriteDocument(bytes, {&panel}, {});
    return bytes;
}

namespace {

// The inscriptions are stored in Windows-1252: the characters that change are named on err.
void WarnAboutUnstorableLabels(const ScaleOptions& options, std::ostream& err) {
    if (!options.labels) return;
    std::string all;
    for (const std::string& label : *options.labels) all += label;
    const std::string warning = UnstorableCharactersWarning(all);
    if (!warning.empty()) err << "--labels: " << warning << '\n';
}

}  // namespace

int RunScaleCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    LanguageScope scope;
    try {
        const ScaleOptions options = ParseScaleArguments(args);
        if (options.language) SetLanguage(*options.language);
        if (options.help) {
            out << ScaleUsageText();
            if (options.helpForStyle) out << ScaleParameterList(options.style);
            return 0;
        }
        std::vector<std::string> corrections;
        std::unique_ptr<TScale> scale = MakeScale(options, corrections);
        for (const std::string& c : corrections) err << c << '\n';
        WarnAboutUnstorableLabels(options, err);
        const std::vector<uint8_t> bytes = ScaleDocumentBytes(std::move(scale));
        WriteWholeFile(options.output, bytes);
        return 0;
    } catch (const ScaleUsageError& e) {
        err << e.what() << '\n' << ScaleUsageText();
        return 2;
    } catch (const FileError& e) {
        err << e.what() << '\n';
        return 2;
    }
}

}  // namespace pw
