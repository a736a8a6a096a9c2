#include "rom/RecordLayout.h"

#include "rom/MoveRecord.h"
#include "rom/WholeNumber.h"

namespace rom {

const std::array<const char*, DamageClassCount>& DamageClassNames() {
    static const std::array<const char*, DamageClassCount> names = {"Physical", "Special", "Status"};
    return names;
}

RecordLayout RecogniseRecordLayout(std::span<const std::uint8_t> records, int moveCount) {
    std::array<int, DamageClassCount> held{};
    for (int k = 0; k < moveCount; ++k) {
        const std::size_t at = static_cast<std::size_t>(k) * MoveRecordSize + DamageClassByte;
        if (at >= records.size()) break;
        if (records[at] >= DamageClassCount) return RecordLayout::Released;
        ++held[records[at]];
    }
    int classes = 0;
    for (int count : held) classes += count >= SplitClassMinimum ? 1 : 0;
    return classes >= 2 ? RecordLayout::Split : RecordLayout::Released;
}

std::optional<RecordLayout> ProfileRecordLayout(const ProfileKeyLookup& lookup, int revision) {
    for (const std::string& section :
         {RevisionSection("Recordlayout", revision), std::string("Recordlayout")}) {
        const std::optional<std::string> value = lookup(section, "layout");
        if (!value) continue;
        std::string word(TrimBlanks(*value));
        for (char& c : word)
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
        if (word == "released") return RecordLayout::Released;
        if (word == "split") return RecordLayout::Split;
        throw TableError("the profile's [" + section + "] layout \"" + *value +
                         "\" is not released or split");
    }
    return std::nullopt;
}

FoundRecordLayout ResolveRecordLayout(const ProfileKeyLookup& lookup, int revision,
                                      std::span<const std::uint8_t> records, int moveCount) {
    if (const auto layout = ProfileRecordLayout(lookup, revision)) return {*layout, true};
    return {RecogniseRecordLayout(records, moveCount), false};
}

std::string RecordLayoutKey(RecordLayout layout) {
    return layout == RecordLayout::Split ? "split" : "released";
}

std::string DamageClassWarning(std::uint8_t damageClass, std::uint8_t power) {
    if (damageClass >= DamageClassCount)
        return "damage class " + std::to_string(damageClass) + " is none of Physical, Special and Status";
    if (damageClass == static_cast<std::uint8_t>(DamageClass::Status) && power > 0)
        return "a Status move with power " + std::to_string(power) + ": the game deals it no damage";
    if (damageClass != static_cast<std::uint8_t>(DamageClass::Status) && power == 0)
        return std::string("a ") + DamageClassNames()[damageClass] + " move with power 0";
    return "";
}

std::optional<DamageClass> ReleasedDamageClass(std::uint8_t type, std::uint8_t power) {
    if (power == 0) return DamageClass::Status;
    if (type <= 8) return DamageClass::Physical;
    if (type >= 10 && type <= 17) return DamageClass::Special;
    return std::nullopt;
}

} // namespace rom
