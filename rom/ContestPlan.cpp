#include "rom/ContestPlan.h"

#include "rom/ContestNames.h"

namespace rom {
namespace {

void CheckRange(const std::string& what, int value, int max) {
    if (value < 0 || value > max)
        throw PlanError("the " + what + " " + std::to_string(value) + " is not 0 to " + std::to_string(max));
}

} // namespace

ContestMoveFields ContestFieldsOf(const ContestData& data, int k) {
    const ContestMove* m = data.Of(k);
    if (!m) throw PlanError("move " + std::to_string(k) + " has no contest data");
    return {m->effect, m->category, m->comboStarter, m->comboMoves};
}

void PlanContestMove(ChangePlan& plan, const ContestData& data, int k, const ContestMoveFields& fields) {
    if (!data.Available()) throw PlanError("the ROM's contest data is off: " + data.unavailable);
    const ContestMove* m = data.Of(k);
    if (!m)
        throw PlanError("move " + std::to_string(k) +
                        " has no contest data: the contest table holds moves 0 to " +
                        std::to_string(data.moves.size() - 1));
    CheckRange("contest effect", fields.effect, ContestEffectCount - 1);
    CheckRange("contest category", fields.category, ContestCategoryCount - 1);
    CheckRange("combo starter id", fields.comboStarter, 255);
    for (int id : fields.comboMoves) CheckRange("combo move's starter id", id, 255);
    const std::int64_t at = data.MoveRecordOffset(k);
    plan.push_back({at, static_cast<std::uint8_t>(fields.effect)});
    plan.push_back({at + 1, static_cast<std::uint8_t>((m->byte1 & ~ContestCategoryMask) | fields.category)});
    plan.push_back({at + 2, static_cast<std::uint8_t>(fields.comboStarter)});
    for (int i = 0; i < ComboMoveCount; ++i)
        plan.push_back(
            {at + 3 + i, static_cast<std::uint8_t>(fields.comboMoves[static_cast<std::size_t>(i)])});
}

void PlanContestEffect(ChangePlan& plan, const ContestData& data, int e, const ContestEffectFields& fields) {
    if (!data.Available()) throw PlanError("the ROM's contest data is off: " + data.unavailable);
    if (e < 0 || e >= static_cast<int>(data.effects.size()))
        throw PlanError("there is no contest effect " + std::to_string(e) + ": the effects are 0 to 47");
    CheckRange("effect type", fields.type, 255);
    CheckRange("appeal", fields.appeal, 255);
    CheckRange("jam", fields.jam, 255);
    const std::int64_t at = data.EffectRecordOffset(e);
    plan.push_back({at, static_cast<std::uint8_t>(fields.type)});
    plan.push_back({at + 1, static_cast<std::uint8_t>(fields.appeal)});
    plan.push_back({at + 2, static_cast<std::uint8_t>(fields.jam)});
}

std::string ContestEffectChangeReport(const ContestData& data, const std::vector<std::string>& moveNames,
                                      int e) {
    const std::vector<int> moves = MovesUsingContestEffect(data, e);
    std::string text = "Contest effect " + std::to_string(e);
    if (moves.empty()) return text + " is used by no move.";
    text += " is used by " + std::to_string(moves.size()) + (moves.size() == 1 ? " move" : " moves") +
            ", which the change affects: ";
    for (std::size_t i = 0; i < moves.size(); ++i) {
        const int k = moves[i];
        text += (i ? ", " : "") + std::to_string(k);
        if (k < static_cast<int>(moveNames.size())) text += " " + moveNames[static_cast<std::size_t>(k)];
    }
    return text + ".";
}

} // namespace rom
