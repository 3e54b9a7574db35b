// Werkbank.INI and SPRACHE.INI: recent files, automatic backup, tool-window placement, the
// start-up document and the language.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/ini_file.h"
#include "ui/settings/autosave.h"
#include "ui/settings/recent_files.h"
#include "ui/settings/werkbank_settings.h"
#include "ui_test_support.h"

namespace pw {
namespace {

TEST(RecentFiles, NewPathsMoveTheOthersDownAndTheFifthDropsTheOldest) {
    RecentFiles r;
    for (const char* p : {"/a/one.fpl", "/a/two.fpl", "/a/three.fpl", "/a/four.fpl"})
        EXPECT_TRUE(r.AddOpened(p));
    EXPECT_EQ(r.Entry(1), "/a/four.fpl");
    EXPECT_EQ(r.Entry(4), "/a/one.fpl");
    EXPECT_TRUE(r.AddOpened("/a/five.fpl"));
    EXPECT_EQ(r.Entry(1), "/a/five.fpl");
    EXPECT_EQ(r.Entry(2), "/a/four.fpl");
    EXPECT_EQ(r.Entry(4), "/a/two.fpl");
}

TEST(RecentFiles, APathEqualToAnEntryWithoutRegardToCaseLeavesTheListAsItIs) {
    RecentFiles r;
    for (const char* p : {"/a/one.fpl", "/a/Two.fpl", "/a/three.fpl", "/a/four.fpl"}) r.AddOpened(p);
    // "/a/Two.fpl" is entry 3; opening it again, in other letters, neither adds nor moves it.
    ASSERT_EQ(r.Entry(3), "/a/Two.fpl");
    EXPECT_FALSE(r.AddOpened("/A/TWO.FPL"));
    EXPECT_EQ(r.Entry(1), "/a/four.fpl");
    EXPECT_EQ(r.Entry(3), "/a/Two.fpl");
    EXPECT_FALSE(r.AddOpened("/a/four.fpl"));
    EXPECT_EQ(r.Entry(1), "/a/four.fpl");
}

TEST(RecentFiles, CaptionsShowTheFileNameAndEntriesOfOneCharacterAreHidden) {
    RecentFiles r;
    r.SetEntry(1, "/home/x/Platte 1.fpl");
    r.SetEntry(2, "x");
    EXPECT_EQ(r.Caption(1), "&1 Platte 1.fpl");
    EXPECT_TRUE(r.Shown(1));
    EXPECT_FALSE(r.Shown(2));
    EXPECT_FALSE(r.Shown(3));
}

TEST(RecentFiles, ReadAndWriteTheHistorySection) {
    IniFile ini;
    ini.Parse("[history]\r\nd2=/b.fpl\r\nD1=/a.fpl\r\n");
    RecentFiles r;
    r.Read(ini);
    EXPECT_EQ(r.Entry(1), "/a.fpl");
    EXPECT_EQ(r.Entry(2), "/b.fpl");
    EXPECT_EQ(r.Entry(3), "");
    r.AddOpened("/c.fpl");
    r.Write(ini);
    EXPECT_EQ(ini.ReadString("History", "D1"), "/c.fpl");
    EXPECT_EQ(ini.ReadString("History", "D3"), "/b.fpl");
    EXPECT_EQ(ini.ReadString("History", "D4"), "");
}

TEST(Autosave, IntervalOneWritesOnEverySecondTick) {
    Autosave a;
    a.SetInterval(1);
    std::vector<bool> writes;
    for (int i = 0; i < 6; ++i) writes.push_back(a.Tick());
    EXPECT_EQ(writes, (std::vector<bool>{false, true, false, true, false, true}));
}

TEST(Autosave, TheDefaultWritesOnTickElevenAndTheCounterRestsWhileOff) {
    Autosave a;
    ASSERT_TRUE(a.Active());
    ASSERT_EQ(a.Interval(), 10);
    for (int i = 1; i <= 10; ++i) EXPECT_FALSE(a.Tick()) << i;
    a.SetActive(false);
    EXPECT_FALSE(a.Tick());
    EXPECT_EQ(a.Counter(), 10);
    a.SetActive(true);
    EXPECT_TRUE(a.Tick());
    EXPECT_EQ(a.Counter(), 0);
}

TEST(Autosave, SettingsWithDefaultsAndLimits) {
    IniFile ini;
    Autosave a;
    a.Read(ini);
    EXPECT_TRUE(a.Active());
    EXPECT_EQ(a.Interval(), 10);
    ini.Parse("[Backup]\r\nAktiv=0\r\nIntervall=zehn\r\n");
    a.Read(ini);
    EXPECT_FALSE(a.Active());
    EXPECT_EQ(a.Interval(), 10);
    ini.Parse("[Backup]\r\nAktiv=1\r\nIntervall=0\r\n");
    a.Read(ini);
    EXPECT_EQ(a.Interval(), 1);
    a.SetInterval(99);
    EXPECT_EQ(a.Interval(), 60);
    a.SetActive(false);
    a.Write(ini);
    EXPECT_EQ(ini.ReadString("Backup", "Aktiv"), "0");
    EXPECT_EQ(ini.ReadString("Backup", "Intervall"), "60");
}

TEST(Autosave, BackupNamesEndAfterTheFirstDot) {
    EXPECT_EQ(BackupPathOf("/work/Platte.rev.fpl"), "/work/Platte.BAK");
    EXPECT_EQ(BackupPathOf("/work/Platte.fpl"), "/work/Platte.BAK");
    EXPECT_EQ(BackupPathOf("/home/u/NONAME.FPL"), "/home/u/NONAME.BAK");
    EXPECT_EQ(BackupPathOf("/work/Platte"), "/work/Platte.BAK");
    EXPECT_EQ(BackupPathOf("/my.dir/Platte"), "/my.dir/Platte.BAK");
}

TEST(Autosave, TheBackupOfABackupIsNeverTheFileItself) {
    EXPECT_EQ(BackupPathOf("/work/Platte.BAK"), "/work/Platte.BAK.BAK");
    EXPECT_EQ(BackupPathOf("/work/Platte.bak"), "/work/Platte.bak.BAK");
    EXPECT_EQ(BackupPathOf("/work/Platte.rev.BAK"), "/work/Platte.rev.BAK.BAK");
    EXPECT_EQ(BackupPathOf("/work/Platte.BAK.BAK"), "/work/Platte.BAK.BAK.BAK");
    EXPECT_EQ(BackupPathOf("/work/BAK"), "/work/BAK.BAK");
    EXPECT_EQ(BackupPathOf("/work/Platte.BAK.fpl"), "/work/Platte.BAK");
}

TEST(PathParts, FileNameAndDirectory) {
    EXPECT_EQ(FileNameOf("/a/b/c.fpl"), "c.fpl");
    EXPECT_EQ(FileNameOf("c.fpl"), "c.fpl");
    EXPECT_EQ(DirectoryOf("/a/b/c.fpl"), "/a/b/");
    EXPECT_EQ(DirectoryOf("c.fpl"), "");
}

TEST(WerkbankSettings, DefaultsOfAMissingFile) {
    test::TempDir dir;
    WerkbankSettings s(dir.Path());
    ASSERT_TRUE(s.Load());
    EXPECT_EQ(s.EditFile(), "");
    EXPECT_EQ(s.LibraryIndex(), 0);
    EXPECT_EQ(s.Placement("Anordnen"), ToolWindowPlacement{});
    EXPECT_EQ(s.Placement("Anordnen").left, 100);
    EXPECT_EQ(s.Placement("Anordnen").top, 100);
    EXPECT_EQ(s.Placement("Anordnen").parent, "none");
    EXPECT_TRUE(s.Placement("Anordnen").visible);
    EXPECT_FALSE(std::filesystem::exists(dir.Path() + "/Werkbank.INI"));
}

TEST(WerkbankSettings, EverythingWrittenIsReadBackFromTheFile) {
    test::TempDir dir;
    {
        WerkbankSettings s(dir.Path());
        s.Load();
        s.SetEditFile("/work/Platte.fpl");
        s.SetLibraryIndex(3);
        s.SetPlacement("Fräsen", {412, 37, "Bottom_ControlBar", false});
        RecentFiles r;
        r.AddOpened("/work/a.fpl");
        ASSERT_TRUE(s.WriteRecentFiles(r));
        ASSERT_TRUE(s.Flush());
    }
    std::ifstream raw(dir.Path() + "/Werkbank.INI", std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(raw)), std::istreambuf_iterator<char>());
    // Windows-1252 and CRLF on disk.
    EXPECT_NE(text.find("[Fr\xE4sen]\r\n"), std::string::npos);
    EXPECT_NE(text.find("parent=Bottom_ControlBar\r\n"), std::string::npos);
    EXPECT_NE(text.find("Visible=0\r\n"), std::string::npos);

    WerkbankSettings again(dir.Path());
    ASSERT_TRUE(again.Load());
    EXPECT_EQ(again.EditFile(), "/work/Platte.fpl");
    EXPECT_EQ(again.LibraryIndex(), 3);
    EXPECT_EQ(again.Placement("FRäSEN"), (ToolWindowPlacement{412, 37, "Bottom_ControlBar", false}));
    RecentFiles r;
    again.ReadRecentFiles(r);
    EXPECT_EQ(r.Entry(1), "/work/a.fpl");
}

TEST(LanguageFile, OneIsEnglishAndEverythingElseGerman) {
    test::TempDir dir;
    EXPECT_FALSE(ReadEnglishFromLanguageFile(dir.Path()));
    dir.Write("SPRACHE.INI", "[Sprache]\r\nSprache=1\r\n");
    EXPECT_TRUE(ReadEnglishFromLanguageFile(dir.Path()));
    dir.Write("SPRACHE.INI", "[sprache]\r\nsprache=2\r\n");
    EXPECT_FALSE(ReadEnglishFromLanguageFile(dir.Path()));
    dir.Write("SPRACHE.INI", "[Sprache]\r\nSprache=eins\r\n");
    EXPECT_FALSE(ReadEnglishFromLanguageFile(dir.Path() + "/"));
}

}  // namespace
}  // namespace pw
