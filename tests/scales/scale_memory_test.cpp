#include "scales/scale_memory.h"

#include <gtest/gtest.h>

#include "scale_test_support.h"

using namespace pw;
using namespace pw::test;

namespace {

// The file as written and read back.
IniFile Reread(const IniFile& ini) {
    IniFile again;
    again.Parse(ini.Serialise());
    return again;
}

TEST(ScaleMemory, StyleValuesAndTextsComeBackExactly) {
    TScale scale;
    scale.SetStyle(ssEmpirical);
    scale.SetParam(0, 1.0L / 3);  // no short decimal
    scale.SetParam(3, 7);
    scale.SetParam(14, 0);
    scale.Inscriptions = {"  leise", "\"laut\"", "Größe = 5", ""};
    IniFile ini;
    ini.WriteString("Plattenwerk", "Editfile", "x.fpl");
    RememberScale(scale, ini);

    TScale back;
    RecallScale(back, Reread(ini));
    EXPECT_EQ(back.Style(), ssEmpirical);
    ASSERT_EQ(back.Params().size(), scale.Params().size());
    for (size_t i = 0; i < back.Params().size(); ++i) {
        EXPECT_EQ(back.Params()[i].RealValue, scale.Params()[i].RealValue) << i;
        EXPECT_EQ(back.Params()[i].IntValue, scale.Params()[i].IntValue) << i;
        EXPECT_EQ(back.Params()[i].BoolValue, scale.Params()[i].BoolValue) << i;
    }
    EXPECT_EQ(back.Inscriptions, scale.Inscriptions);
    // Other sections stay; a second write replaces the section.
    EXPECT_EQ(ini.ReadString("Plattenwerk", "Editfile"), "x.fpl");
    scale.SetStyle(ssSineCurve);
    scale.Inscriptions.clear();
    RememberScale(scale, ini);
    EXPECT_FALSE(ini.Value(kScaleAssistantSection, "Parameter5").has_value());
    EXPECT_FALSE(ini.Value(kScaleAssistantSection, "Beschriftung0").has_value());
}

TEST(ScaleMemory, WhatCannotBeUsedIsLeftOrCorrected) {
    TScale scale;
    scale.SetParam(0, 90);
    IniFile ini;
    RecallScale(scale, ini);  // no section
    EXPECT_EQ(scale.ParamReal(0), 90);
    ini.Parse("[Skalen-Assistent]\r\nStil=13\r\nParameter0=10\r\n");
    RecallScale(scale, ini);
    EXPECT_EQ(scale.Style(), ssRoundLinear);
    EXPECT_EQ(scale.ParamReal(0), 90);

    ini.Parse(
        "[skalen-assistent]\r\nstil=1\r\nParameter0=1e300\r\nParameter4=abc\r\nParameter5=2,5\r\n"
        "Beschriftungen=2000000000\r\nBeschriftung1=\"eins\r\n");
    RecallScale(scale, ini);
    EXPECT_EQ(scale.ParamReal(0), 360);  // corrected to the bound
    EXPECT_EQ(scale.ParamInt(4), 1);     // no number: 0, corrected
    EXPECT_EQ(scale.ParamReal(5), 2.5L);
    EXPECT_EQ(scale.ParamReal(1), 50);  // missing: the default
    ASSERT_EQ(scale.Inscriptions.size(), kMaxRememberedInscriptions);
    EXPECT_EQ(scale.Inscriptions[0], "");
    EXPECT_EQ(scale.Inscriptions[1], "\"eins");
}

}  // namespace
