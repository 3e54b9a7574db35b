// make_examples: writes the example documents Beispiele/Beispiel.fpl and Examples/Examples.fpl
// and the title picture TITEL.BMP into the data directory given as its argument. The files are
// committed; run it again after a change of the example or of the file format:
//   build/tools/make_examples data
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "example_document.h"
#include "panel/document.h"
#include "render/panel_render.h"

namespace {

constexpr int kTitleWidth = 480;
constexpr int kTitleHeight = 330;

// The title picture: the front panel of the example on a dark ground, with the program's name.
QImage TitlePicture() {
    QImage picture(kTitleWidth, kTitleHeight, QImage::Format_RGB32);
    QPainter p(&picture);
    QLinearGradient ground(0, 0, 0, kTitleHeight);
    ground.setColorAt(0, QColor(28, 34, 44));
    ground.setColorAt(1, QColor(70, 82, 100));
    p.fillRect(picture.rect(), ground);

    auto panels = pw::BuildExamplePanels(pw::Language::German);
    QImage panel = pw::RenderPanelImage(*panels.front(), 200, true);
    QImage shown = panel.scaledToWidth(kTitleWidth - 80, Qt::SmoothTransformation);
    const int top = 86;
    const int left = (kTitleWidth - shown.width()) / 2;
    p.fillRect(QRect(left + 4, top + 4, shown.width(), shown.height()), QColor(0, 0, 0, 90));
    p.drawImage(left, top, shown);

    p.setRenderHint(QPainter::TextAntialiasing);
    QFont title("Liberation Sans", 30, QFont::Bold);
    p.setFont(title);
    p.setPen(QColor(240, 240, 232));
    p.drawText(QRect(40, 14, kTitleWidth - 60, 44), Qt::AlignLeft | Qt::AlignVCenter, "Plattenwerk 2.0");
    QFont sub("Liberation Sans", 11);
    p.setFont(sub);
    p.setPen(QColor(232, 140, 40));
    p.drawText(QRect(42, 54, kTitleWidth - 60, 24), Qt::AlignLeft | Qt::AlignVCenter,
               "Frontplatten-Designer  \u00b7  Front panel designer");
    p.end();
    return picture;
}

bool Write(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    std::error_code ec;
    std::filesystem::create_directories(path.parent_path(), ec);
    try {
        pw::WriteWholeFile(path.string(), bytes);
    } catch (const pw::FileError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_examples DATA-DIRECTORY\n");
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    const std::filesystem::path data = argv[1];
    bool ok = Write(data / "Beispiele" / "Beispiel.fpl", pw::ExampleDocumentBytes(pw::Language::German));
    ok = Write(data / "Examples" / "Examples.fpl", pw::ExampleDocumentBytes(pw::Language::English)) && ok;
    const QString title = QString::fromStdString((data / "TITEL.BMP").string());
    if (!TitlePicture().save(title, "BMP")) {
        std::fprintf(stderr, "Datei %s kann nicht erstellt werden\n", title.toLocal8Bit().constData());
        ok = false;
    }
    return ok ? 0 : 1;
}
