#include "editor/Form1.h"

#include "editor/SavePlan.h"
#include "editor/WindowLayout.h"
#include "rom/ContestNames.h"
#include "rom/ContestPlan.h"

#include <QStringListModel>
#include <QTabWidget>

namespace editor {
namespace {

constexpr int FrameLeft = 6, FrameTop = 6, FrameWidth = 433, FrameHeight = 41, RowPitch = 47, Margin = 8;
constexpr int ListTop = 16, ListHeight = 21, ComboRowPitch = 25;
constexpr int CategoryWidth = 105, ComboMoveWidth = (FrameWidth - 3 * Margin) / 2;

} // namespace

void Form1::CreateContestControls() {
    pageContest = new QWidget;
    pageContest->setObjectName(QStringLiteral("pageContest"));
    tabMore->addTab(pageContest, QStringLiteral("Contest"));

    const auto frame = [this](const char* name, const char* caption, QRect place, const char* tip) {
        auto* box = new QGroupBox(QString::fromUtf8(caption), pageContest);
        box->setObjectName(QString::fromLatin1(name));
        box->setGeometry(place);
        box->setToolTip(QString::fromUtf8(tip));
        return box;
    };
    const auto list = [](QGroupBox* box, const QString& name, QRect place) {
        auto* combo = new QComboBox(box);
        combo->setObjectName(name);
        combo->setGeometry(place);
        combo->setEditable(false);
        return combo;
    };

    Frame16 = frame("Frame16", "C&ategory", {FrameLeft, FrameTop, CategoryWidth, FrameHeight},
                    "The contest the move scores best in.");
    cmbCategory = list(Frame16, QStringLiteral("cmbCategory"),
                       {Margin, ListTop, CategoryWidth - 2 * Margin, ListHeight});
    for (const std::string& name : rom::ContestCategoryNames())
        cmbCategory->addItem(QString::fromStdString(name));

    const int starterLeft = FrameLeft + CategoryWidth + 6;
    Frame17 = frame("Frame17", "Combo s&tarter",
                    {starterLeft, FrameTop, FrameLeft + FrameWidth - starterLeft, FrameHeight},
                    "The combo starter id the move holds, shown with the moves that hold it; 0 none. A move "
                    "whose combo moves name the id scores a combo after this one.");
    cmbComboStarter = list(Frame17, QStringLiteral("cmbComboStarter"),
                           {Margin, ListTop, Frame17->width() - 2 * Margin, ListHeight});

    Frame18 = frame("Frame18", "Contest &effect (appeal/jam)",
                    {FrameLeft, FrameTop + RowPitch, FrameWidth, FrameHeight},
                    "The move's contest effect, each of the ROM's 48 by the game's text for it, then the "
                    "appeal and the jam of the effect's table (shown, not changed here).");
    cmbContestEffect = list(Frame18, QStringLiteral("cmbContestEffect"),
                            {Margin, ListTop, FrameWidth - 2 * Margin, ListHeight});
    cmbContestEffect->setModel(new QStringListModel(this));

    Frame19 = frame("Frame19", "Com&bo moves",
                    {FrameLeft, FrameTop + 2 * RowPitch, FrameWidth, ListTop + 2 * ComboRowPitch},
                    "The combo starter ids after which the move scores a combo, each shown by the moves "
                    "that hold it; 0 none.");
    // The five lists of ids share one list of entries: filled once per open or save.
    auto* ids = new QStringListModel(this);
    cmbComboStarter->setModel(ids);
    for (int i = 0; i < rom::ComboMoveCount; ++i) {
        QComboBox* combo = list(Frame19, QStringLiteral("cmbComboMove%1").arg(i + 1),
                                {Margin + (i % 2) * (ComboMoveWidth + Margin),
                                 ListTop + (i / 2) * ComboRowPitch, ComboMoveWidth, ListHeight});
        combo->setModel(ids);
        cmbComboMoves[static_cast<std::size_t>(i)] = combo;
    }

    // In the lists' place when the ROM's contest data fails its check: why.
    Label3 = new QLabel(pageContest);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setGeometry(FrameLeft, FrameTop, FrameWidth, PagesHeight / 2);
    Label3->setWordWrap(true);
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ForgetContest();
}

void Form1::ShowContestPage() {
    const bool shown = MovesOpen() && contest_.inProfile;
    tabMore->setTabVisible(tabMore->indexOf(pageContest), shown);
    const bool refused = shown && !contest_.Available();
    // A project's effects table is not among its files: its effects come without appeal and jam.
    Frame18->setTitle(contest_.effects.empty() ? QStringLiteral("Contest &effect")
                                               : QStringLiteral("Contest &effect (appeal/jam)"));
    for (QGroupBox* box : {Frame16, Frame17, Frame18, Frame19}) box->setVisible(!refused);
    Label3->setVisible(refused);
    Label3->setText(!refused ? QString()
                             : QStringLiteral("The contest data of this ROM cannot be shown: ") +
                                   QString::fromStdString(contest_.unavailable.empty()
                                                              ? std::string("the ROM has none")
                                                              : contest_.unavailable));
}

void Form1::FillContestLists() {
    QStringList effects, ids;
    if (MovesOpen() && contest_.Available()) {
        for (int e = 0; e < rom::ContestEffectCount; ++e) {
            // The game's text, then the appeal and jam the caption names: a whole entry fits the list.
            const QString name = QString::fromStdString(rom::ContestEffectName(contest_, e));
            if (e >= static_cast<int>(contest_.effects.size())) {
                effects << name; // a project's effects: named, their table not among its files
                continue;
            }
            const rom::ContestEffect& effect = contest_.effects[static_cast<std::size_t>(e)];
            effects << QStringLiteral("%1 (%2/%3)")
                           .arg(name, QString::number(effect.appeal), QString::number(effect.jam));
        }
        // The moves that hold each id, found in one pass over the table.
        std::array<QStringList, 256> holders;
        for (int k = 0; k < static_cast<int>(contest_.moves.size()); ++k)
            if (const int id = contest_.moves[static_cast<std::size_t>(k)].comboStarter; id != 0)
                holders[static_cast<std::size_t>(id)]
                    << (k < List1->count() ? List1->item(k)->text() : QString::number(k));
        ids << QStringLiteral("0: none");
        for (int id = 1; id < 256; ++id) {
            const QStringList& names = holders[static_cast<std::size_t>(id)];
            ids << (names.isEmpty()
                        ? QString::number(id)
                        : QString::number(id) + QStringLiteral(": ") + names.join(QLatin1Char('/')));
        }
    }
    // Each list's entries set at once: an open pays for no entry added one by one.
    static_cast<QStringListModel*>(cmbContestEffect->model())->setStringList(effects);
    static_cast<QStringListModel*>(cmbComboStarter->model())->setStringList(ids);
}

void Form1::ShowContest(int k) {
    const rom::ContestMove* move = MovesOpen() ? contest_.Of(k) : nullptr;
    const auto show = [move](QComboBox* box, int index) {
        box->setCurrentIndex(move ? index : -1); // a move past the table: none
    };
    show(cmbCategory, move ? move->category : -1);
    show(cmbContestEffect, move ? move->effect : -1);
    show(cmbComboStarter, move ? move->comboStarter : -1);
    for (int i = 0; i < rom::ComboMoveCount; ++i)
        show(cmbComboMoves[static_cast<std::size_t>(i)],
             move ? move->comboMoves[static_cast<std::size_t>(i)] : -1);
    for (QGroupBox* box : {Frame16, Frame17, Frame18, Frame19}) box->setEnabled(move != nullptr);
}

void Form1::ForgetContest() {
    contest_ = {};
    ShowContestPage();
    FillContestLists();
    ShowContest(-1);
}

rom::ContestMoveFields Form1::ContestPageFields() const {
    rom::ContestMoveFields fields;
    fields.category = cmbCategory->currentIndex();
    fields.effect = cmbContestEffect->currentIndex();
    fields.comboStarter = cmbComboStarter->currentIndex();
    for (int i = 0; i < rom::ComboMoveCount; ++i)
        fields.comboMoves[static_cast<std::size_t>(i)] =
            cmbComboMoves[static_cast<std::size_t>(i)]->currentIndex();
    return fields;
}

std::vector<PlannedWrite> Form1::PlanContestSave(int k) const {
    if (RomPath.isEmpty() || !contest_.Of(k) || !Frame16->isEnabled()) return {};
    const rom::ContestMoveFields fields = ContestPageFields();
    if (fields == rom::ContestFieldsOf(contest_, k)) return {};
    rom::ChangePlan plan;
    rom::PlanContestMove(plan, contest_, k, fields);
    std::vector<PlannedWrite> writes;
    for (const rom::ByteWrite& w : plan)
        writes.push_back({static_cast<std::int32_t>(w.offset), ValuePair(w.value)});
    return writes;
}

} // namespace editor
