#include "editor/Form1.h"

#include "chameleon_button/chameleonButton.h"

#include "editor/HistoryTexts.h"
#include "editor/NumberConversions.h"
#include "editor/SavePlan.h"
#include "files/FileError.h"
#include "project/ProjectStore.h"
#include "project/ProjectTables.h"
#include "rom/MoveDescriptions.h"
#include "rom/Vocabularies.h"

#include <QDir>

#include <span>

namespace editor {
namespace {

rom::ContestData ProjectContest(const project::OpenedProject& opened) {
    rom::ContestData data = project::ContestDataOf(opened);
    // The effects are shown by the project's names for them.
    if (data.Available())
        for (int e = 0; e < rom::ContestEffectCount; ++e) {
            const auto named = opened.contestEffects.shownAs.find(e);
            data.effectTexts.push_back(named != opened.contestEffects.shownAs.end() ? named->second
                                                                                    : std::string());
        }
    return data;
}

} // namespace

std::optional<std::filesystem::path> Form1::ProjectRootOf(const QString& chosen) {
    // A ROM image inside a project (the project's own build, say) is opened as the ROM it is.
    return project::ProjectToOpen(chosen.toStdString());
}

void Form1::OpenChosenProject(const std::filesystem::path& root) {
    try {
        auto opened = std::make_shared<project::OpenedProject>(project::OpenProject(root));
        ForgetRom();
        project_ = std::move(opened);
        projectHistory_.Reset(project_->root);
        ShowProject(-1);
        setWindowTitle(WindowCaption + QStringLiteral(" - ") +
                       QDir(QString::fromStdString(project_->root.string())).dirName() + ProjectCaption);
    } catch (const std::exception& e) {
        ForgetRom();
        ShowFailure(LoadErrorText, QString::fromStdString(root.string()) + QStringLiteral(": ") +
                                       QString::fromStdString(e.what()));
    }
    UpdateSaveCommands();
}

void Form1::ShowProject(int k) {
    // The offsets belong to a ROM: a project's moves are read and saved through its model.
    for (QLineEdit* field : {txtStart, txtNumber, txtDataOffset}) field->clear();
    layout_ = rom::RecordLayout::Released;
    NameProjectListEntries();
    ShowRecordLayout();
    descriptions_ = project::DescriptionTableOf(*project_);
    ShowDescription(-1);
    ShowDescriptionFrame();
    contest_ = ProjectContest(*project_);
    ShowContest(-1);
    ShowContestPage();
    ShowNotes({});
    cmdSave->setEnabled(true);
    cmdAdd_Click();
    if (k >= 0 && k < List1->count()) List1->setCurrentRow(k);
}

void Form1::NameProjectListEntries() {
    const auto name = [](QComboBox* box, const project::ValueSymbols& family,
                         const std::vector<std::string>& program) {
        for (int value = 0; value < box->count(); ++value) {
            const auto symbol = family.shownAs.find(value);
            const QString text = QString::fromStdString(symbol != family.shownAs.end() ? symbol->second
                                                        : value < static_cast<int>(program.size())
                                                            ? program[static_cast<std::size_t>(value)]
                                                            : std::to_string(value));
            if (box->itemText(value) != text) box->setItemText(value, text);
        }
    };
    name(cmbType, project_->types, rom::TypeNames());
    name(cmbEffect, project_->effects, rom::EffectNames());
    name(cmbTarget, project_->targets, rom::TargetNames());
}

void Form1::ForgetProject() {
    if (!project_) return;
    project_.reset();
    // The boxes' entries as the program names them, before a ROM's names are put past them.
    const auto name = [](QComboBox* box, const std::vector<std::string>& program) {
        for (int value = 0; value < box->count(); ++value) {
            const QString text = QString::fromStdString(value < static_cast<int>(program.size())
                                                            ? program[static_cast<std::size_t>(value)]
                                                            : std::to_string(value));
            if (box->itemText(value) != text) box->setItemText(value, text);
        }
    };
    name(cmbType, rom::TypeNames());
    name(cmbEffect, rom::EffectNames());
    name(cmbTarget, rom::TargetNames());
}

void Form1::ListProjectMoves() {
    const QSignalBlocker quiet(List1);
    List1->clear();
    List1->addItem(QStringLiteral("--NONE--"));
    for (std::size_t k = 1; k < project_->moves.size(); ++k)
        List1->addItem(QString::fromStdString(project_->moves[k].name));
    FillContestLists();
}

void Form1::ShowProjectRecord(int k) {
    if (k >= static_cast<int>(project_->moves.size())) return;
    const rom::RecordBytes& bytes = project_->moves[static_cast<std::size_t>(k)].bytes;
    const auto byte = [&bytes](rom::MoveField f) { return bytes[static_cast<std::size_t>(f)]; };
    ShowListByte(cmbEffect, byte(rom::MoveField::effect));
    txtPower->setText(QString::number(byte(rom::MoveField::power)));
    ShowListByte(cmbType, byte(rom::MoveField::type));
    txtAcc->setText(QString::number(byte(rom::MoveField::accuracy)));
    txtPP->setText(QString::number(byte(rom::MoveField::pp)));
    txtEff->setText(QString::number(byte(rom::MoveField::effectChance)));
    ShowListByte(cmbTarget, byte(rom::MoveField::target));
    ShowRestOfRecordBytes([&bytes](int b) { return static_cast<int>(bytes[static_cast<std::size_t>(b)]); });
}

void Form1::SaveProjectMove(int k) {
    const QString root = QString::fromStdString(project_->root.string());
    try {
        if (k >= static_cast<int>(project_->moves.size()))
            throw SavePlanError("the move is not in the project");
        const project::ProjectMove& move = project_->moves[static_cast<std::size_t>(k)];
        project::MoveChange change;
        change.move = k;
        const std::string name = txtNewName->text().toStdString();
        if (k != 0 && name != move.name) change.name = name;
        const rom::RecordBytes bytes = RecordBytesOf(FieldInputs(k), move.bytes);
        if (bytes != move.bytes) change.bytes = bytes;
        if (txtDescription->isEnabled() && txtDescription->toPlainText() != shownDescription_)
            change.description = txtDescription->toPlainText().toStdString();
        if (const rom::ContestMove* contest = contest_.Of(k); contest && Frame16->isEnabled()) {
            const rom::ContestMoveFields fields = ContestPageFields();
            if (fields != rom::ContestFieldsOf(contest_, k)) {
                rom::ContestMove changed = *contest;
                changed.effect = fields.effect;
                changed.category = fields.category;
                changed.comboStarter = fields.comboStarter;
                changed.comboMoves = fields.comboMoves;
                change.contest = changed;
            }
        }
        projectHistory_.Save(project::PlanProjectChanges(*project_, std::span(&change, 1)));
        RereadProject(k);
    } catch (const files::FileError& e) {
        ShowFailure(SaveErrorText, QString::fromStdString(e.what()));
        return;
    } catch (const std::exception& e) {
        ShowFailure(SaveErrorText, root + QStringLiteral(": ") + QString::fromStdString(e.what()));
        return;
    }
    UpdateSaveCommands();
    dialogs_.ShowMessage(SavedText, MessageTitle, MessageIcon::Information);
}

void Form1::RereadProject(int k) {
    // The model as the files are now: what a save wrote, with every value resolved anew.
    project_ = std::make_shared<project::OpenedProject>(project::OpenProject(project_->root));
    ShowProject(k);
}

void Form1::StepThroughProjectHistory(bool undo) {
    if (!(undo ? projectHistory_.CanUndo() : projectHistory_.CanRedo())) return;
    const int k = List1->currentRow();
    try {
        undo ? projectHistory_.Undo() : projectHistory_.Redo();
        RereadProject(k);
    } catch (const project::ProjectError& e) {
        ShowFailure(ProjectHistoryRefusedText, QString::fromStdString(e.what()));
    } catch (const std::exception& e) {
        ShowFailure(ProjectHistoryErrorText, QString::fromStdString(project_->root.string()) +
                                                 QStringLiteral(": ") + QString::fromStdString(e.what()));
    }
    UpdateSaveCommands();
}

} // namespace editor
