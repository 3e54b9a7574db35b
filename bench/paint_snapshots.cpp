// Pictures of the panel view for comparing the painting before and after a change: the crowded
// panels of the benchmarks and every panel of the documents named, each shown in a 1220 x 920
// panel view at a row of zooms and scroll positions, through a run of wheel zoom steps about a
// point, and in the outline view. Prints one line per picture, its name and a hash of its
// pixels; with an output folder each picture is also written there as a PNG file.
//
//   paint_snapshots [--out DIR] [--save-crowded FILE.fpl] [DOCUMENT.fpl ...]
//
// --save-crowded writes the crowded panel of the painting benchmarks as a document (for
// comparing the command-line tool's pictures and exports) and paints nothing.
// Compare the printed lines of two builds with diff: every line must be the same.
#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QImage>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "bench_elements_grid.h"
#include "crowded_panel.h"
#include "panel/document.h"
#include "panel/document_file.h"
#include "panel/register_elements.h"
#include "ui/panel/panel_view.h"

namespace {

using namespace pw;

QString outDir;

void Shoot(PanelView& view, const std::string& name) {
    view.RepaintPanel();
    const QImage picture = view.Picture();
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(QByteArrayView(reinterpret_cast<const char*>(picture.constBits()), picture.sizeInBytes()));
    std::printf("%s %s\n", name.c_str(), hash.result().toHex().constData());
    if (!outDir.isEmpty()) picture.save(outDir + "/" + QString::fromStdString(name) + ".png");
}

void ShootPanel(std::unique_ptr<TPlatine> panel, const std::string& subject) {
    PanelView view(std::move(panel));
    view.resize(1220, 920);
    view.show();
    QApplication::processEvents();
    TPlatine& p = view.Panel();
    p.ZoomToPanel();
    view.SyncScrollBars();
    Shoot(view, subject + "-fit");
    for (double zoom : {0.5, 0.83, 1.0, 1.37, 2.0, 3.3, 7.7, 20.0, 50.0}) {
        p.SetZoom(zoom);
        const int maxX = std::max(0, p.ControlWidth() - p.ViewWidth),
                  maxY = std::max(0, p.ControlHeight() - p.ViewHeight);
        const int spots[3][2] = {{0, 0}, {maxX / 3, maxY * 2 / 3}, {maxX / 2, maxY / 2}};
        for (int s = 0; s < 3; ++s) {
            p.ScrollTo(spots[s][0], spots[s][1]);
            view.SyncScrollBars();
            char name[64];
            std::snprintf(name, sizeof name, "-z%g-s%d", zoom, s);
            Shoot(view, subject + name);
        }
    }
    // Wheel steps about a point, in and back out, each painted as the wheel paints it.
    p.SetZoom(1.5);
    view.SyncScrollBars();
    for (int step = 0; step < 24; ++step) {
        p.ZoomStep({410, 330}, step < 8 || step >= 20);
        Shoot(view, subject + "-wheel" + std::to_string(step));
    }
    p.SetUmrissModus(true);
    Shoot(view, subject + "-outline");
}

std::unique_ptr<TPlatine> GridPanel() {
    auto panel = std::make_unique<TPlatine>();
    panel->SnapSpacing = 50;
    for (int i = 0; i < bench::kElements; ++i) {
        TBauteil* e = panel->AddElement(bench::MakeElement(i));
        if (bench::IsSelected(i)) panel->SelectElement(e, true);
    }
    return panel;
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    RegisterBuiltinElementClasses();
    std::vector<std::string> documents;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--out" && i + 1 < argc) {
            outDir = QString::fromLocal8Bit(argv[++i]);
            QDir().mkpath(outDir);
        } else if (a == "--save-crowded" && i + 1 < argc) {
            auto panel = crowded::CrowdedPanel();
            std::vector<uint8_t> bytes;
            WriteDocument(bytes, {panel.get()}, {});
            WriteWholeFile(argv[++i], bytes);
            return 0;
        } else {
            documents.push_back(a);
        }
    }
    ShootPanel(crowded::CrowdedPanel(), "crowded");
    ShootPanel(GridPanel(), "grid");
    for (size_t d = 0; d < documents.size(); ++d) {
        auto first = std::make_unique<TPlatine>();
        std::vector<std::unique_ptr<TPlatine>> more;
        std::vector<TView> views;
        ReadDocument(
            ReadDocumentFileBytes(documents[d]), *first,
            [&]() -> TPlatine& { return *more.emplace_back(std::make_unique<TPlatine>()); }, views);
        more.insert(more.begin(), std::move(first));
        for (size_t k = 0; k < more.size(); ++k)
            ShootPanel(std::move(more[k]), "doc" + std::to_string(d) + "-p" + std::to_string(k));
    }
    return 0;
}
