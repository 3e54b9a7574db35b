#include "core/list_file.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "core/language.h"

namespace pw {

int StoredCount(const IniFile& ini, std::string_view countSection, std::string_view entryPrefix) {
    const int wanted = ini.ReadInteger(countSection, "Anzahl", 0);
    int n = 0;
    while (n < wanted && ini.HasSection(EntrySection(entryPrefix, n))) ++n;
    return n;
}

std::string EntrySection(std::string_view prefix, int i) {
    return std::string(prefix) + std::to_string(i);
}

int ReadClamped(const IniFile& ini, std::string_view section, std::string_view key, int def, int lo, int hi) {
    return std::clamp(ini.ReadInteger(section, key, def), lo, hi);
}

Color ReadColour(const IniFile& ini, std::string_view section, std::string_view key) {
    return static_cast<Color>(ReadClamped(ini, section, key, 0, 0, 0xFFFFFF));
}

namespace {

// Skips the digits from i on; returns how many there were.
size_t SkipDigits(const std::string& s, size_t& i) {
    const size_t start = i;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i;
    return i - start;
}

}  // namespace

std::optional<Real> ReadNumberField(std::string_view text, Real scale) {
    std::string s(text);
    std::replace(s.begin(), s.end(), ',', '.');
    const size_t b = s.find_first_not_of(" \t");
    if (b == std::string::npos) return std::nullopt;
    s = s.substr(b, s.find_last_not_of(" \t") - b + 1);
    size_t i = 0;
    if (s[i] == '+' || s[i] == '-') ++i;
    size_t digits = SkipDigits(s, i);
    if (i < s.size() && s[i] == '.') digits += SkipDigits(s, ++i);
    if (digits == 0) return std::nullopt;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        if (SkipDigits(s, i) == 0) return std::nullopt;
    }
    if (i != s.size()) return std::nullopt;
    const Real v = std::strtold(s.c_str(), nullptr);
    const Real scaled = v * scale;
    if (!std::isfinite(scaled) || std::fabs(scaled) > std::numeric_limits<int32_t>::max())
        return std::nullopt;
    return v;
}

std::string MillimetreText(Real units) {
    return FormatGeneral(units / kUnitsPerMm, 15, DecimalSeparator());
}

bool RewriteListFile(const std::string& path, const std::function<void(IniFile&)>& write) {
    IniFile ini(path);
    // An unreadable file is replaced all the same: the list in memory is what the user sees.
    ini.Load();
    write(ini);
    return ini.Save();
}

}  // namespace pw
