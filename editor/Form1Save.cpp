#include "editor/Form1.h"

#include "editor/NumberConversions.h"
#include "editor/SavePlan.h"
#include "files/FileError.h"
#include "rom/HexFunctions.h"

#include <cmath>

#include <filesystem>

namespace editor {
namespace {

// Move k's name entry as the ROM holds it now, read where the save writes it; nullopt when the
// hidden fields name no place in the file (the save then says why).
std::optional<rom::NameEntry> CurrentNameEntry(const std::filesystem::path& rom, const SaveInputs& in) {
    try {
        const double start =
            std::floor(ParseNumber(in.nameStart)) + (in.k - 1) * ParseLeadingNumber(in.nameStride);
        const std::string hex = rom::ReadHexBytes(rom, RoundToInteger(start), rom::MoveNameFieldLength);
        if (hex.size() != 2 * rom::NameEntry{}.size()) return std::nullopt;
        rom::NameEntry entry{};
        for (std::size_t i = 0; i < entry.size(); ++i)
            entry[i] = rom::ParseHexPair(std::string_view(hex).substr(2 * i, 2));
        return entry;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

} // namespace

SaveInputs Form1::FieldInputs(int k) const {
    SaveInputs in;
    in.k = k;
    in.name = txtNewName->text().toStdU32String();
    in.nameStart = txtStart->text().toStdString();
    in.nameStride = txtLength->text().toStdString();
    in.dataOffset = txtDataOffset->text().toStdString();
    const auto number = [](QLineEdit* field) { return ParseLeadingNumber(field->text().toStdString()); };
    const auto set = [&in](rom::MoveField f, double value) {
        in.values[static_cast<std::size_t>(f)] = value;
    };
    set(rom::MoveField::effect, ListFieldValue(cmbEffect, rom::MoveField::effect));
    set(rom::MoveField::power, number(txtPower));
    set(rom::MoveField::type, ListFieldValue(cmbType, rom::MoveField::type));
    set(rom::MoveField::accuracy, number(txtAcc));
    set(rom::MoveField::pp, number(txtPP));
    set(rom::MoveField::effectChance, number(txtEff));
    set(rom::MoveField::target, ListFieldValue(cmbTarget, rom::MoveField::target));
    in.rest = RestOfRecordInput();
    return in;
}

void Form1::cmdSave_Click() {
    const int k = List1->currentRow();
    if (k < 0) {
        // Right after an open nothing is selected; the fields may still show another ROM's move.
        dialogs_.ShowMessage(SelectMoveText, MessageTitle, MessageIcon::Information);
        return;
    }
    if (project_) return SaveProjectMove(k); // through the project's model: its files, not offsets
    try {
        SaveInputs in = FieldInputs(k);
        in.currentName = CurrentNameEntry(RomPath.toStdString(), in);

        const std::filesystem::path rom = RomPath.toStdString();
        const auto size = static_cast<std::int64_t>(std::filesystem::file_size(rom));
        // The description's and the contest record's bytes come after the name's and the record's, all
        // planned before any write.
        std::vector<PlannedWrite> plan = PlanSave(in, size);
        for (PlannedWrite& w : PlanDescriptionSave(k, rom)) plan.push_back(std::move(w));
        for (PlannedWrite& w : PlanContestSave(k)) plan.push_back(std::move(w));
        SaveWithHistory(rom, plan);
        RereadTables(); // a text moved to the free space has a new pointer; the contest record as written

        cmdAdd_Click();
        List1->setCurrentRow(k);
    } catch (const files::FileError& e) {
        // It names its file and the system's reason already.
        ShowFailure(SaveErrorText, QString::fromStdString(e.what()));
        return;
    } catch (const std::exception& e) {
        ShowFailure(SaveErrorText, RomPath + QStringLiteral(": ") + QString::fromStdString(e.what()));
        return;
    }
    dialogs_.ShowMessage(SavedText, MessageTitle, MessageIcon::Information);
}

} // namespace editor
