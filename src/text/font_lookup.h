#pragma once
// Finding font files through fontconfig: the file for a family name and style, whether it really
// is that family, and the list of installed families.

#include <optional>
#include <string>
#include <vector>

namespace pw {

// A font file fontconfig chose, with what it asks the renderer to synthesise.
struct FontMatch {
    std::string file;
    int index = 0;            // face index inside the file
    std::string family;       // the family name as the font gives it
    bool sameFamily = false;  // the family is the requested one or a metric-compatible stand-in
    bool embolden = false;    // no bold face: embolden the regular one
    // Slant for a missing italic face, applied to font units (y upward): x' = xx x + xy y, ...
    double xx = 1, xy = 0, yx = 0, yy = 1;
    bool HasMatrix() const { return xx != 1 || xy != 0 || yx != 0 || yy != 1; }
};

// The scalable font fontconfig chooses for the family and style; nothing only when no scalable
// font is installed at all.
std::optional<FontMatch> MatchFont(const std::string& family, bool bold, bool italic);

// The sans-serif font that serves when a family is not installed.
std::optional<FontMatch> MatchFallbackFont(bool bold, bool italic);

// True when the requested name names the family, ignoring letter case, or a family known to have
// the same metrics ("Arial" and "Liberation Sans").
bool IsSameFamily(const std::string& requested, const std::string& family);

// The family names of the installed scalable fonts, sorted without regard to case, each once.
std::vector<std::string> InstalledFamilies();

}  // namespace pw
