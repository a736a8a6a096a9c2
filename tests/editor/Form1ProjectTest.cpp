// A decompilation project in the window: opened from its folder or a file in it, every move shown
// from its C files, a save that changes only the tokens of what was edited, undone and redone
// exactly; a refused save leaves every file as it was.

#include "EditorFixture.h"

#include "chameleon_button/chameleonButton.h"
#include "editor/HistoryTexts.h"
#include "tools/demo_rom/Project.h"

#include <QTabWidget>

#include <map>

namespace {

using Files = std::map<std::string, std::string>;

class Form1ProjectTest : public EditorTest {
  protected:
    std::filesystem::path Make(project::ProjectLayout layout) {
        const std::filesystem::path folder = dir / "project";
        std::filesystem::remove_all(folder);
        demo::WriteDemoProject(layout, folder);
        moves = demo::DemoProjectMoves(layout);
        return folder;
    }
    static Files Read(const std::filesystem::path& folder) { return testing_support::FolderFiles(folder); }
    void Save() {
        form->cmdSave_Click();
        ASSERT_FALSE(dialogs.messages.empty());
    }
    std::vector<demo::DemoProjectMove> moves;
};

constexpr project::ProjectLayout AllLayouts[] = {project::ProjectLayout::fireRedLeafGreen,
                                                 project::ProjectLayout::rubySapphire,
                                                 project::ProjectLayout::emerald};

} // namespace

TEST_F(Form1ProjectTest, OpensEachLayoutFromItsFolderOrAFileInItAndShowsItsMoves) {
    for (const project::ProjectLayout layout : AllLayouts) {
        const std::filesystem::path folder = Make(layout);
        const bool viaFile = layout == project::ProjectLayout::emerald;
        Open(viaFile ? folder / "include" / "constants" / "moves.h" : folder);
        ASSERT_EQ(form->List1->count(), 355) << dialogs.messages.back().details.toStdString();
        EXPECT_TRUE(form->windowTitle().endsWith(editor::ProjectCaption));
        for (QLineEdit* offset : {form->txtStart, form->txtDataOffset, form->txtNumber})
            EXPECT_TRUE(offset->text().isEmpty());

        const int k = 98; // priority +1, a record with flags
        form->List1->setCurrentRow(k);
        const demo::DemoProjectMove& move = moves[k];
        EXPECT_EQ(form->txtNewName->text().toStdString(), move.name);
        EXPECT_EQ(form->txtPower->text().toInt(), move.bytes[1]);
        EXPECT_EQ(form->cmbType->currentIndex(), move.bytes[2]);
        EXPECT_EQ(form->txtPP->text().toInt(), move.bytes[4]);
        EXPECT_EQ(form->txtPriority->text().toInt(), static_cast<std::int8_t>(move.bytes[7]));
        EXPECT_EQ(form->txtDescription->toPlainText().toStdString(), *move.description);
        const bool contest = layout != project::ProjectLayout::fireRedLeafGreen;
        EXPECT_EQ(form->tabMore->isTabVisible(form->tabMore->indexOf(form->pageContest)), contest);
        if (contest) {
            EXPECT_EQ(form->cmbCategory->currentIndex(), move.contest->category);
        }
        EXPECT_FALSE(form->actExportPatch->isEnabled());
        EXPECT_EQ(form->cmdExportPatch->toolTip(), editor::ProjectPatchTip);
    }
    // A ROM opened after a project is a ROM again: its offsets, the program's names.
    OpenDemo();
    EXPECT_FALSE(form->txtStart->text().isEmpty());
    EXPECT_FALSE(form->windowTitle().endsWith(editor::ProjectCaption));
}

TEST_F(Form1ProjectTest, ASaveChangesOnlyTheEditedTokensAndUndoAndRedoAreExact) {
    for (const project::ProjectLayout layout : AllLayouts) {
        const std::filesystem::path folder = Make(layout);
        Open(folder);
        const Files before = Read(folder);
        const int k = 5;
        form->List1->setCurrentRow(k);
        const int power = moves[k].bytes[1] == 77 ? 78 : 77;
        form->txtPower->setText(QString::number(power));
        Save();
        ASSERT_EQ(dialogs.messages.back().text, editor::SavedText)
            << dialogs.messages.back().details.toStdString();

        const Files after = Read(folder);
        int changedFiles = 0;
        for (const auto& [file, text] : before) {
            if (after.at(file) == text) continue;
            ++changedFiles;
            // The old number gives way to the new one and nothing else moves.
            const std::string old = std::to_string(moves[k].bytes[1]);
            const std::size_t at =
                text.find(".power = " + old, text.find("[MOVE_" + moves[k].symbol.substr(5)));
            ASSERT_NE(at, std::string::npos) << file;
            std::string expected = text;
            expected.replace(at + 9, old.size(), std::to_string(power));
            EXPECT_EQ(after.at(file), expected) << file;
        }
        EXPECT_EQ(changedFiles, 1);
        EXPECT_EQ(form->txtPower->text().toInt(), power); // shown as read back from the files

        ASSERT_TRUE(form->actUndo->isEnabled());
        form->Undo_Click();
        EXPECT_EQ(Read(folder), before);
        EXPECT_EQ(form->txtPower->text().toInt(), moves[k].bytes[1]);
        form->Redo_Click();
        EXPECT_EQ(Read(folder), after);
    }
}

TEST_F(Form1ProjectTest, ARefusedSaveOrUndoLeavesEveryFileAsItWas) {
    const std::filesystem::path folder = Make(project::ProjectLayout::fireRedLeafGreen);
    Open(folder);
    const Files before = Read(folder);
    const struct {
        const char* name;
        std::function<void(editor::Form1&)> edit;
    } cases[] = {
        {"a name of 13 characters", [](editor::Form1& f) { f.txtNewName->setText("THIRTEENCHARS"); }},
        {"a character the charmap lacks",
         [](editor::Form1& f) { f.txtNewName->setText(QStringLiteral("Ω")); }},
        {"a power past 255", [](editor::Form1& f) { f.txtPower->setText("256"); }},
    };
    const auto select = [this](int k) {
        form->List1->setCurrentRow(k + 1); // the fields as the files hold them again
        form->List1->setCurrentRow(k);
    };
    for (const auto& c : cases) {
        select(7);
        c.edit(*form);
        Save();
        EXPECT_EQ(dialogs.messages.back().text, editor::SaveErrorText) << c.name;
        EXPECT_EQ(Read(folder), before) << c.name;
    }

    // A file another program changed after the save: the undo is refused and writes nothing.
    select(7);
    form->txtPP->setText("11");
    Save();
    ASSERT_EQ(dialogs.messages.back().text, editor::SavedText);
    const std::filesystem::path records = folder / "src" / "data" / "battle_moves.h";
    testing_support::WriteFileText(records, testing_support::ReadFileText(records) + "// edited\n");
    const Files edited = Read(folder);
    form->Undo_Click();
    EXPECT_EQ(dialogs.messages.back().text, editor::ProjectHistoryRefusedText);
    EXPECT_EQ(Read(folder), edited);
    EXPECT_FALSE(form->actUndo->isEnabled());
}
