#include "cli/cli_options.h"

#include <charconv>
#include <cmath>
#include <string_view>

#include "core/language.h"

namespace pw::cli {

namespace {

struct CommandShape {
    const char* name;
    size_t files;
    bool renderOptions;
};

constexpr CommandShape kCommands[] = {
    {"info", 1, false},
    {"render", 2, true},
    {"convert", 2, false},
    {"check", 1, false},
};

constexpr double kMaxDpi = 10000;

double ParseDpi(const std::string& text) {
    double v = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(v) || v <= 0 || v > kMaxDpi)
        throw UsageError(std::string(Tr("Ungültige Auflösung: ", "Invalid resolution: ")) + text);
    return v;
}

int ParsePanel(const std::string& text) {
    int v = -1;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || end != text.data() + text.size() || v < 0)
        throw UsageError(std::string(Tr("Ungültige Platte: ", "Invalid panel: ")) + text);
    return v;
}

// Whether a file name is only an extension ("out/.png"), as "out/$NAME.png" becomes in a
// script whose variable is empty.
bool NameIsOnlyExtension(const std::string& path) {
    size_t slash = path.find_last_of('/');
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    return name.size() > 1 && name[0] == '.' && name.find('.', 1) == std::string::npos;
}

}  // namespace

Language LanguageFromLocale(const char* lcAll, const char* lcMessages, const char* lang) {
    for (const char* value : {lcAll, lcMessages, lang})
        if (value && *value)
            return std::string_view(value).starts_with("de") ? Language::German : Language::English;
    return Language::English;
}

std::string UsageText() {
    return "plattenwerk-cli info FILE.fpl\n"
           "plattenwerk-cli render FILE.fpl OUT.png|.bmp|.pdf|.svg [--panel N|all] [--dpi D] "
           "[--no-background] "
           "[--outline]\n"
           "plattenwerk-cli convert IN.fpl OUT.fpl\n"
           "plattenwerk-cli check FILE.fpl\n"
           "plattenwerk-cli scale STYLE OUT.fpl [--set INDEX=VALUE]... [--labels TEXT,TEXT,...] [--lang "
           "de|en]\n"
           "plattenwerk-cli --version\n";
}

Options ParseOptions(const std::vector<std::string>& args) {
    if (args.empty())
        throw UsageError(Tr("Kein Befehl angegeben (info, render, convert, check, scale; --help zeigt mehr)",
                            "No command given (info, render, convert, check, scale; --help tells more)"));
    Options o;
    o.command = args[0];
    const CommandShape* shape = nullptr;
    for (const CommandShape& c : kCommands)
        if (o.command == c.name) shape = &c;
    if (!shape) throw UsageError(std::string(Tr("Unbekannter Befehl: ", "Unknown command: ")) + o.command);

    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.size() < 2 || a[0] != '-') {
            o.files.push_back(a);
            continue;
        }
        std::string name = a, value;
        bool inlineValue = false;
        if (size_t eq = a.find('='); eq != std::string::npos) {
            name = a.substr(0, eq);
            value = a.substr(eq + 1);
            inlineValue = true;
        }
        auto takeValue = [&]() -> std::string {
            if (inlineValue) return value;
            if (i + 1 >= args.size())
                throw UsageError(std::string(Tr("Wert fehlt für ", "Missing value for ")) + name);
            return args[++i];
        };
        bool flag = !inlineValue;
        if (shape->renderOptions && name == "--panel") {
            std::string v = takeValue();
            if (v == "all") {
                o.allPanels = true;
                o.panel.reset();
            } else {
                o.allPanels = false;
                o.panel = ParsePanel(v);
            }
        } else if (shape->renderOptions && name == "--dpi") {
            o.dpi = ParseDpi(takeValue());
            o.dpiGiven = true;
        } else if (shape->renderOptions && flag && name == "--no-background") {
            o.background = false;
        } else if (shape->renderOptions && flag && name == "--outline") {
            o.outline = true;
        } else {
            throw UsageError(std::string(Tr("Unbekannte Option: ", "Unknown option: ")) + a);
        }
    }
    if (o.files.size() != shape->files)
        throw UsageError(std::string(Tr("Falsche Zahl von Dateien für ", "Wrong number of files for ")) +
                         o.command);
    if (o.files.size() == 2 && NameIsOnlyExtension(o.files[1]))
        throw UsageError(std::string(Tr("Der Name der Ausgabedatei ist nur eine Endung: ",
                                        "The output file's name is only an extension: ")) +
                         o.files[1]);
    return o;
}

}  // namespace pw::cli
