#pragma once
// The editor's only window: the move list, the fields of one move, and the commands to open a ROM
// and save a move. Nothing of the ROM is cached: every action reads or writes the file itself.

#include "editor/Dialogs.h"
#include "editor/ProjectHistory.h"
#include "editor/SaveHistory.h"
#include "rom/ContestData.h"
#include "rom/ContestPlan.h"
#include "rom/MoveBytes.h"
#include "rom/MoveDescriptions.h"
#include "rom/MoveRecord.h"
#include "rom/RecordLayout.h"
#include "rom/ValueNames.h"
#include "rom/Vocabularies.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QAction;
class QTabWidget;

namespace chameleon_button {
class chameleonButton;
} // namespace chameleon_button

namespace editor {

using chameleon_button::chameleonButton;

struct RestOfRecord;
struct PlannedWrite;
struct SaveInputs;

class Form1 : public QWidget {
    Q_OBJECT

  public:
    // programDir is the folder whose Data/ holds the profiles; dialogs must outlive the window.
    Form1(const QString& programDir, Dialogs& dialogs, QWidget* parent = nullptr);

    // Controls, named as they are known everywhere (also their Qt object names).
    QListWidget* List1;
    QLabel* Label1;
    QLineEdit* txtNewName;
    QGroupBox *Frame1, *Frame2, *Frame3, *Frame4, *Frame5, *Frame6, *Frame7;
    QLineEdit *txtPP, *txtPower, *txtEff, *txtAcc;
    QComboBox *cmbTarget, *cmbEffect, *cmbType;
    chameleonButton *cmdOpen, *cmdSave, *cmdAdd;
    QLabel* Picture1;
    // Table parameters, never shown.
    QLineEdit *txtStart, *txtLength, *txtNumber, *txtDataOffset, *txtDataLength;
    // The grown window, shown while cmdMore is pressed: below the controls above, pages of what the
    // ROM has besides them, then the commands of the session's saves.
    chameleonButton* cmdMore;
    QTabWidget* tabMore;
    // Page "Record": the rest of the record: priority (byte 7), the six flags of byte 8 (bit i in
    // chkFlags[i]), bytes 9 to 11; the right-hand column below them is kept for the fields of hacks.
    QWidget* pageRecord;
    QGroupBox *Frame8, *Frame9, *Frame10;
    QLineEdit* txtPriority;
    std::array<QCheckBox*, rom::MoveFlagCount> chkFlags;
    std::array<QLineEdit*, rom::PaddingLength> txtPadding;
    // The record fields of a hack whose battle engine uses bytes 9 to 11 and flag bit 6 (the "split"
    // layout): the damage class (byte 10) in Frame10's place, the Z-move's power (byte 9) and effect
    // (byte 11) below the priority, what of the class and the power disagree (flagged, never
    // refused), and the seventh flag "Heal priority" in Frame9. On a released game's layout the
    // read-only class the game derives from the type and power (lblReleasedClass) instead.
    QGroupBox *Frame12, *Frame13, *Frame14;
    QComboBox* cmbDamageClass;
    QLineEdit *txtZPower, *txtZEffect;
    QCheckBox* chkHealPriority;
    QLabel *lblDamageClassWarning, *lblReleasedClass;
    // Page "Description": the selected move's description, its lines as the game breaks them, and
    // what of them the game's box cannot show; or, in its place, why the ROM's descriptions cannot
    // be shown (Label2).
    QWidget* pageDescription;
    QGroupBox* Frame11;
    QPlainTextEdit* txtDescription;
    QLabel* lblDescriptionWarning;
    QLabel* Label2;
    // Page "Contest", on a ROM whose profile has contest data: the move's category, contest effect
    // (each of the 48 by the game's text with its appeal and jam), the combo starter id it holds and
    // the four it follows (each id by the moves that hold it); or, in their place, why the ROM's
    // contest data cannot be shown (Label3). A move past the contest table has none: the page is
    // disabled.
    QWidget* pageContest;
    QGroupBox *Frame16, *Frame17, *Frame18, *Frame19;
    QComboBox *cmbCategory, *cmbContestEffect, *cmbComboStarter;
    std::array<QComboBox*, rom::ComboMoveCount> cmbComboMoves;
    QLabel* Label3;
    // Page "Notes", when the open found more to say than the moves: the move tables, descriptions,
    // type names or contest data lie elsewhere than the shipped profile puts them (a modified ROM),
    // or lines of the profile name nothing. Read-only; absent when there is nothing to say.
    QWidget* pageNotes;
    QPlainTextEdit* txtNotes;
    // Undo and redo of the session's saves and the patch of the ROM against its first backup: in the
    // window's context menu, as buttons at the foot of the grown window, and on Ctrl+Z and Ctrl+Shift+Z.
    QAction *actUndo, *actRedo, *actExportPatch;
    chameleonButton *cmdUndo = nullptr, *cmdRedo = nullptr, *cmdExportPatch = nullptr;

    // Window state shared by the flows.
    QString RomPath;
    QString GameCode;

    // The flows, one a step of the user's work.
    void cmdOpen_Click();                      // open a ROM
    void OpenChosenRom(const QString& chosen); // the open flow after the dialog, for a ROM path chosen
    void cmdAdd_Click();                       // load the move list (raises errors to the flow that runs it)
    void List1_Click();                        // show the selected move
    void ClampField(QLineEdit* field);         // hold a number field to 0..255 (the priority to -128..127)
    void cmdSave_Click();                      // save the selected move
    void ShowWholeRecord(bool shown);          // grow the window to show the rest of the record, or shrink it
    void Undo_Click();                         // put back the bytes of the newest save of the session
    void Redo_Click();                         // write the bytes of the newest undone save again
    void ExportPatch_Click(); // write a BPS patch of the ROM against the session's first backup

  protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void ForgetRom(); // after a failed open: no ROM, no list, no move, Save disabled
    // A failure message with its cause as the box's detail and on standard error.
    void ShowFailure(const QString& text, const QString& cause);
    void ClampFieldLeftBehind(); // the field focused when the window went inactive, once focus is elsewhere
    void CreateControls();
    void CreateButtons();
    void CreateRecordControls();
    void CreateSaveCommands();
    void UpdateSaveCommands(); // enables undo, redo and the patch export as the session allows
    // Writes the save's plan to the ROM with its backup first and its step of undo.
    void SaveWithHistory(const std::filesystem::path& rom, const std::vector<PlannedWrite>& plan);
    void StepThroughHistory(bool undo);
    void ShowRestOfRecord(int k); // after the seven fields: bytes 7 to 11 of move k
    void
    ShowRestOfRecordBytes(const std::function<int(int)>& readByte); // bytes 7 to 11, byte b by readByte(b)
    SaveInputs FieldInputs(int k) const;    // what the fields hold for a save of move k
    RestOfRecord RestOfRecordInput() const; // what a save writes as bytes 7 to 11
    void ForgetRestOfRecord();
    void CreateLayoutControls();  // the split layout's fields and the released class, after all others
    void ShowRecordLayout();      // the fields of the layout of the ROM open
    void UpdateDamageClassText(); // the split layout's warning, or the released game's class
    // The Type and Effect boxes' entries past the program's lists, by the names of the ROM open.
    void NameListEntries(const rom::ValueNames& types, const rom::ValueNames& effects);
    void CreateDescriptionControls();
    void ShowDescriptionFrame();   // Frame11 or Label2, as the ROM has descriptions
    void LayOutDescriptionFrame(); // the field as high as the game's box, the warning whole below it
    void ShowDescription(int k);
    // After the file changed: the descriptions' pointers and texts and the contest data as they are now.
    void RereadTables();
    void ForgetDescriptions();
    // The writes that give move k the text of txtDescription: none when it is unchanged. Throws
    // SavePlanError naming a character without a code, rom::PlanError when no free space holds it.
    std::vector<PlannedWrite> PlanDescriptionSave(int k, const std::filesystem::path& rom) const;
    void CreateContestControls();
    void ShowContestPage();  // the page as the ROM has contest data: hidden, the reason, or the lists
    void FillContestLists(); // the combo starter ids by the names of the moves now in the list
    void ShowContest(int k);
    void ForgetContest();
    void CreateNotesControls();
    void ShowNotes(const std::vector<std::string>& notes);
    // The writes of bytes 0 to 6 of move k's contest record: none when the page is unchanged or
    // the move has no contest record. Throws rom::PlanError.
    std::vector<PlannedWrite> PlanContestSave(int k) const;
    rom::ContestMoveFields ContestPageFields() const;
    // A decompilation project instead of a ROM: read and saved through the project's model, the
    // offset fields empty, its saves undone through its own history.
    bool MovesOpen() const { return !RomPath.isEmpty() || project_ != nullptr; }
    static std::optional<std::filesystem::path> ProjectRootOf(const QString& chosen);
    void OpenChosenProject(const std::filesystem::path& root);
    void ShowProject(int k);       // every page and the list from the model, move k selected
    void NameProjectListEntries(); // the Type, Effect and Target entries as the project names them
    void ForgetProject();          // no project open; the entries as the program names them
    void ListProjectMoves();
    void ShowProjectRecord(int k);
    void SaveProjectMove(int k);
    void RereadProject(int k);
    void StepThroughProjectHistory(bool undo);
    QLineEdit* CreateFieldInFrame(QGroupBox* frame, const char* name, int typingLimit);
    QComboBox* CreateListInFrame(QGroupBox* frame, const char* name, int width,
                                 const std::vector<std::string>& items);
    QLineEdit* CreateHiddenField(const char* name, const char* text);
    void ShowListByte(QComboBox* box, int byte);
    double ListFieldValue(QComboBox* box, rom::MoveField field) const;

    QString programDir_;
    Dialogs& dialogs_;
    bool farewellShown_ = false;
    int rowAtPress_ = -1; // the list's current row when the mouse was last pressed on it
    // A number field that had the focus when the window lost it: not clamped yet.
    QPointer<QLineEdit> fieldLeftBehind_;
    // Bits 6 and 7 of the flags byte shown last (bit 7 alone in the split layout, which shows bit 6):
    // the game ignores them, a save keeps them.
    int keptFlagBits_ = 0;
    rom::RecordLayout layout_ = rom::RecordLayout::Released; // of the ROM open
    rom::DescriptionTable descriptions_; // of the ROM open, as the file held them when last read
    QString shownDescription_;           // the text of txtDescription as shown: a save leaves it alone
    rom::ContestData contest_;           // of the ROM open, as the file held it when last read
    SaveHistory history_;                // the backups and the saves of this session, to undo and redo
    std::shared_ptr<const project::OpenedProject> project_; // the project open instead of a ROM, or null
    ProjectHistory projectHistory_;                         // its saves in this session
};

// The texts of the window's messages.
inline const QString LoadErrorText =
    QStringLiteral("An Error occured while trying to load your ROM, please try a Cleaner ROM.");
inline const QString SaveErrorText =
    QStringLiteral("An Error occured while trying to save your Attack Data, sorry for any inconvinience.");
inline const QString SavedText = QStringLiteral("Skirmela Pro has saved your Attack Data successfully!");
inline const QString SelectMoveText = QStringLiteral("Please select a move in the list before saving.");
inline const QString MessageTitle = QStringLiteral("Skirmela Pro");
inline const QString FarewellTitle = QStringLiteral("Quillmoth Inc.");
inline const QString MakerSite = QStringLiteral("www.quillmoth.example");
inline const QString WindowCaption = QStringLiteral("Skirmela Professional 1.0.0");
// Added to the caption when a modified ROM's header gave the tables instead of the shipped profile.
// Added to the caption when a decompilation project is open instead of a ROM.
inline const QString ProjectCaption = QStringLiteral(" (project)");
inline const QString TablesFromHeaderCaption = QStringLiteral(" (tables from the ROM's header)");

} // namespace editor
