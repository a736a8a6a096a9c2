#include "editor/Form1.h"

#include "chameleon_button/chameleonButton.h"
#include "editor/SavePlan.h"
#include "files/Reasons.h"
#include "files/WholeFiles.h"
#include "rom/OpenMoveTables.h"
#include "rom/ProfileFolders.h"

namespace editor {
namespace {

const QString HelpText =
    QStringLiteral("Priority: the move of higher priority acts first; most moves have 0.\n"
                   "Bytes 9 to 11 are unused by the released games, which leave them 0.");

} // namespace

void Form1::CreateDescriptionControls() {
    // Where the help text is: the two take turns, as the ROM open has descriptions or not.
    Frame11 = new QGroupBox(QStringLiteral("&Description"), this);
    Frame11->setObjectName(QStringLiteral("Frame11"));
    Frame11->setGeometry(240, 273, 217, 120);
    txtDescription = new QPlainTextEdit(Frame11);
    txtDescription->setObjectName(QStringLiteral("txtDescription"));
    txtDescription->setGeometry(8, 16, 201, 70);
    txtDescription->setTabChangesFocus(true);
    txtDescription->setLineWrapMode(QPlainTextEdit::NoWrap); // the lines are the game's lines
    txtDescription->setEnabled(false);
    lblDescriptionWarning = new QLabel(Frame11);
    lblDescriptionWarning->setObjectName(QStringLiteral("lblDescriptionWarning"));
    lblDescriptionWarning->setGeometry(8, 88, 201, 28);
    lblDescriptionWarning->setWordWrap(true);
    lblDescriptionWarning->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblDescriptionWarning->setStyleSheet(QStringLiteral("color: #A00000;"));
    // Flagged as the user types, never refused: the game shows what it can.
    connect(txtDescription, &QPlainTextEdit::textChanged, this, [this] {
        const QString fault = QString::fromStdString(
            rom::DescriptionBoxFault(txtDescription->toPlainText().toStdString(), descriptions_.box));
        lblDescriptionWarning->setText(fault);
        lblDescriptionWarning->setToolTip(fault);
    });

    Label2 = new QLabel(HelpText, this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(240, 273, 217, 120);
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void Form1::ShowDescriptionFrame() {
    const bool grown = cmdMore->Value != 0;
    const bool available = !RomPath.isEmpty() && descriptions_.Available() && !descriptions_.moves.empty();
    Frame11->setVisible(grown && available);
    Label2->setVisible(grown && !available);
    QString help = HelpText;
    if (!RomPath.isEmpty() && !available)
        help += QStringLiteral("\nThe move descriptions cannot be shown: ") +
                QString::fromStdString(descriptions_.unavailable.empty() ? std::string("the ROM has none")
                                                                         : descriptions_.unavailable);
    Label2->setText(help);
}

void Form1::ShowDescription(int k) {
    const rom::MoveDescription* d = RomPath.isEmpty() ? nullptr : descriptions_.Of(k);
    txtDescription->setPlainText(d ? QString::fromStdString(d->text) : QString());
    txtDescription->setEnabled(d != nullptr);
    // As the control holds it, so that a save sees an untouched text as unchanged.
    shownDescription_ = txtDescription->toPlainText();
}

void Form1::RereadDescriptions() {
    try {
        descriptions_ =
            rom::OpenMoveTables(RomPath.toStdString(), rom::StandardProfileFolders(programDir_.toStdString(),
                                                                                   rom::SystemEnvironment()))
                .descriptions;
    } catch (const std::exception& e) {
        descriptions_ = {};
        descriptions_.unavailable = e.what();
    }
    ShowDescriptionFrame();
}

void Form1::ForgetDescriptions() {
    descriptions_ = {};
    ShowDescription(-1);
    ShowDescriptionFrame();
}

std::vector<PlannedWrite> Form1::PlanDescriptionSave(int k, const std::filesystem::path& rom) const {
    const QString text = txtDescription->toPlainText();
    if (!txtDescription->isEnabled() || text == shownDescription_) return {};
    std::string fault;
    const std::optional<std::vector<std::uint8_t>> bytes = rom::EncodeDescription(text.toStdString(), fault);
    if (!bytes) throw SavePlanError("the description of move " + std::to_string(k) + ": " + fault);
    const rom::MoveDescription* old = descriptions_.Of(k);
    if (old && *bytes == old->bytes) return {};
    const std::vector<std::uint8_t> image = files::ReadWholeFile(rom);
    rom::ChangePlan plan;
    rom::DescriptionPlanner(descriptions_, image).Plan(plan, k, *bytes);
    std::vector<PlannedWrite> writes;
    for (const rom::ByteWrite& w : plan)
        writes.push_back({static_cast<std::int32_t>(w.offset), ValuePair(w.value)});
    return writes;
}

} // namespace editor
