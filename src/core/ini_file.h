#pragma once
// INI files as the program's settings and lists use them: sections in brackets, one
// "key=value" line per entry, section and key names without regard to letter case, text in
// Windows-1252 on disk and UTF-8 in memory, CRLF line ends. Lines the program does not touch
// (comments, unknown keys, their order) are written back as they were.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pw {

class IniFile {
public:
    IniFile() = default;
    explicit IniFile(std::string path) : path_(std::move(path)) {}

    // Reads the file; a missing file gives an empty one. Returns false only when the file
    // exists but cannot be read.
    bool Load();
    // Writes the file as SaveFile does: false when it could not, the old file left as it was.
    bool Save() const;
    void Parse(std::string_view text);
    std::string Serialise() const;

    const std::string& Path() const { return path_; }
    void SetPath(std::string path) { path_ = std::move(path); }

    std::optional<std::string> Value(std::string_view section, std::string_view key) const;
    std::string ReadString(std::string_view section, std::string_view key, std::string_view def = {}) const;
    int ReadInteger(std::string_view section, std::string_view key, int def) const;
    bool ReadBool(std::string_view section, std::string_view key, bool def) const;
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, int value);
    void WriteBool(std::string_view section, std::string_view key, bool value);
    void EraseSection(std::string_view section);
    bool HasSection(std::string_view section) const;
    std::vector<std::string> Sections() const;
    std::vector<std::string> Keys(std::string_view section) const;

private:
    struct Line {
        std::string text;     // the line as read (for comments and blank lines)
        std::string section;  // the section of a "[...]" line
        std::string key;      // the key of a "key=value" line
        std::string value;
        enum Kind { Other, Section, Entry } kind = Other;
    };
    int FindSection(std::string_view section) const;
    int FindEntry(std::string_view section, std::string_view key) const;
    // Index after the last line of the section starting at s.
    size_t SectionEnd(size_t s) const;

    std::string path_;
    std::vector<Line> lines_;
};

}  // namespace pw
