#include "editor/Form1.h"

#include "chameleon_button/chameleonButton.h"
#include "editor/SavePlan.h"
#include "editor/WindowLayout.h"
#include "files/Reasons.h"
#include "files/WholeFiles.h"
#include "rom/OpenMoveTables.h"
#include "rom/ProfileFolders.h"

#include <QTabWidget>
#include <QTextDocument>

#include <cmath>

namespace editor {
namespace {

constexpr int FrameLeft = 6, FrameTop = 6, FrameWidth = 433, FieldTop = 16, Margin = 8;
constexpr int UnknownBoxLines = 4; // the most lines of any game's box

} // namespace

void Form1::CreateDescriptionControls() {
    pageDescription = new QWidget;
    pageDescription->setObjectName(QStringLiteral("pageDescription"));
    tabMore->addTab(pageDescription, QStringLiteral("Description"));

    Frame11 = new QGroupBox(QStringLiteral("&Description"), pageDescription);
    Frame11->setObjectName(QStringLiteral("Frame11"));
    txtDescription = new QPlainTextEdit(Frame11);
    txtDescription->setObjectName(QStringLiteral("txtDescription"));
    txtDescription->setTabChangesFocus(true);
    txtDescription->setLineWrapMode(QPlainTextEdit::NoWrap); // the lines are the game's lines
    // The field shows as many lines as the game's box: a text the box cannot show is flagged below.
    txtDescription->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtDescription->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtDescription->setEnabled(false);
    lblDescriptionWarning = new QLabel(Frame11);
    lblDescriptionWarning->setObjectName(QStringLiteral("lblDescriptionWarning"));
    lblDescriptionWarning->setWordWrap(true);
    lblDescriptionWarning->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblDescriptionWarning->setStyleSheet(QStringLiteral("color: #A00000;"));
    // Flagged as the user types, never refused: the game shows what it can.
    connect(txtDescription, &QPlainTextEdit::textChanged, this, [this] {
        lblDescriptionWarning->setText(QString::fromStdString(
            rom::DescriptionBoxFault(txtDescription->toPlainText().toStdString(), descriptions_.box)));
        LayOutDescriptionFrame();
    });

    // In the frame's place when the ROM's descriptions cannot be read: why.
    Label2 = new QLabel(pageDescription);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(FrameLeft, FrameTop, FrameWidth, PagesHeight / 2);
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ShowDescriptionFrame();
}

void Form1::ShowDescriptionFrame() {
    const bool refused = MovesOpen() && !(descriptions_.Available() && !descriptions_.moves.empty());
    Frame11->setVisible(!refused);
    Label2->setVisible(refused);
    Label2->setText(!refused ? QString()
                             : QStringLiteral("The move descriptions of this ROM cannot be shown: ") +
                                   QString::fromStdString(descriptions_.unavailable.empty()
                                                              ? std::string("the ROM has none")
                                                              : descriptions_.unavailable));
    LayOutDescriptionFrame();
}

void Form1::LayOutDescriptionFrame() {
    const int lines = descriptions_.box ? descriptions_.box->lines : UnknownBoxLines;
    const int width = FrameWidth - 2 * Margin;
    // The text's layout needs a pixel below the last line to show it whole.
    const int fieldHeight = lines * QFontMetrics(txtDescription->font()).lineSpacing() +
                            2 * static_cast<int>(std::ceil(txtDescription->document()->documentMargin())) +
                            2 * txtDescription->frameWidth() + 1;
    txtDescription->setGeometry(Margin, FieldTop, width, fieldHeight);
    int bottom = FieldTop + fieldHeight;
    const bool warned = !lblDescriptionWarning->text().isEmpty();
    lblDescriptionWarning->setVisible(warned);
    if (warned) {
        const int height = lblDescriptionWarning->heightForWidth(width);
        lblDescriptionWarning->setGeometry(Margin, bottom + 4, width, height);
        bottom += 4 + height;
    }
    Frame11->setGeometry(FrameLeft, FrameTop, FrameWidth, bottom + Margin);
}

void Form1::ShowDescription(int k) {
    const rom::MoveDescription* d = MovesOpen() ? descriptions_.Of(k) : nullptr;
    txtDescription->setPlainText(d ? QString::fromStdString(d->text) : QString());
    txtDescription->setEnabled(d != nullptr);
    // As the control holds it, so that a save sees an untouched text as unchanged.
    shownDescription_ = txtDescription->toPlainText();
}

void Form1::RereadTables() {
    try {
        rom::OpenedTables opened =
            rom::OpenMoveTables(RomPath.toStdString(), rom::StandardProfileFolders(programDir_.toStdString(),
                                                                                   rom::SystemEnvironment()));
        descriptions_ = std::move(opened.descriptions);
        contest_ = std::move(opened.contest);
    } catch (const std::exception& e) {
        descriptions_ = {};
        descriptions_.unavailable = e.what();
        const bool inProfile = contest_.inProfile; // the page stays, and says why it is empty
        contest_ = {};
        contest_.inProfile = inProfile;
        contest_.unavailable = e.what();
    }
    ShowDescriptionFrame();
    ShowContestPage();
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
