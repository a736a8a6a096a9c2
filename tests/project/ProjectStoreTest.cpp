// The move table of a decompilation project: a small synthetic project of each layout (four moves,
// one of them a fork's new effect and type) read, edited field by field and saved, each file compared
// whole, and every refusal leaving every file as it was.

#include "project/ProjectStore.h"

#include "files/FileError.h"
#include "files/WriteFiles.h"
#include "rom/ContestNames.h"
#include "rom/Vocabularies.h"
#include "tests/support/TempFiles.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <map>

#include <gtest/gtest.h>

using namespace project;
using testing_support::TempDir;

namespace {

using Files = std::map<std::string, std::string>;

// "@CONTACT@" and the like: the symbols that differ between the layouts.
std::string Symbols(std::string text, ProjectLayout layout) {
    const bool rs = layout == ProjectLayout::rubySapphire;
    const std::pair<const char*, const char*> names[] = {
        {"@CONTACT@", rs ? "F_MAKES_CONTACT" : "FLAG_MAKES_CONTACT"},
        {"@PROTECT@", rs ? "F_AFFECTED_BY_PROTECT" : "FLAG_PROTECT_AFFECTED"},
        {"@MIRROR@", rs ? "F_MIRROR_MOVE_COMPATIBLE" : "FLAG_MIRROR_MOVE_AFFECTED"},
        {"@SELECTED@", rs ? "TARGET_SELECTED_POKEMON" : "MOVE_TARGET_SELECTED"},
        {"@USER@", rs ? "TARGET_USER" : "MOVE_TARGET_USER"},
        {"@OPEN@", rs ? " {" : "\n    {"}};
    for (const auto& [from, to] : names)
        for (std::size_t at; (at = text.find(from)) != std::string::npos;)
            text.replace(at, std::strlen(from), to);
    return text;
}

std::string Charmap() {
    std::string text = "@ the game's characters\n' ' = 00\n'-' = AE\n'.' = AD\n'\\n' = FE\n'$' = FF\n";
    for (int i = 0; i < 26; ++i) {
        char lines[32];
        std::snprintf(lines, sizeof lines, "'%c' = %02X\n'%c' = %02X\n", 'A' + i, 0xBB + i, 'a' + i,
                      0xD5 + i);
        text += lines;
    }
    return text + "PKMN = 53 54\nTIMES = B9\n";
}

const char* Records = R"(const struct BattleMove gBattleMoves[MOVES_COUNT] =
{
    [MOVE_NONE] =@OPEN@
        .effect = EFFECT_HIT,
        .type = TYPE_NORMAL,
        .flags = 0,
    },

    [MOVE_TAP] =@OPEN@
        .effect = EFFECT_HIT,
        .power = 40,
        .type = TYPE_NORMAL,
        .accuracy = 100,
        .pp = 35,
        .secondaryEffectChance = 0,
        .target = @SELECTED@,
        .priority = 0,
        .flags = @CONTACT@ | @PROTECT@,
    },

    [MOVE_EMBER_KICK] =@OPEN@
        .effect = EFFECT_POISON_HIT, // a comment kept
        .power = 0x3C,
        .type = TYPE_FIRE,
        .accuracy = 95,
        .pp = 25,
        .target = @SELECTED@,
        .priority = -1,
        .flags = @PROTECT@,
    },

    [MOVE_HUM] =@OPEN@
        .effect = EFFECT_MY_NEW_ONE,
        .power = 0,
        .type = TYPE_SOUND,
        .accuracy = 0,
        .pp = 20,
        .target = @USER@,
        .flags = 0
    },
};
)";

// The project of a layout: the same four moves in each.
Files Project(ProjectLayout layout) {
    const bool rs = layout == ProjectLayout::rubySapphire, fr = layout == ProjectLayout::fireRedLeafGreen;
    Files files = {
        {"Makefile", "all:\n"},
        {"charmap.txt", Charmap()},
        {"include/constants/moves.h", "#ifndef GUARD_MOVES_H\n#define GUARD_MOVES_H\n#define MOVE_NONE 0\n"
                                      "#define MOVE_TAP 1\n#define MOVE_EMBER_KICK 2\n#define MOVE_HUM 3\n"
                                      "#define MOVES_COUNT 4\n#endif\n"},
        {"include/constants/battle_move_effects.h",
         "#define EFFECT_HIT 0\n#define EFFECT_SLEEP 1\n"
         "#define EFFECT_POISON_HIT 2\n#define EFFECT_MY_NEW_ONE 214\n"},
        {"include/constants/pokemon.h", "#define TYPE_NORMAL 0\n#define TYPE_FIRE 10\n#define TYPE_SOUND 18\n"
                                        "#define TYPE_FLAME TYPE_FIRE\n"},
        {"include/constants/battle.h",
         Symbols("#define @SELECTED@ 0\n#define @USER@ (1 << 4)\n#define @CONTACT@ (1 << 0)\n"
                 "#define @PROTECT@ (1 << 1)\n#define @MIRROR@ (1 << 4)\n",
                 layout)},
        // The game's event flags share the prefix and the values of the move flags.
        {"include/constants/flags.h",
         "#define FLAG_TEMP_1 0x1\n#define FLAG_TEMP_2 0x2\n#define FLAG_TEMP_10 0x10\n"},
        {rs ? "src/data/battle_moves.c" : "src/data/battle_moves.h", Symbols(Records, layout)},
        {rs ? "src/data/text/move_names_en.h" : "src/data/text/move_names.h",
         "const u8 gMoveNames[MOVES_COUNT][MOVE_NAME_LENGTH + 1] = {\n    [MOVE_NONE] = _(\"-\"),\n"
         "    [MOVE_TAP] = _(\"TAP\"),\n    [MOVE_EMBER_KICK] = _(\"EMBER{TIMES}KICK\"),\n"
         "    [MOVE_HUM] = _(\"HUM{PKMN}\"),\n};\n"}};
    if (fr) {
        files["src/move_descriptions.c"] = "const u8 gMoveDescription_Tap[] = _(\"Taps.\\nLightly.\");\n"
                                           "const u8 gMoveDescription_EmberKick[] = _(\"Kicks.\");\n"
                                           "const u8 gMoveDescription_Hum[] = _(\"Hums.\");\n\n"
                                           "const u8 *const gMoveDescriptionPointers[MOVES_COUNT - 1] = {\n"
                                           "    [MOVE_TAP - 1] = gMoveDescription_Tap,\n    [MOVE_EMBER_KICK "
                                           "- 1] = gMoveDescription_EmberKick,\n"
                                           "    [MOVE_HUM - 1] = gMoveDescription_Hum,\n};\n";
        return files;
    }
    const std::string tap = rs ? "MoveDescription_Tap" : "sTapDescription",
                      kick = rs ? "MoveDescription_EmberKick" : "sEmberKickDescription",
                      hum = rs ? "MoveDescription_Hum" : "sHumDescription";
    const std::string texts = "static const u8 " + tap + "[] = _(\n    \"Taps.\\n\"\n    \"Lightly.\");\n\n" +
                              "static const u8 " + kick + "[] = _(\n    \"Kicks.\");\n\n" +
                              "static const u8 " + hum + "[] = _(\n    \"Hums.\");\n\n";
    files[rs ? "src/data/text/move_descriptions_en.h" : "src/data/text/move_descriptions.h"] =
        texts +
        (rs ? "const u8 * const gMoveDescriptions[] = {\n    " + tap + ",\n    " + kick + ",\n    " + hum
            : "const u8 *const gMoveDescriptionPointers[MOVES_COUNT - 1] = {\n    [MOVE_TAP - 1] = " + tap +
                  ",\n    [MOVE_EMBER_KICK - 1] = " + kick + ",\n    [MOVE_HUM - 1] = " + hum) +
        ",\n};\n";
    files["include/constants/contest.h"] =
        "#define CONTEST_CATEGORY_COOL 0\n#define CONTEST_CATEGORY_TOUGH 4\n#define "
        "CONTEST_EFFECT_HIGHLY_APPEALING 0\n"
        "#define CONTEST_EFFECT_NEW 48\n#define COMBO_STARTER_TAP 60\n#define COMBO_STARTER_HUM 61\n";
    files["src/data/contest_moves.h"] =
        rs ? "const struct ContestMove gContestMoves[] =\n{\n    {0}, // NONE\n"
             "    {CONTEST_EFFECT_HIGHLY_APPEALING, CONTEST_CATEGORY_TOUGH, COMBO_STARTER_TAP, {0, 0, 0, "
             "0}}, // TAP\n"
             "    {CONTEST_EFFECT_NEW, CONTEST_CATEGORY_COOL, 0, {COMBO_STARTER_TAP, 0, 0, 0}}, // EMBER "
             "KICK\n"
             "    {CONTEST_EFFECT_NEW, CONTEST_CATEGORY_COOL}, // HUM\n};\n"
           : "const struct ContestMove gContestMoves[MOVES_COUNT] =\n{\n"
             "    [MOVE_TAP] =\n    {\n        .effect = CONTEST_EFFECT_HIGHLY_APPEALING,\n"
             "        .contestCategory = CONTEST_CATEGORY_TOUGH,\n        .comboStarterId = "
             "COMBO_STARTER_TAP,\n"
             "        .comboMoves = {0},\n    },\n\n"
             "    [MOVE_EMBER_KICK] =\n    {\n        .effect = CONTEST_EFFECT_NEW,\n"
             "        .contestCategory = CONTEST_CATEGORY_COOL,\n        .comboMoves = "
             "{COMBO_STARTER_TAP},\n    },\n\n"
             "    [MOVE_HUM] =\n    {\n        .effect = CONTEST_EFFECT_NEW,\n    },\n};\n";
    return files;
}

constexpr ProjectLayout Layouts[] = {ProjectLayout::fireRedLeafGreen, ProjectLayout::rubySapphire,
                                     ProjectLayout::emerald};

void Write(const std::filesystem::path& root, const Files& files) {
    for (const auto& [name, text] : files) {
        std::filesystem::create_directories((root / name).parent_path());
        testing_support::WriteFileText(root / name, text);
    }
}

// Every file under root, by its path from root.
Files Tree(const std::filesystem::path& root) {
    return testing_support::FolderFiles(root);
}

// text with its one occurrence of from replaced by to.
std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    EXPECT_EQ(text.find(from, at + 1), std::string::npos) << from << " is not unique";
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

std::string RecordsFile(ProjectLayout layout) {
    return layout == ProjectLayout::rubySapphire ? "src/data/battle_moves.c" : "src/data/battle_moves.h";
}

MoveChange ChangeOf(int move) {
    MoveChange change;
    change.move = move;
    return change;
}

rom::RecordBytes Bytes(std::initializer_list<int> values) {
    rom::RecordBytes bytes{};
    std::size_t i = 0;
    for (int v : values) bytes[i++] = static_cast<std::uint8_t>(v);
    return bytes;
}

} // namespace

TEST(OpenProject, ReadsTheSameMovesFromEachLayout) {
    const rom::RecordBytes expected[] = {
        Bytes({0, 0, 0, 0, 0, 0, 0, 0, 0}), Bytes({0, 40, 0, 100, 35, 0, 0, 0, 3}),
        Bytes({2, 60, 10, 95, 25, 0, 0, 0xFF, 2}), Bytes({214, 0, 18, 0, 20, 0, 16, 0, 0})};
    for (ProjectLayout layout : Layouts) {
        SCOPED_TRACE(static_cast<int>(layout));
        TempDir dir;
        Write(dir.path(), Project(layout));
        const OpenedProject p = OpenProject(dir.path() / "src/data");
        EXPECT_EQ(p.root, dir.path());
        EXPECT_EQ(p.layout, layout);
        ASSERT_EQ(p.moves.size(), 4u);
        for (int k = 0; k < 4; ++k) EXPECT_EQ(p.moves[k].bytes, expected[k]) << k;
        EXPECT_EQ(p.moves[2].symbol, "MOVE_EMBER_KICK");
        EXPECT_EQ(p.moves[2].name, "EMBER×KICK");
        EXPECT_EQ(p.moves[3].name, "HUM"); // {PKMN} is two bytes the program shows nothing for
        EXPECT_EQ(rom::HexText(p.moves[3].entry), "C2CFC75354FF00000000000000");
        EXPECT_EQ(p.moves[1].description, "Taps.\nLightly.");
        EXPECT_EQ(p.moves[0].description, std::nullopt);
        EXPECT_EQ(p.types.shownAs.at(0), "Normal");
        EXPECT_EQ(p.types.shownAs.at(18), "TYPE_SOUND");
        EXPECT_EQ(p.effects.shownAs.at(214), "EFFECT_MY_NEW_ONE");
        EXPECT_EQ(p.flags.symbols.at(1), std::vector<std::string>{Symbols("@CONTACT@", layout)});
        EXPECT_EQ(p.flags.shownAs.at(1), "Makes contact");
        EXPECT_EQ(p.targets.shownAs.at(16), rom::TargetNames()[16]);
        EXPECT_EQ(p.hasContest, layout != ProjectLayout::fireRedLeafGreen);
        if (!p.hasContest) continue;
        EXPECT_EQ(p.moves[1].contest->category, 4);
        EXPECT_EQ(p.moves[1].contest->comboStarter, 60);
        EXPECT_EQ(p.moves[2].contest->effect, 48);
        EXPECT_EQ(p.moves[2].contest->comboMoves, (rom::ComboMoves{60, 0, 0, 0}));
        EXPECT_EQ(p.contestCategories.shownAs.at(4), "Tough");
        EXPECT_EQ(p.contestEffects.shownAs.at(48), "CONTEST_EFFECT_NEW");
    }
}

// Each field of a record changed alone: only its tokens change, as the one symbol of its value or a
// number; a field left out is inserted in the block's style; flags keep the symbols still set.
TEST(PlanProjectChanges, ChangesOnlyTheTokensOfTheChangedField) {
    struct Case {
        int move, byte, value;
        const char *from, *to;
    } cases[] = {
        {1, 1, 90, ".power = 40,", ".power = 90,"},
        {1, 1, 0, ".power = 40,", ".power = 0,"},
        {2, 0, 214, "EFFECT_POISON_HIT, // a", "EFFECT_MY_NEW_ONE, // a"},
        {2, 0, 99, "EFFECT_POISON_HIT, // a", "99, // a"},
        {2, 2, 0, "TYPE_FIRE", "TYPE_NORMAL"},
        {1, 2, 10, ".type = TYPE_NORMAL,\n        .accuracy = 100", ".type = 10,\n        .accuracy = 100"},
        {2, 1, 120, ".power = 0x3C", ".power = 0x78"}, // a hex number stays hex, so undo gives it back
        {2, 3, 70, ".accuracy = 95", ".accuracy = 70"},
        {2, 4, 5, ".pp = 25", ".pp = 5"},
        {2, 5, 30, ".flags = @PROTECT@,\n", ".flags = @PROTECT@,\n        .secondaryEffectChance = 30,\n"},
        {3, 1, 0, ".power = 0,\n        .type = TYPE_SOUND", ".power = 0,\n        .type = TYPE_SOUND"},
        {3, 6, 0, "@USER@", "@SELECTED@"},
        {3, 7, 0xFD, ".flags = 0\n", ".flags = 0,\n        .priority = -3\n"},
        {2, 7, 5, ".priority = -1", ".priority = 5"},
        {1, 8, 0x12, "@CONTACT@ | @PROTECT@", "@PROTECT@ | @MIRROR@"},
        {2, 8, 0x40, ".flags = @PROTECT@", ".flags = 64"},
        {1, 8, 0, "@CONTACT@ | @PROTECT@", "0"},
    };
    for (ProjectLayout layout : Layouts) {
        TempDir dir;
        const Files files = Project(layout);
        Write(dir.path(), files);
        const OpenedProject p = OpenProject(dir.path());
        for (const Case& c : cases) {
            SCOPED_TRACE(std::to_string(static_cast<int>(layout)) + " " + c.to);
            MoveChange change = ChangeOf(c.move);
            change.bytes = p.moves[c.move].bytes;
            (*change.bytes)[c.byte] = static_cast<std::uint8_t>(c.value);
            const std::vector<FileRewrite> rewrites = PlanProjectChanges(p, std::span(&change, 1));
            const std::string before = files.at(RecordsFile(layout));
            const std::string expected = Replaced(before, Symbols(c.from, layout), Symbols(c.to, layout));
            if (expected == before) {
                EXPECT_TRUE(rewrites.empty());
                continue;
            }
            ASSERT_EQ(rewrites.size(), 1u);
            EXPECT_EQ(rewrites[0].file, RecordsFile(layout));
            EXPECT_EQ(rewrites[0].before, before);
            EXPECT_EQ(rewrites[0].after, expected);
        }
    }
}

// Names through the charmap (an escape for a character it has no single entry for), descriptions
// in the file's style of literals, contest data positional (R/S) or designated (Emerald).
TEST(PlanProjectChanges, RewritesTextsAndContestDataInTheFilesStyle) {
    for (ProjectLayout layout : Layouts) {
        SCOPED_TRACE(static_cast<int>(layout));
        TempDir dir;
        const Files files = Project(layout);
        Write(dir.path(), files);
        const OpenedProject p = OpenProject(dir.path());
        std::vector<MoveChange> changes(3);
        changes[0].move = 1;
        changes[0].name = "TAP×TAP";
        changes[0].description = "One.\nTwo.\nThree.";
        changes[1].move = 2;
        changes[1].name = "EMBER×KICK"; // unchanged: its file keeps {TIMES}
        changes[1].description = "Kicks.\nHard.";
        changes[2].move = 3;
        if (p.hasContest) {
            changes[2].contest = p.moves[3].contest;
            changes[2].contest->category = 4;
            changes[2].contest->comboMoves = {60, 61, 0, 0};
        }
        const std::vector<FileRewrite> rewrites = PlanProjectChanges(p, changes);
        Files after = files;
        for (const FileRewrite& r : rewrites) after[r.file.generic_string()] = r.after;

        const std::string names = layout == ProjectLayout::rubySapphire ? "src/data/text/move_names_en.h"
                                                                        : "src/data/text/move_names.h";
        EXPECT_EQ(after[names], Replaced(files.at(names), "_(\"TAP\")", "_(\"TAP{TIMES}TAP\")"));
        const std::string descriptions = layout == ProjectLayout::fireRedLeafGreen ? "src/move_descriptions.c"
                                         : layout == ProjectLayout::emerald
                                             ? "src/data/text/move_descriptions.h"
                                             : "src/data/text/move_descriptions_en.h";
        // A text of one literal stays one; a text written one literal a line (even a one-line text
        // whose literal stands on its own line) takes one literal for each of its lines.
        const bool fr = layout == ProjectLayout::fireRedLeafGreen;
        const std::string oneKick = fr ? "_(\"Kicks.\")" : "_(\n    \"Kicks.\")";
        const std::string newKick = fr ? "_(\"Kicks.\\nHard.\")" : "_(\n    \"Kicks.\\n\"\n    \"Hard.\")";
        const std::string oneTap = fr ? "\"Taps.\\nLightly.\"" : "\"Taps.\\n\"\n    \"Lightly.\"";
        const std::string newTap =
            fr ? "\"One.\\nTwo.\\nThree.\"" : "\"One.\\n\"\n    \"Two.\\n\"\n    \"Three.\"";
        EXPECT_EQ(after[descriptions],
                  Replaced(Replaced(files.at(descriptions), oneTap, newTap), oneKick, newKick));
        if (layout == ProjectLayout::rubySapphire) {
            EXPECT_EQ(after["src/data/contest_moves.h"],
                      Replaced(files.at("src/data/contest_moves.h"), "CONTEST_CATEGORY_COOL}, // HUM",
                               "CONTEST_CATEGORY_TOUGH, 0, {COMBO_STARTER_TAP, COMBO_STARTER_HUM}}, // HUM"));
        } else if (layout == ProjectLayout::emerald) {
            EXPECT_EQ(
                after["src/data/contest_moves.h"],
                Replaced(files.at("src/data/contest_moves.h"), ".effect = CONTEST_EFFECT_NEW,\n    },\n};",
                         ".effect = CONTEST_EFFECT_NEW,\n        .contestCategory = CONTEST_CATEGORY_TOUGH,\n"
                         "        .comboMoves = {COMBO_STARTER_TAP, COMBO_STARTER_HUM},\n    },\n};"));
        }
        EXPECT_EQ(rewrites.size(), p.hasContest ? 3u : 2u);
    }
}

// What the project holds that cannot be read: refused with the file and line, nothing written.
TEST(OpenProject, RefusesWhatItCannotReadNamingTheFileAndLine) {
    const std::string records = "src/data/battle_moves.h", names = "src/data/text/move_names.h";
    struct Case {
        std::string file, from, to;
        std::string at;     // a text of the records file (or the names file) on the line named
        std::string reason; // the message after "file:line: ", or the whole message without a line
    } cases[] = {
        {records, "TYPE_FIRE", "TYPE_NOPE", "TYPE_NOPE", ".type = TYPE_NOPE: "},
        {"include/constants/pokemon.h", "#define TYPE_FIRE 10",
         "#define TYPE_FIRE (TYPE_HEAT)\n#define TYPE_HEAT TYPE_FIRE", "TYPE_FIRE", ".type = TYPE_FIRE: "},
        {records, ".power = 40,", ".power = 256,", ".power = 256", ".power = 256 is outside 0 to 255"},
        {records, ".priority = -1,", ".priority = -129,", ".priority = -129",
         ".priority = -129 is outside -128 to 127"},
        {records, ".power = 40,", ".power 40,", ".power 40", "= must follow the designator"},
        {records, ".power = 40,", ".split = 1,", ".split", ".split is no field this program reads"},
        {records, "[MOVE_HUM]", "[MOVES_COUNT]",
         "    [MOVES_COUNT] =", "gBattleMoves [MOVES_COUNT] is move 4, outside"},
        {names, "_(\"TAP\")", "_(\"TAPTAPTAPTAPT\")", "TAPTAP", "the name is 13 game characters long"},
        {names, "_(\"TAP\")", "_(\"T@P\")", "T@P", "charmap.txt has no code for"},
        {records, "", "", "", "the moves of this project are not in a layout this program knows"},
        {"Makefile", "", "", "", "no decompilation project"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reason);
        TempDir dir;
        Files files = Project(ProjectLayout::emerald);
        if (c.from.empty())
            files.erase(c.file);
        else
            files[c.file] = Replaced(files[c.file], c.from, c.to);
        Write(dir.path(), files);
        std::string expected = c.reason;
        if (!c.at.empty()) {
            const std::string& text = files[c.file == names ? names : records];
            const auto line = std::count(text.begin(), text.begin() + text.find(c.at), '\n') + 1;
            expected = (c.file == names ? names : records) + ":" + std::to_string(line) + ": " + c.reason;
        }
        try {
            OpenProject(dir.path());
            ADD_FAILURE() << "opened";
        } catch (const ProjectError& e) {
            EXPECT_NE(std::string(e.what()).find(expected), std::string::npos) << e.what();
        }
        EXPECT_EQ(Tree(dir.path()), files);
    }
}

// A change the project cannot take is refused naming the move and field.
TEST(PlanProjectChanges, RefusesAChangeTheProjectCannotTake) {
    TempDir dir;
    Write(dir.path(), Project(ProjectLayout::rubySapphire));
    const OpenedProject p = OpenProject(dir.path());
    const auto change = [&](int move, auto edit) {
        MoveChange c = ChangeOf(move);
        edit(c);
        return c;
    };
    const std::pair<MoveChange, const char*> cases[] = {
        {change(1, [](MoveChange& c) { c.name = "THIRTEENCHARS"; }),
         "move 1 (MOVE_TAP), name: \"THIRTEENCHARS\" has 13"},
        {change(1, [](MoveChange& c) { c.name = "TAP2"; }),
         "move 1 (MOVE_TAP), name: charmap.txt has no character"},
        {change(2,
                [&](MoveChange& c) {
                    c.contest = p.moves[2].contest;
                    c.contest->category = 5;
                }),
         "move 2 (MOVE_EMBER_KICK), contest category: 5 is outside 0 to 4"},
        {change(3,
                [&](MoveChange& c) {
                    c.bytes = p.moves[3].bytes;
                    (*c.bytes)[9] = 1;
                }),
         "move 3 (MOVE_HUM), record: bytes 9 to 11"},
        {change(4, [](MoveChange& c) { c.name = "X"; }), "move 4 is not in the project"},
    };
    for (const auto& [c, message] : cases) {
        try {
            PlanProjectChanges(p, std::span(&c, 1));
            ADD_FAILURE() << message;
        } catch (const ProjectError& e) {
            EXPECT_NE(std::string(e.what()).find(message), std::string::npos) << e.what();
        }
    }
}

// A save of two files: both written, nothing left beside them; a failure in staging or in the
// renames, or a file changed since it was read, leaves every file as it was.
TEST(WriteProjectFiles, WritesAllOrNothing) {
    enum class Fault { none, secondFile, secondCopy, changedOnDisk, copyLeftOver };
    for (Fault fault :
         {Fault::none, Fault::secondFile, Fault::secondCopy, Fault::changedOnDisk, Fault::copyLeftOver}) {
        SCOPED_TRACE(static_cast<int>(fault));
        TempDir dir;
        Files files = Project(ProjectLayout::fireRedLeafGreen);
        Write(dir.path(), files);
        const OpenedProject p = OpenProject(dir.path());
        MoveChange change = ChangeOf(1);
        change.name = "TAPS";
        change.bytes = p.moves[1].bytes;
        (*change.bytes)[1] = 41;
        const std::vector<FileRewrite> rewrites = PlanProjectChanges(p, std::span(&change, 1));
        ASSERT_EQ(rewrites.size(), 2u);
        const std::filesystem::path second = dir.path() / rewrites[1].file;
        if (fault == Fault::secondFile) files::InjectWriteFault(second, EIO);
        if (fault == Fault::secondCopy) files::InjectWriteFault(second.string() + ".skirmela-undo", EIO);
        if (fault == Fault::changedOnDisk) files[rewrites[1].file.generic_string()] += "\n";
        if (fault == Fault::copyLeftOver)
            files[rewrites[1].file.generic_string() + ".skirmela-undo"] = "left";
        Write(dir.path(), files);
        try {
            WriteProjectFiles(dir.path(), rewrites);
            EXPECT_EQ(fault, Fault::none);
            for (const FileRewrite& r : rewrites) files[r.file.generic_string()] = r.after;
        } catch (const std::runtime_error& e) {
            EXPECT_NE(fault, Fault::none) << e.what();
        }
        files::InjectWriteFault(second, 0);
        files::InjectWriteFault(second.string() + ".skirmela-undo", 0);
        EXPECT_EQ(Tree(dir.path()), files);
    }
}
