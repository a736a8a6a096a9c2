#include "rom/CodeWordTable.h"

#include "rom/HexFunctions.h"
#include "rom/WholeNumber.h"

#include <algorithm>
#include <cstdio>
#include <map>

namespace rom {
namespace {

std::string HexList(const std::vector<std::int64_t>& values) {
    std::string text;
    for (std::int64_t v : values) text += (text.empty() ? "" : ", ") + HexNumber(v);
    return text;
}

std::vector<std::int64_t> ParseWords(const std::string& text, const std::string& section) {
    std::vector<std::int64_t> words;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        const std::string item = text.substr(start, comma - start);
        const auto word = ParseProfileOffset(item);
        if (!word)
            throw TableError("the profile's [" + section + "] words \"" + text + "\" hold \"" + item +
                             "\", which is not a decimal offset");
        words.push_back(*word);
        start = comma + 1;
    }
    return words;
}

} // namespace

std::optional<CodeWordProfile> ReadCodeWordProfile(const ProfileKeyLookup& lookup, std::string_view section,
                                                   int revision) {
    for (const std::string& name : {RevisionSection(section, revision), std::string(section)}) {
        const std::optional<std::string> words = lookup(name, "words"), offset = lookup(name, "offset");
        if (!words && !offset) continue;
        // A section with empty values is there: the revision has no such table known.
        const bool hasWords = words && !TrimBlanks(*words).empty(),
                   hasOffset = offset && !TrimBlanks(*offset).empty();
        CodeWordProfile profile{name, {}, {}};
        if (hasWords) profile.words = ParseWords(*words, name);
        if (hasOffset) {
            const auto at = ParseProfileOffset(*offset);
            if (!at)
                throw TableError("the profile's [" + name + "] offset \"" + *offset +
                                 "\" is not a decimal offset");
            profile.offset = *at;
        }
        return profile;
    }
    return std::nullopt;
}

std::optional<CodeWordProfile> DescriptionCodeWordProfile(const ProfileKeyLookup& lookup,
                                                          std::string_view gameCode, int revision) {
    std::optional<CodeWordProfile> profile = ReadCodeWordProfile(lookup, "Descriptionoffset", revision);
    if (profile && profile->words.empty() && profile->offset)
        profile->words = DescriptionCodeWords(gameCode, revision);
    return profile;
}

CodeWordVote VoteCodeWords(const std::vector<std::int64_t>& words, std::int64_t fileSize,
                           const ReadRange& read) {
    CodeWordVote vote;
    vote.words = static_cast<int>(words.size());
    std::map<std::int64_t, int> places;
    for (std::int64_t word : words) {
        if (word < 0 || word + 4 > fileSize) continue;
        const std::vector<std::uint8_t> b = read(word, 4);
        if (b.size() != 4) continue;
        const std::uint32_t address = b[0] | b[1] << 8 | b[2] << 16 | static_cast<std::uint32_t>(b[3]) << 24;
        const std::int64_t offset = AddressOffset(address);
        if (address < CartridgeAddressBase || offset < CartridgeHeaderEnd || offset >= fileSize) continue;
        ++places[offset];
    }
    if (places.empty()) {
        vote.fault = words.empty()
                         ? "the profile lists no code words"
                         : "none of the code words (at " + HexList(words) + ") names a place in the file";
        return vote;
    }
    const auto best = std::max_element(places.begin(), places.end(),
                                       [](const auto& a, const auto& b) { return a.second < b.second; });
    std::vector<std::int64_t> tied;
    for (const auto& [place, count] : places)
        if (count == best->second) tied.push_back(place);
    vote.votes = best->second;
    if (tied.size() > 1) {
        vote.fault = "the code words (at " + HexList(words) + ") disagree: as many of them (" +
                     std::to_string(best->second) + " each) name " + HexList(tied) +
                     ", so the game's table cannot be told";
        return vote;
    }
    vote.table = best->first;
    return vote;
}

CodeWordTable LocateCodeWordTable(const CodeWordProfile& profile, bool profileIsShipped,
                                  std::string_view what, std::int64_t fileSize, const ReadRange& read,
                                  const TableFault& fault) {
    CodeWordTable table;
    const std::string name(what);
    const auto refuse = [&table](std::string reason) {
        table = {};
        table.unavailable = std::move(reason);
        return table;
    };
    std::int64_t at = 0;
    if (profile.words.empty()) {
        if (!profile.offset) return refuse("the profile gives no " + name + " ([" + profile.section + "])");
        at = *profile.offset;
    } else {
        const CodeWordVote vote = VoteCodeWords(profile.words, fileSize, read);
        if (!vote.table) return refuse("the " + name + " is not read: " + vote.fault);
        at = *vote.table;
        const std::string code =
            vote.words == 1 ? "the game's code (the word at " + HexList(profile.words) + ")"
                            : "the game's code (" + std::to_string(vote.votes) + " of its " +
                                  std::to_string(vote.words) + " words at " + HexList(profile.words) + ")";
        if (profile.offset && *profile.offset != at) {
            if (!profileIsShipped)
                return refuse(code + " puts the " + name + " at " + HexNumber(at) + ", not at " +
                              HexNumber(*profile.offset) + " where the profile puts it ([" + profile.section +
                              "]); correct the profile's offset or remove it");
            table.modified = true;
            table.note = "The game's code puts the " + name + " at " + HexNumber(at) +
                         ", not where the shipped profile puts it (" + HexNumber(*profile.offset) +
                         "): the ROM is modified, and the table its code names is used.";
        }
    }
    if (std::string why = fault(at); !why.empty())
        return refuse("the bytes at " + HexNumber(at) + " do not look like a " + name + " (" + why + ")");
    table.offset = at;
    return table;
}

} // namespace rom
