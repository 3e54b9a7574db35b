#include "cli/cli.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageWriter>
#include <algorithm>
#include <cctype>
#include <cmath>

#include "cli/cli_options.h"
#include "cli/element_info.h"
#include "cli/loaded_document.h"
#include "cli/print_command.h"
#include "cli/print_options.h"
#include "core/language.h"
#include "panel/scale_document.h"
#include "render/panel_render.h"

namespace pw::cli {

namespace {

enum class Format { Png, Bmp, Pdf, Svg };

Format FormatOf(const std::string& path) {
    size_t dot = path.find_last_of('.');
    size_t slash = path.find_last_of('/');
    std::string ext =
        dot == std::string::npos || (slash != std::string::npos && dot < slash) ? "" : path.substr(dot);
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    if (ext == ".png") return Format::Png;
    if (ext == ".bmp") return Format::Bmp;
    if (ext == ".pdf") return Format::Pdf;
    if (ext == ".svg") return Format::Svg;
    throw UsageError(std::string(Tr("Unbekanntes Bildformat: ", "Unknown picture format: ")) + path);
}

// Panels a damaged file may describe with sizes no picture can have.
void CheckPanelSize(const TPlatine& p) {
    auto ok = [](Real v) { return std::isfinite(v) && v > 0 && v <= 100000; };
    if (!ok(p.Width) || !ok(p.Height)) throw ReadFailure(Tr("Ungültige Plattengröße", "Invalid panel size"));
}

std::vector<TPlatine*> ChosenPanels(const LoadedDocument& doc, const Options& o, Format format) {
    if (o.allPanels) {
        if (format != Format::Pdf)
            throw UsageError(Tr("--panel all geht nur mit PDF", "--panel all needs a PDF output"));
        return doc.PanelPointers();
    }
    size_t index = static_cast<size_t>(o.panel.value_or(0));
    if (index >= doc.panels.size())
        throw UsageError(std::string(Tr("Keine Platte ", "No panel ")) + std::to_string(index));
    return {doc.panels[index].get()};
}

QByteArray EncodeImage(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (!writer.write(image)) return {};
    return bytes;
}

int Info(const Options& o, std::ostream& out) {
    LoadedDocument doc = LoadDocument(o.files[0]);
    out << DocumentJson(doc).dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
    return kExitOk;
}

int Check(const Options& o) {
    LoadDocument(o.files[0]);
    return kExitOk;
}

int Convert(const Options& o) {
    LoadedDocument doc = LoadDocument(o.files[0]);
    std::vector<uint8_t> bytes = DocumentBytes(doc);
    SaveOutput(o.files[1], reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return kExitOk;
}

int Render(const Options& o, std::ostream& err) {
    Format format = FormatOf(o.files[1]);
    LoadedDocument doc = LoadDocument(o.files[0]);
    std::vector<TPlatine*> panels = ChosenPanels(doc, o, format);
    for (TPlatine* p : panels) {
        CheckPanelSize(*p);
        if (o.outline) p->SetUmrissModus(true);
    }
    QByteArray bytes;
    switch (format) {
        case Format::Pdf:
            bytes = RenderPanelsPdf(panels, o.background);
            break;
        case Format::Svg:
            bytes = RenderPanelSvg(*panels[0], o.background);
            break;
        case Format::Png:
        case Format::Bmp: {
            QImage image = RenderPanelImage(*panels[0], o.dpi, o.background);
            if (image.isNull())
                throw UsageError(Tr("Das Bild wäre zu groß; bitte eine kleinere Auflösung wählen",
                                    "The picture would be too large; choose a lower resolution"));
            bytes = EncodeImage(image, format == Format::Png ? "png" : "bmp");
            break;
        }
    }
    if (bytes.isEmpty()) throw UsageError(CannotCreateMessage(o.files[1]));
    SaveOutput(o.files[1], bytes.constData(), static_cast<size_t>(bytes.size()));
    if (o.dpiGiven && (format == Format::Pdf || format == Format::Svg))
        err << Tr("Hinweis: --dpi gilt nur für PNG und BMP; PDF und SVG haben die wahre Größe der Platte",
                  "Note: --dpi applies to PNG and BMP only; PDF and SVG have the panel's true size")
            << '\n';
    return kExitOk;
}

}  // namespace

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() == 1 && args[0] == "--version") {
        out << "plattenwerk-cli " << PW_VERSION << '\n';
        return kExitOk;
    }
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "help")) {
        out << UsageText() << PrintUsageText();
        return kExitOk;
    }
    // The scale command has options of its own (repeated --set, --labels, --lang).
    if (!args.empty() && args[0] == "scale") return RunScaleCommand({args.begin() + 1, args.end()}, out, err);
    if (!args.empty() && args[0] == "print") return RunPrintCommand({args.begin() + 1, args.end()}, out, err);
    try {
        Options o = ParseOptions(args);
        if (o.command == "info") return Info(o, out);
        if (o.command == "render") return Render(o, err);
        if (o.command == "convert") return Convert(o);
        return Check(o);
    } catch (const UsageError& e) {
        err << e.what() << '\n';
        return kExitUsage;
    } catch (const ReadFailure& e) {
        err << e.what() << '\n';
        return kExitFailed;
    }
}

}  // namespace pw::cli
