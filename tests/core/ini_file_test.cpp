#include "core/ini_file.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace pw;

namespace {

TEST(IniFile, ReadsWithoutRegardToCase) {
    IniFile ini;
    ini.Parse("; settings\r\n[Plattenwerk]\r\nEditfile = C:\\a.fpl\r\n\r\n[History]\r\nD1=x.fpl\r\nD2=\r\n");
    EXPECT_EQ(ini.ReadString("plattenwerk", "EDITFILE"), "C:\\a.fpl");
    EXPECT_EQ(ini.ReadString("History", "D2", "none"), "");
    EXPECT_EQ(ini.ReadString("History", "D3", "none"), "none");
    EXPECT_EQ(ini.ReadInteger("History", "D1", 7), 7);  // not a number
    EXPECT_EQ(ini.Keys("HISTORY"), (std::vector<std::string>{"D1", "D2"}));
}

TEST(IniFile, WritesInPlaceAndKeepsEverythingElse) {
    IniFile ini;
    ini.Parse("; comment\r\n[A]\r\nOne=1\r\nunknown=keep\r\n\r\n[B]\r\nX=1\r\n");
    ini.WriteInteger("a", "ONE", 2);
    ini.WriteBool("A", "Two", true);
    ini.WriteString("C", "Name", "Größe");
    EXPECT_EQ(ini.Serialise(),
              "; comment\r\n[A]\r\nOne=2\r\nunknown=keep\r\nTwo=1\r\n\r\n[B]\r\nX=1\r\n\r\n[C]\r\nName=Größe\r\n");
    ini.EraseSection("b");
    EXPECT_FALSE(ini.HasSection("B"));
    EXPECT_TRUE(ini.ReadBool("A", "two", false));
}

TEST(IniFile, FilesAreWindows1252) {
    std::string path = ::testing::TempDir() + "/settings.ini";
    {
        IniFile ini(path);
        ini.WriteString("Fonts", "Name", "Größe");
        ASSERT_TRUE(ini.Save());
    }
    std::ifstream in(path, std::ios::binary);
    std::string raw((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(raw, "[Fonts]\r\nName=Gr\xF6\xDF" "e\r\n");
    IniFile back(path);
    ASSERT_TRUE(back.Load());
    EXPECT_EQ(back.ReadString("fonts", "name"), "Größe");
    IniFile missing(::testing::TempDir() + "/none.ini");
    EXPECT_TRUE(missing.Load());
    EXPECT_TRUE(missing.Sections().empty());
}

}  // namespace
