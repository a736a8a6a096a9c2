#include "rom/ValueNames.h"

#include "rom/ReadINI.h"
#include "rom/Vocabularies.h"
#include "rom/WholeNumber.h"

#include <algorithm>

namespace rom {
namespace {

std::string LowerAscii(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    return lower;
}

} // namespace

ProfileNames ReadProfileNames(std::string_view profileText, std::string_view section, int maxValue) {
    ProfileNames result;
    const std::string header = "[" + LowerAscii(section) + "]";
    bool inSection = false;
    for (const std::string& line : IniLines(profileText)) {
        if (line.find('[') != std::string::npos) {
            inSection = LowerAscii(line) == header;
            continue;
        }
        const std::size_t equals = line.find('=');
        if (!inSection || equals == std::string::npos) continue;
        const std::string where = "[" + std::string(section) + "] " + line;
        const auto value = ParseWholeNumber(line.substr(0, equals), maxValue);
        const std::string text(TrimBlanks(std::string_view(line).substr(equals + 1)));
        if (!value)
            result.faults.push_back(where + ": \"" + line.substr(0, equals) + "\" is not a value 0 to " +
                                    std::to_string(maxValue));
        else if (text.empty())
            result.faults.push_back(where + ": the name is empty");
        else
            result.names.emplace(static_cast<int>(*value), text);
    }
    return result;
}

bool IsPlaceholderName(std::string_view name) {
    return std::all_of(name.begin(), name.end(), [](char c) { return c == '-' || c == '?' || c == ' '; });
}

ValueNames::ValueNames(std::vector<std::string> programNames, std::vector<std::string> romNames,
                       std::map<int, std::string> profileNames, int maxValue)
    : program_(std::move(programNames)), rom_(std::move(romNames)), profile_(std::move(profileNames)),
      maxValue_(maxValue) {}

bool ValueNames::Named(int value) const {
    if (value >= 0 && value < static_cast<int>(program_.size())) return true;
    if (profile_.contains(value)) return true;
    return value >= 0 && value < static_cast<int>(rom_.size()) &&
           !IsPlaceholderName(rom_[static_cast<std::size_t>(value)]);
}

std::string ValueNames::Text(int value) const {
    if (value >= 0 && value < static_cast<int>(program_.size()))
        return program_[static_cast<std::size_t>(value)];
    if (const auto named = profile_.find(value); named != profile_.end()) return named->second;
    if (Named(value)) return rom_[static_cast<std::size_t>(value)];
    return std::to_string(value);
}

std::optional<int> ValueNames::Value(std::string_view text) const {
    const std::string wanted = LowerAscii(TrimBlanks(text));
    if (wanted.empty()) return std::nullopt;
    for (int v = 0; v <= maxValue_; ++v)
        if (Named(v) && LowerAscii(Text(v)) == wanted) return v;
    if (const auto number = ParseWholeNumber(wanted, maxValue_)) return static_cast<int>(*number);
    return std::nullopt;
}

ValueNames TypeValueNames(std::vector<std::string> romNames, std::string_view profileText) {
    return ValueNames(TypeNames(), std::move(romNames), ReadProfileNames(profileText, "Typenames").names);
}

ValueNames EffectValueNames(std::string_view profileText) {
    return ValueNames(EffectNames(), {}, ReadProfileNames(profileText, "Effectnames").names);
}

} // namespace rom
