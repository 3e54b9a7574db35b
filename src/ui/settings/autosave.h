#pragma once
// The automatic backup: while it is on, every tick of the one-minute timer counts up to the
// interval, and the tick after that writes the whole document to a backup file beside the
// current file. With interval n the first backup is written on tick n + 1, then every n + 1
// ticks.

#include <string>

namespace pw {

class IniFile;

class Autosave {
  public:
    static constexpr int kTimerMs = 60000;
    static constexpr int kMinInterval = 1;
    static constexpr int kMaxInterval = 60;

    bool Active() const { return active_; }
    void SetActive(bool on) { active_ = on; }
    // Minutes, 1 to 60.
    int Interval() const { return interval_; }
    void SetInterval(int minutes);
    int Counter() const { return counter_; }

    // One timer tick; true when a backup is to be written now. The counter runs only while
    // autosave is on and keeps its value while it is off.
    bool Tick();

    // Section "Backup": "Aktiv" (1) and "Intervall" (10).
    void Read(const IniFile& ini);
    void Write(IniFile& ini) const;

  private:
    bool active_ = true;
    int interval_ = 10;
    int counter_ = 0;
};

// The backup file of a document: in its directory, its file name up to and including the
// first "." followed by "BAK" (Platte.rev.fpl -> Platte.BAK, NONAME.FPL -> NONAME.BAK). A name
// without a dot gets ".BAK" appended, so that the backup never takes the bare name "BAK". A
// name that ends in ".BAK" in any letter case is itself a backup and gets ".BAK" appended
// (Platte.BAK -> Platte.BAK.BAK), so that a backup opened for recovery is never overwritten.
std::string BackupPathOf(const std::string& currentFile);

}  // namespace pw
