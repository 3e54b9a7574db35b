// "&Importieren..." and BitmapBtn: the Import dialog with its three filters, the element the
// chosen filter makes, refusals shown in a message box, and cancelling.
#include <QToolButton>

#include "elements/btmap.h"
#include "elements/meta.h"
#include "main_window_fixture.h"
#include "support/picture_bytes.h"
#include "ui/main/tool_palette.h"

using namespace pw;
using namespace pw::test;

namespace {

struct ImportFixture : WindowFixture {
    QString WritePicture(const std::string& name, const PictureBytes& bytes) {
        home.Write(name, std::string(bytes.begin(), bytes.end()));
        return QString::fromStdString(home.File(name));
    }
};

TEST_F(ImportFixture, TheChosenFilterDecidesTheKind) {
    Open();
    const QString bmp = WritePicture("logo.bmp", Bmp24(2, 1, {0xFF0000, 0x0000FF}));
    // The bitmap is chosen under the metafile filter: refused, the reason shown.
    prompts.pictures = {{bmp, 2}, {bmp, 0}};
    Trigger("Importieren1");
    EXPECT_EQ(prompts.lastPictureFilters,
              (QStringList{"Bitmaps (*.bmp)", "Metadateien (*.wmf)", "Erweiterte Metadateien (*.emf)"}));
    EXPECT_EQ(prompts.lastPicturePreselected, 2);
    EXPECT_EQ(prompts.asked.back().kind, "Error");
    EXPECT_EQ(Panel().ElementCount(), 0u);
    Trigger("Importieren1");
    ASSERT_EQ(Panel().ElementCount(), 1u);
    EXPECT_NE(dynamic_cast<TBtmap*>(Panel().Element(0)), nullptr);
    EXPECT_EQ(Panel().EditMode(), emBitmap);
    EXPECT_EQ(Action("Importieren1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_I));
}

TEST_F(ImportFixture, ButtonImportsAMetafileAndCancelEndsTheCommand) {
    Open();
    const QString emf = WritePicture("drawing.emf", EmfRectangle(100, 50, 2540, 1270, 0xFF));
    prompts.pictures = {{emf, 2}};
    auto* button = window->findChild<QToolButton*>(QStringLiteral("BitmapBtn"));
    ASSERT_TRUE(button);
    ASSERT_TRUE(button->isEnabled());
    button->click();
    ASSERT_EQ(Panel().ElementCount(), 1u);
    EXPECT_NE(dynamic_cast<TMeta*>(Panel().Element(0)), nullptr);
    EXPECT_EQ(Panel().EditMode(), emMeta);
    button->click();  // cancelled: the placing is abandoned, the picture stays
    EXPECT_EQ(Panel().EditMode(), emStandard);
    EXPECT_EQ(Panel().ElementCount(), 1u);
}

}  // namespace
