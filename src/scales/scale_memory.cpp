#include "scales/scale_memory.h"

#include <algorithm>
#include <string>

namespace pw {

namespace {

constexpr const char* kStyle = "Stil";
constexpr const char* kInscriptionCount = "Beschriftungen";
// Enough significant digits that every extended value reads back bit for bit.
constexpr int kExactDigits = 21;

std::string ParamKey(size_t i) {
    return "Parameter" + std::to_string(i);
}

std::string InscriptionKey(size_t i) {
    return "Beschriftung" + std::to_string(i);
}

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

std::string Unquoted(const std::string& value) {
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        return value.substr(1, value.size() - 2);
    return value;
}

std::string ValueText(const TScaleParam& p) {
    switch (p.ParamType) {
        case spYesNo:
            return p.BoolValue ? "1" : "0";
        case spWhole:
            return std::to_string(p.IntValue);
        case spNumber:
            break;
    }
    return FormatGeneral(p.RealValue, kExactDigits, '.');
}

}  // namespace

void RememberScale(const TScale& scale, IniFile& ini) {
    const char* s = kScaleAssistantSection;
    ini.EraseSection(s);
    ini.WriteInteger(s, kStyle, scale.Style());
    const std::vector<TScaleParam>& params = scale.Params();
    for (size_t i = 0; i < params.size(); ++i) ini.WriteString(s, ParamKey(i), ValueText(params[i]));
    const size_t count = std::min(scale.Inscriptions.size(), kMaxRememberedInscriptions);
    ini.WriteInteger(s, kInscriptionCount, static_cast<int>(count));
    for (size_t i = 0; i < count; ++i) ini.WriteString(s, InscriptionKey(i), Quoted(scale.Inscriptions[i]));
}

void RecallScale(TScale& scale, const IniFile& ini) {
    const char* s = kScaleAssistantSection;
    if (!ini.HasSection(s)) return;
    const int style = ini.ReadInteger(s, kStyle, -1);
    if (style < 0 || style >= kScaleStyleCount) return;
    scale.SetStyle(static_cast<uint8_t>(style));
    scale.BuildParams();
    for (size_t i = 0; i < scale.Params().size(); ++i)
        if (std::optional<std::string> v = ini.Value(s, ParamKey(i))) scale.SetParam(i, TextToNumber(*v));

    const int stored = ini.ReadInteger(s, kInscriptionCount, 0);
    const size_t count = std::min(static_cast<size_t>(std::max(stored, 0)), kMaxRememberedInscriptions);
    std::vector<std::string> texts;
    for (size_t i = 0; i < count; ++i) texts.push_back(Unquoted(ini.ReadString(s, InscriptionKey(i))));
    scale.Inscriptions = std::move(texts);
}

}  // namespace pw
