// Numbers typed into the main window: the bottom bar's fields take only numbers in their range,
// and a field out of range (there or in the grid dialog) is named with its limits.
#include <QLineEdit>
#include <QTest>

#include "main_window_fixture.h"

namespace pw {
namespace {

struct Input : test::WindowFixture {
    QString Typed(const char* name, const char* keys) {
        auto* field = window->findChild<QLineEdit*>(name);
        field->clear();
        QTest::keyClicks(field, keys);
        return field->text();
    }
    QString Warning(size_t i) const { return i < prompts.asked.size() ? prompts.asked[i].text : QString(); }
};

TEST_F(Input, TheBottomBarTakesNumbersInRangeAndNamesAFieldWithoutOne) {
    Open();
    EXPECT_EQ(Typed("Winkel_Edit", "-4x5.5"), "-45.5");
    EXPECT_EQ(Typed("Winkel_Edit", "3600,5,"), "360,");
    EXPECT_EQ(Typed("L_Edit", "-1000"), "100");  // an amount has no sign
    TLinie* line = AddLine({1000, 1000}, {2000, 1000});
    Select({line});
    Typed("Winkel_Edit", "-");
    Trigger("WinkelLinksBtn");
    EXPECT_EQ(line->Point(1), (MPoint{2000, 1000}));
    Typed("L_Edit", "");
    Trigger("sb_Runden");
    EXPECT_FALSE(line->Glaetten());
    Trigger("sb_Splines");  // takes no amount
    EXPECT_TRUE(line->Glaetten());
    ASSERT_EQ(prompts.Count("Warning"), 2);
    EXPECT_EQ(prompts.asked[0].title, "Fehlerhafte Eingabe");
    EXPECT_EQ(Warning(0), "Winkelschritt: nur Zahlen von -360 bis 360 Grad sind möglich.");
    EXPECT_EQ(Warning(1), "Maß für Fasen und Rundungen: nur Zahlen von 0 bis 100 mm sind möglich.");
}

TEST_F(Input, TheGridDialogNamesTheFieldOutOfRangeInEitherLanguage) {
    Open();
    dialogs.grid = {GridDialogValues{"0", "0", "0,01", true}, GridDialogValues{"700", "0", "1", true},
                    GridDialogValues{"12", "0", "1", true}};
    Trigger("Raster1");
    EXPECT_EQ(Panel().GridOrigin.x, 600);
    EXPECT_EQ(Warning(0), "Fang: nur Zahlen von 0,02 bis 20 mm sind möglich.");
    EXPECT_EQ(Warning(1), "Ursprung X: nur Zahlen von 0 bis 600 mm sind möglich.");
    Close();
    prompts.asked.clear();
    Open(true);
    dialogs.grid = {GridDialogValues{"0", "0", "25", true}};
    Trigger("Raster1");
    Typed("Winkel_Edit", "");
    Trigger("WinkelRechtsBtn");
    ASSERT_EQ(prompts.Count("Warning"), 2);
    EXPECT_EQ(prompts.asked[0].title, "Invalid input");
    EXPECT_EQ(Warning(0), "Capture: only numbers from 0.02 to 20 mm are possible.");
    EXPECT_EQ(Warning(1), "Angle: only numbers from -360 to 360 deg. are possible.");
}

}  // namespace
}  // namespace pw
