// A panel painted into an EMF and the EMF played back onto an image gives the pixels of painting
// the panel directly; the EMF opens in a reader that is not ours (emf2svg-conv).
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QTemporaryDir>
#include <cstdlib>
#include <fstream>

#include "core/metafile.h"
#include "panel/document.h"
#include "render/panel_render.h"
#include "render/render_targets.h"

using namespace pw;

namespace {

std::unique_ptr<TPlatine> ExamplePanel() {
    auto panel = std::make_unique<TPlatine>();
    std::vector<std::unique_ptr<TPlatine>> more;
    std::vector<TView> views;
    ReadDocument(
        ReadWholeFile(std::string(PW_DATA_DIR) + "/Examples/Examples.fpl"), *panel,
        [&]() -> TPlatine& { return *more.emplace_back(std::make_unique<TPlatine>()); }, views);
    return panel;
}

// The EMF played at true size onto an image of the panel's pixel size.
QImage Replayed(const std::vector<uint8_t>& emf, const TPlatine& panel, double dpi) {
    QSize size = PanelDeviceSize(panel, dpi);
    ImageTarget target(size.width(), size.height(), kWhite, dpi);
    MapTrueSize(target.Canvas(), dpi);
    std::string error;
    EXPECT_TRUE(PlayMetafile(target.Canvas(), emf.data(), emf.size(),
                             IRect{0, 0, RoundToInt(panel.Width), RoundToInt(panel.Height)}, &error))
        << error;
    return target.Finish().copy();
}

}  // namespace

TEST(EmfReplay, ExamplePanelGivesTheSamePixelsAsDirectPainting) {
    auto panel = ExamplePanel();
    // 100 dpi: no model coordinate maps exactly onto half a pixel, so rounding once from the
    // metafile's 0.01 mm and once from model units cannot fall differently.
    for (bool background : {true, false}) {
        const QImage direct = RenderPanelImage(*panel, 100, background);
        const QImage replayed = Replayed(RenderPanelEmf(*panel, background), *panel, 100);
        ASSERT_EQ(direct.size(), replayed.size());
        int differing = 0;
        for (int y = 0; y < direct.height(); ++y)
            for (int x = 0; x < direct.width(); ++x)
                differing += (direct.pixel(x, y) & 0xFFFFFF) != (replayed.pixel(x, y) & 0xFFFFFF);
        EXPECT_EQ(differing, 0) << "background " << background;
    }
}

TEST(EmfReplay, ReadByEmf2svg) {
    const char* converter = "/usr/bin/emf2svg-conv";
    if (!std::ifstream(converter)) GTEST_SKIP() << "emf2svg-conv is not installed";
    auto panel = ExamplePanel();
    const std::vector<uint8_t> emf = RenderPanelEmf(*panel, true);
    QTemporaryDir dir;
    const std::string in = dir.filePath("panel.emf").toStdString(),
                      out = dir.filePath("panel.svg").toStdString();
    std::ofstream(in, std::ios::binary).write(reinterpret_cast<const char*>(emf.data()), emf.size());
    ASSERT_EQ(std::system((std::string(converter) + " -i '" + in + "' -o '" + out + "' 2>/dev/null").c_str()),
              0);
    std::ifstream svgFile(out);
    const std::string svg((std::istreambuf_iterator<char>(svgFile)), std::istreambuf_iterator<char>());
    // The drawing is the panel in 0.01 mm (180 x 100 mm), its surface filled in the panel colour.
    QRegularExpression size(R"re(<svg[^>]*width="([0-9.]+)"[^>]*height="([0-9.]+)")re");
    auto m = size.match(QString::fromStdString(svg));
    ASSERT_TRUE(m.hasMatch());
    EXPECT_DOUBLE_EQ(m.captured(1).toDouble(), panel->Width * 2);
    EXPECT_DOUBLE_EQ(m.captured(2).toDouble(), panel->Height * 2);
    EXPECT_GT(QString::fromStdString(svg).count("<path"), 100);
    EXPECT_NE(svg.find("<ellipse"), std::string::npos);
}
