// Numbers the user types into the main window: the fields of the bottom bar take only numbers in
// their range, and a field out of range (there or in the grid dialog) is named with its limits,
// in the interface's language.
#include <QLineEdit>
#include <QTest>

#include "main_window_fixture.h"

namespace pw {
namespace {

struct Input : test::WindowFixture {
    QLineEdit* Field(const char* name) { return window->findChild<QLineEdit*>(name); }
    QString Typed(const char* name, const char* keys) {
        QLineEdit* field = Field(name);
        field->clear();
        QTest::keyClicks(field, keys);
        return field->text();
    }
    QString LastWarning() const { return prompts.asked.empty() ? QString() : prompts.asked.back().text; }
};

TEST_F(Input, TheBottomBarFieldsTakeOnlyNumbersInTheirRange) {
    Open();
    EXPECT_EQ(Typed("Winkel_Edit", "-4x5.5"), "-45.5");
    EXPECT_EQ(Typed("Winkel_Edit", "3600"), "360");
    EXPECT_EQ(Typed("Winkel_Edit", "12,5,"), "12,5");
    EXPECT_EQ(Typed("L_Edit", "-2,5"), "2,5");  // an amount has no sign
    EXPECT_EQ(Typed("L_Edit", "1000"), "100");
}

TEST_F(Input, AFieldWithoutANumberIsNamedAndNothingHappens) {
    Open();
    TLinie* line = AddLine({1000, 1000}, {2000, 1000});
    Select({line});
    Typed("Winkel_Edit", "-");
    Trigger("WinkelLinksBtn");
    ASSERT_EQ(prompts.Count("Warning"), 1);
    EXPECT_EQ(prompts.asked.back().title, "Fehlerhafte Eingabe");
    EXPECT_EQ(LastWarning(), "Winkelschritt: nur Zahlen von -360 bis 360 Grad sind möglich.");
    EXPECT_EQ(line->Point(1), (MPoint{2000, 1000}));
    EXPECT_FALSE(Action("Rckgngig1")->isEnabled());

    Typed("L_Edit", "");
    Trigger("sb_Runden");
    EXPECT_EQ(LastWarning(), "Maß für Fasen und Rundungen: nur Zahlen von 0 bis 100 mm sind möglich.");
    EXPECT_FALSE(line->Glaetten());
    Trigger("sb_Splines");  // takes no amount
    EXPECT_EQ(prompts.Count("Warning"), 2);
    EXPECT_TRUE(line->Glaetten());
}

TEST_F(Input, TheGridDialogNamesTheFieldOutOfRange) {
    Open();
    dialogs.grid = {GridDialogValues{"0", "0", "0,01", true}, GridDialogValues{"700", "0", "1", true},
                    GridDialogValues{"12", "0", "1", true}};
    Trigger("Raster1");
    EXPECT_EQ(dialogs.gridShown, 3);
    ASSERT_EQ(prompts.Count("Warning"), 2);
    EXPECT_EQ(prompts.asked[0].text, "Fang: nur Zahlen von 0,02 bis 20 mm sind möglich.");
    EXPECT_EQ(prompts.asked[1].text, "Ursprung X: nur Zahlen von 0 bis 600 mm sind möglich.");
    EXPECT_EQ(Panel().GridOrigin.x, 600);
}

TEST_F(Input, TheMessagesSpeakEnglishInTheEnglishInterface) {
    Open(true);
    dialogs.grid = {GridDialogValues{"0", "0", "25", true}};
    Trigger("Raster1");
    AddLine({1000, 1000}, {2000, 1000});
    Select({Panel().Element(0)});
    Typed("Winkel_Edit", "");
    Trigger("WinkelRechtsBtn");
    ASSERT_EQ(prompts.Count("Warning"), 2);
    EXPECT_EQ(prompts.asked[0].title, "Invalid input");
    EXPECT_EQ(prompts.asked[0].text, "Capture: only numbers from 0.02 to 20 mm are possible.");
    EXPECT_EQ(prompts.asked[1].text, "Angle: only numbers from -360 to 360 deg. are possible.");
}

}  // namespace
}  // namespace pw
