#include "rom/ContestNames.h"

#include "rom/Utf8.h"
#include "rom/WholeNumber.h"

#include <algorithm>
#include <cstdlib>

namespace rom {
namespace {

std::string Folded(std::string_view text) {
    std::string folded(TrimBlanks(text));
    for (char& c : folded)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return folded;
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> items;
    std::size_t start = 0;
    while (true) {
        const std::size_t at = text.find(separator, start);
        items.push_back(
            text.substr(start, at == std::string_view::npos ? std::string_view::npos : at - start));
        if (at == std::string_view::npos) return items;
        start = at + 1;
    }
}

std::string Joined(const std::vector<std::string>& items, std::string_view separator) {
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) text += (i ? std::string(separator) : "") + items[i];
    return text;
}

// The items of a JSON array of numbers and strings, each as its text; nullopt when it is malformed.
std::optional<std::vector<std::string>> JsonItems(std::string_view text) {
    text = TrimBlanks(text);
    if (text.size() < 2 || text.front() != '[' || text.back() != ']') return std::nullopt;
    std::vector<std::string> items;
    std::size_t i = 1;
    const auto blanks = [&] {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\r' || text[i] == '\n'))
            ++i;
    };
    blanks();
    if (text[i] == ']') return items;
    while (true) {
        blanks();
        std::string item;
        if (text[i] == '"') {
            for (++i; i < text.size() && text[i] != '"'; ++i) {
                if (text[i] != '\\') {
                    item += text[i];
                    continue;
                }
                if (++i >= text.size()) return std::nullopt;
                const char e = text[i];
                if (e == 'u' && i + 4 < text.size()) {
                    const std::string hex(text.substr(i + 1, 4));
                    char* end = nullptr;
                    const long code = std::strtol(hex.c_str(), &end, 16);
                    if (end != hex.c_str() + 4) return std::nullopt;
                    item += U32ToUtf8(std::u32string(1, static_cast<char32_t>(code)));
                    i += 4;
                } else if (e == '"' || e == '\\' || e == '/') {
                    item += e;
                } else {
                    return std::nullopt;
                }
            }
            if (i >= text.size()) return std::nullopt;
            ++i;
        } else {
            while (i < text.size() && text[i] != ',' && text[i] != ']') item += text[i++];
            if (TrimBlanks(item).empty()) return std::nullopt;
        }
        items.push_back(item);
        blanks();
        if (i >= text.size()) return std::nullopt;
        if (text[i] == ']') return i + 1 == text.size() ? std::optional(items) : std::nullopt;
        if (text[i++] != ',') return std::nullopt;
    }
}

} // namespace

const std::vector<std::string>& ContestCategoryNames() {
    static const std::vector<std::string> names = {"Cool", "Beauty", "Cute", "Smart", "Tough"};
    return names;
}

std::string ContestCategoryText(int category) {
    if (category >= 0 && category < ContestCategoryCount)
        return ContestCategoryNames()[static_cast<std::size_t>(category)];
    return std::to_string(category);
}

std::optional<int> ParseContestCategory(std::string_view text) {
    if (const auto number = ParseWholeNumber(text, ContestCategoryCount - 1))
        return static_cast<int>(*number);
    for (int c = 0; c < ContestCategoryCount; ++c)
        if (Folded(ContestCategoryNames()[static_cast<std::size_t>(c)]) == Folded(text)) return c;
    return std::nullopt;
}

std::string ContestEffectName(const ContestData& data, int effect) {
    if (effect >= 0 && effect < static_cast<int>(data.effectTexts.size())) {
        std::string name = data.effectTexts[static_cast<std::size_t>(effect)];
        std::replace(name.begin(), name.end(), '\n', ' ');
        if (!TrimBlanks(name).empty()) return name;
    }
    return "Effect " + std::to_string(effect);
}

std::string ContestEffectLabel(const ContestData& data, int effect) {
    std::string label = ContestEffectName(data, effect);
    if (effect >= 0 && effect < static_cast<int>(data.effects.size())) {
        const ContestEffect& e = data.effects[static_cast<std::size_t>(effect)];
        label += " (appeal " + std::to_string(e.appeal) + ", jam " + std::to_string(e.jam) + ")";
    }
    return label;
}

std::optional<int> ParseContestEffect(const ContestData& data, std::string_view text, std::string& fault) {
    if (const auto number = ParseWholeNumber(text, ContestEffectCount - 1)) return static_cast<int>(*number);
    std::vector<int> named;
    for (int e = 0; e < ContestEffectCount; ++e)
        if (Folded(ContestEffectName(data, e)) == Folded(text) ||
            Folded(ContestEffectLabel(data, e)) == Folded(text))
            named.push_back(e);
    if (named.size() == 1) return named.front();
    if (named.empty())
        fault = "\"" + std::string(text) +
                "\" is no contest effect: give its number 0 to 47 or the game's text for it";
    else
        fault = "\"" + std::string(text) + "\" is the text of effects " + std::to_string(named[0]) + " and " +
                std::to_string(named[1]) + ": give the number";
    return std::nullopt;
}

std::vector<int> MovesHoldingComboStarter(const ContestData& data, int id) {
    std::vector<int> moves;
    if (id == 0) return moves;
    for (int k = 0; k < static_cast<int>(data.moves.size()); ++k)
        if (data.moves[static_cast<std::size_t>(k)].comboStarter == id) moves.push_back(k);
    return moves;
}

std::string ComboStarterText(const ContestData& data, const std::vector<std::string>& moveNames, int id) {
    std::vector<std::string> names;
    for (int k : MovesHoldingComboStarter(data, id))
        names.push_back(k < static_cast<int>(moveNames.size()) ? moveNames[static_cast<std::size_t>(k)]
                                                               : std::to_string(k));
    return Joined(names, "/");
}

std::optional<int> ParseComboStarter(const ContestData& data, const std::vector<std::string>& moveNames,
                                     std::string_view text, std::string& fault) {
    if (TrimBlanks(text).empty()) return 0;
    if (const auto number = ParseWholeNumber(text, 255)) return static_cast<int>(*number);
    const std::string wanted = Folded(text);
    // The text of an id as ComboStarterText shows it: the names of all the moves that hold it.
    std::vector<int> ids;
    for (int id = 1; id <= 255; ++id)
        if (Folded(ComboStarterText(data, moveNames, id)) == wanted) ids.push_back(id);
    // Else one move's name: of the moves of that name (names may recur), the ids they hold.
    bool named = !ids.empty();
    for (int k = 0; ids.empty() && k < static_cast<int>(moveNames.size()); ++k) {
        if (Folded(moveNames[static_cast<std::size_t>(k)]) != wanted) continue;
        named = true;
        if (const ContestMove* m = data.Of(k); m && m->comboStarter != 0) ids.push_back(m->comboStarter);
    }
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    const std::string quoted = "\"" + std::string(TrimBlanks(text)) + "\"";
    if (!named)
        fault = quoted + " is no move's name and no combo starter id 0 to 255";
    else if (ids.empty())
        fault = quoted + " starts no combo: its combo starter id is 0";
    else if (ids.size() > 1)
        fault = quoted + " names moves that hold different combo starter ids (" + std::to_string(ids[0]) +
                " and " + std::to_string(ids[1]) + "): give the number";
    else
        return ids.front();
    return std::nullopt;
}

std::vector<int> MovesUsingContestEffect(const ContestData& data, int effect) {
    std::vector<int> moves;
    for (int k = 0; k < static_cast<int>(data.moves.size()); ++k)
        if (data.moves[static_cast<std::size_t>(k)].effect == effect) moves.push_back(k);
    return moves;
}

std::string ComboMovesCsv(const ComboMoves& ids) {
    std::vector<std::string> items;
    for (int id : ids) items.push_back(std::to_string(id));
    return Joined(items, "|");
}

std::string ComboMovesJson(const ComboMoves& ids) {
    std::vector<std::string> items;
    for (int id : ids) items.push_back(std::to_string(id));
    return "[" + Joined(items, ",") + "]";
}

std::array<std::string, ComboMoveCount>
ComboMovesTexts(const ContestData& data, const std::vector<std::string>& moveNames, const ComboMoves& ids) {
    std::array<std::string, ComboMoveCount> texts;
    for (std::size_t i = 0; i < ids.size(); ++i) texts[i] = ComboStarterText(data, moveNames, ids[i]);
    return texts;
}

std::string ComboMovesTextCsv(const ContestData& data, const std::vector<std::string>& moveNames,
                              const ComboMoves& ids) {
    const auto texts = ComboMovesTexts(data, moveNames, ids);
    return Joined({texts.begin(), texts.end()}, "|");
}

std::optional<ComboMoves> ParseComboMoves(const ContestData& data, const std::vector<std::string>& moveNames,
                                          std::string_view text, std::string& fault) {
    std::vector<std::string> items;
    if (TrimBlanks(text).starts_with("[")) {
        const auto json = JsonItems(text);
        if (!json) {
            fault = "\"" + std::string(text) + "\" is no JSON array of four numbers";
            return std::nullopt;
        }
        items = *json;
    } else {
        for (std::string_view item : Split(text, '|')) items.emplace_back(item);
    }
    if (items.size() != ComboMoveCount) {
        fault = "\"" + std::string(text) + "\" holds " + std::to_string(items.size()) +
                " combo moves, not 4 (starter ids joined by \"|\", 0 for none)";
        return std::nullopt;
    }
    ComboMoves ids{};
    for (std::size_t i = 0; i < items.size(); ++i) {
        const auto id = ParseComboStarter(data, moveNames, items[i], fault);
        if (!id) return std::nullopt;
        ids[i] = *id;
    }
    return ids;
}

} // namespace rom
