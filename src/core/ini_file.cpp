#include "core/ini_file.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>

#include "core/cp1252.h"
#include "core/numbers.h"
#include "core/safe_save.h"

namespace pw {

namespace {

bool SameText(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

std::string Trim(std::string_view s) {
    size_t b = s.find_first_not_of(" \t");
    if (b == std::string_view::npos) return {};
    size_t e = s.find_last_not_of(" \t");
    return std::string(s.substr(b, e - b + 1));
}

}  // namespace

bool IniFile::Load() {
    lines_.clear();
    std::ifstream in(path_, std::ios::binary);
    if (!in) return access(path_.c_str(), F_OK) != 0;
    std::string raw((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return false;
    Parse(Cp1252ToUtf8(raw));
    return true;
}

void IniFile::Parse(std::string_view text) {
    lines_.clear();
    size_t pos = 0;
    while (pos < text.size()) {
        size_t nl = text.find('\n', pos);
        std::string_view raw = text.substr(pos, nl == std::string_view::npos ? text.size() - pos : nl - pos);
        pos = nl == std::string_view::npos ? text.size() : nl + 1;
        if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
        Line line;
        line.text = std::string(raw);
        std::string t = Trim(raw);
        if (t.size() >= 2 && t.front() == '[' && t.back() == ']') {
            line.kind = Line::Section;
            line.section = Trim(std::string_view(t).substr(1, t.size() - 2));
        } else if (!t.empty() && t[0] != ';' && t.find('=') != std::string::npos) {
            size_t eq = t.find('=');
            line.kind = Line::Entry;
            line.key = Trim(std::string_view(t).substr(0, eq));
            line.value = Trim(std::string_view(t).substr(eq + 1));
        }
        lines_.push_back(std::move(line));
    }
}

std::string IniFile::Serialise() const {
    std::string out;
    for (const Line& l : lines_) {
        out += l.text;
        out += "\r\n";
    }
    return out;
}

bool IniFile::Save() const {
    const std::string bytes = Utf8ToCp1252(Serialise());
    try {
        SaveFile(path_, std::span(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()));
    } catch (const SaveError&) {
        return false;
    }
    return true;
}

int IniFile::FindSection(std::string_view section) const {
    for (size_t i = 0; i < lines_.size(); ++i)
        if (lines_[i].kind == Line::Section && SameText(lines_[i].section, section)) return static_cast<int>(i);
    return -1;
}

size_t IniFile::SectionEnd(size_t s) const {
    size_t i = s + 1;
    while (i < lines_.size() && lines_[i].kind != Line::Section) ++i;
    // Trailing blank lines belong between sections, not to the section's entries.
    while (i > s + 1 && lines_[i - 1].kind == Line::Other && Trim(lines_[i - 1].text).empty()) --i;
    return i;
}

int IniFile::FindEntry(std::string_view section, std::string_view key) const {
    int s = FindSection(section);
    if (s < 0) return -1;
    for (size_t i = static_cast<size_t>(s) + 1; i < lines_.size() && lines_[i].kind != Line::Section; ++i)
        if (lines_[i].kind == Line::Entry && SameText(lines_[i].key, key)) return static_cast<int>(i);
    return -1;
}

std::optional<std::string> IniFile::Value(std::string_view section, std::string_view key) const {
    int i = FindEntry(section, key);
    if (i < 0) return std::nullopt;
    return lines_[static_cast<size_t>(i)].value;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key, std::string_view def) const {
    std::optional<std::string> v = Value(section, key);
    return v ? *v : std::string(def);
}

int IniFile::ReadInteger(std::string_view section, std::string_view key, int def) const {
    std::optional<std::string> v = Value(section, key);
    if (!v || v->empty()) return def;
    char* end = nullptr;
    long n = std::strtol(v->c_str(), &end, 10);
    if (end == v->c_str() || *end != '\0' || n < INT32_MIN || n > INT32_MAX) return def;
    return static_cast<int>(n);
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool def) const {
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    std::string v(value);
    std::replace(v.begin(), v.end(), '\n', ' ');
    std::replace(v.begin(), v.end(), '\r', ' ');
    Line entry;
    entry.kind = Line::Entry;
    entry.key = std::string(key);
    entry.value = v;
    int i = FindEntry(section, key);
    if (i >= 0) {
        Line& l = lines_[static_cast<size_t>(i)];
        entry.key = l.key;
        entry.text = l.key + "=" + v;
        l = std::move(entry);
        return;
    }
    entry.text = entry.key + "=" + v;
    int s = FindSection(section);
    if (s < 0) {
        if (!lines_.empty() && !Trim(lines_.back().text).empty()) lines_.push_back(Line{});
        Line head;
        head.kind = Line::Section;
        head.section = std::string(section);
        head.text = "[" + head.section + "]";
        lines_.push_back(std::move(head));
        lines_.push_back(std::move(entry));
        return;
    }
    lines_.insert(lines_.begin() + static_cast<long>(SectionEnd(static_cast<size_t>(s))), std::move(entry));
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
    WriteString(section, key, std::to_string(value));
}

void IniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

void IniFile::EraseSection(std::string_view section) {
    int s = FindSection(section);
    if (s < 0) return;
    size_t e = static_cast<size_t>(s) + 1;
    while (e < lines_.size() && lines_[e].kind != Line::Section) ++e;
    lines_.erase(lines_.begin() + s, lines_.begin() + static_cast<long>(e));
}

bool IniFile::HasSection(std::string_view section) const { return FindSection(section) >= 0; }

std::vector<std::string> IniFile::Sections() const {
    std::vector<std::string> out;
    for (const Line& l : lines_)
        if (l.kind == Line::Section) out.push_back(l.section);
    return out;
}

std::vector<std::string> IniFile::Keys(std::string_view section) const {
    std::vector<std::string> out;
    int s = FindSection(section);
    if (s < 0) return out;
    for (size_t i = static_cast<size_t>(s) + 1; i < lines_.size() && lines_[i].kind != Line::Section; ++i)
        if (lines_[i].kind == Line::Entry) out.push_back(lines_[i].key);
    return out;
}

}  // namespace pw
