#include "editor/SavePlan.h"

#include "editor/NumberConversions.h"
#include "rom/ChangePlan.h"
#include "rom/GameText.h"
#include "rom/HexFunctions.h"
#include "rom/NamePadding.h"
#include "rom/RomError.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace editor {
namespace {

// Byte i of the entry is the code of unit i of the name's field: a line break or "[m]" is one byte.
std::vector<PlannedWrite> PlanName(const SaveInputs& in) {
    std::vector<std::string> pairs = rom::EncodeNameField(rom::StoredName(in.k, in.name));
    // After the end byte the entry keeps the padding the ROM gave it.
    if (in.currentName && std::none_of(pairs.begin(), pairs.end(), [](const auto& p) { return p.empty(); })) {
        rom::NameEntry encoded{};
        for (std::size_t i = 0; i < encoded.size(); ++i) encoded[i] = rom::ParseHexPair(pairs[i]);
        const rom::NameEntry padded = rom::PaddedNameEntry(encoded, *in.currentName);
        for (std::size_t i = 0; i < padded.size(); ++i)
            if (padded[i] != encoded[i]) pairs[i] = rom::HexPair(padded[i]);
    }
    const double start = std::floor(ParseNumber(in.nameStart));
    const double stride = ParseLeadingNumber(in.nameStride);
    std::vector<PlannedWrite> writes;
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        const std::string& pair = pairs[i];
        if (pair.empty()) throw SavePlanError("the name holds a character the game cannot show");
        const double position = rom::NameBytePosition(start, stride, in.k, static_cast<int>(i));
        writes.push_back({RoundToInteger(position), pair});
    }
    return writes;
}

std::vector<PlannedWrite> PlanRecord(const SaveInputs& in) {
    const double data = ParseLeadingNumber(in.dataOffset);
    std::vector<PlannedWrite> writes;
    for (rom::MoveField f : rom::MoveFieldAccessOrder) {
        // The field's offset relative to 0 keeps the 16-bit rule for 12 x k; the table start is
        // added in double precision and rounded, as a typed offset may hold a fraction.
        const double position = data + rom::MoveFieldOffset(0, in.k, f);
        const std::int32_t value = RoundToInteger(in.values[static_cast<std::size_t>(f)]);
        if (value < 0 || value > 255) throw SavePlanError("a value of the move lies outside 0 to 255");
        writes.push_back({RoundToInteger(position), ValuePair(value)});
    }
    return writes;
}

// Bytes 7 to 11 in byte order, placed as the seven fields are.
std::vector<PlannedWrite> PlanRestOfRecord(const SaveInputs& in) {
    const RestOfRecord& rest = *in.rest;
    const double record =
        ParseLeadingNumber(in.dataOffset) + rom::MoveFieldOffset(0, in.k, rom::MoveField::effect);
    const auto write = [record](int b, std::int32_t value, int lowest, int highest) {
        if (value < lowest || value > highest)
            throw SavePlanError("a value of the move lies outside its range");
        return PlannedWrite{RoundToInteger(record + b), ValuePair(value & 0xFF)};
    };
    std::vector<PlannedWrite> writes = {
        write(rom::PriorityByte, RoundToInteger(rest.priority), rom::PriorityLowest, rom::PriorityHighest),
        write(rom::FlagsByte, rest.flags, 0, 255)};
    for (std::size_t i = 0; i < rest.padding.size(); ++i) {
        const int b = rom::PaddingByte + static_cast<int>(i);
        writes.push_back(write(b, RoundToInteger(rest.padding[i]), 0, 255));
    }
    return writes;
}

} // namespace

std::string ValuePair(std::int32_t value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%X", static_cast<unsigned>(value) & (value < 0 ? 0xFFFFu : ~0u));
    return buffer;
}

std::vector<PlannedWrite> PlanSave(const SaveInputs& in, std::int64_t romSize) {
    if (in.k < 0) throw SavePlanError("no move is selected");
    try {
        std::vector<PlannedWrite> plan = PlanName(in);
        for (PlannedWrite& w : PlanRecord(in)) plan.push_back(std::move(w));
        if (in.rest)
            for (PlannedWrite& w : PlanRestOfRecord(in)) plan.push_back(std::move(w));
        for (const PlannedWrite& w : plan) {
            rom::ParseHexPair(w.pair); // every pair must denote a byte
            if (w.offset < 0 || w.offset >= romSize) throw SavePlanError("the move lies outside the ROM");
        }
        return plan;
    } catch (const SavePlanError&) {
        throw;
    } catch (const std::exception& e) {
        throw SavePlanError(e.what());
    }
}

rom::RecordBytes RecordBytesOf(const SaveInputs& in, const rom::RecordBytes& base) {
    if (in.k < 0) throw SavePlanError("no move is selected");
    // The record planned at offset 0 of a table: each write's offset less the record's start is its byte.
    SaveInputs atZero = in;
    atZero.dataOffset = "0";
    rom::RecordBytes bytes = base;
    try {
        const std::int64_t start = rom::MoveFieldOffset(0, in.k, rom::MoveField::effect);
        std::vector<PlannedWrite> writes = PlanRecord(atZero);
        if (in.rest)
            for (PlannedWrite& w : PlanRestOfRecord(atZero)) writes.push_back(std::move(w));
        for (const PlannedWrite& w : writes)
            bytes[static_cast<std::size_t>(w.offset - start)] = rom::ParseHexPair(w.pair);
    } catch (const SavePlanError&) {
        throw;
    } catch (const std::exception& e) {
        throw SavePlanError(e.what());
    }
    return bytes;
}

void ApplySave(const std::filesystem::path& rom, const std::vector<PlannedWrite>& plan) {
    rom::ChangePlan writes;
    writes.reserve(plan.size());
    for (const PlannedWrite& w : plan) writes.push_back({w.offset, rom::ParseHexPair(w.pair)});
    rom::ApplyPlan(rom, writes);
}

} // namespace editor
