#include "tools/skirmela_moves/CommandLine.h"

#include "command_line/OptionScanner.h"
#include "rom/OpenMoveTables.h"
#include "rom/Utf8.h"
#include "rom/WholeNumber.h"

namespace moves {
namespace {

struct Parsed {
    std::vector<std::string> operands;
    bool csv = false, json = false, dryRun = false, help = false, version = false, write = false,
         force = false, backup = false;
    std::optional<std::string> dataDir, undoFile, moveCount;
};

// Split into operands and options; each option word is checked here, whatever the command.
Parsed SplitOptions(const std::vector<std::string>& args) {
    Parsed p;
    command_line::OptionScanner scanner(args);
    // An option given a value takes a word that is not empty.
    const auto valueOf = [&scanner](const command_line::Word& option, const char* needs) {
        const std::optional<std::string> value = scanner.ValueOf(option);
        if (!value || value->empty()) throw UsageError(option.name + " needs " + needs);
        return value;
    };
    while (const std::optional<command_line::Word> w = scanner.Next()) {
        if (!w->option) {
            p.operands.push_back(w->text);
        } else if (w->Is("--csv")) {
            p.csv = true;
        } else if (w->Is("--json")) {
            p.json = true;
        } else if (w->Is("--dry-run")) {
            p.dryRun = true;
        } else if (w->Is("--backup")) {
            p.backup = true;
        } else if (w->Is("--write")) {
            p.write = true;
        } else if (w->Is("--force")) {
            p.force = true;
        } else if (w->Is("--version")) {
            p.version = true;
        } else if (w->AsksForHelp()) {
            p.help = true;
        } else if (w->Is("--in-place") || w->Names("--format")) {
            throw UsageError(w->name + " is an option of skirmela-moves patch, which comes first");
        } else if (w->Names("--data")) {
            p.dataDir = valueOf(*w, "a folder");
        } else if (w->Names("--undo")) {
            p.undoFile = valueOf(*w, "a file");
        } else if (w->Names("--moves")) {
            p.moveCount = valueOf(*w, "a number of moves");
        } else {
            throw UsageError("unknown option " + rom::ShowMalformedUtf8(w->text));
        }
    }
    return p;
}

Command CommandNamed(const std::string& name) {
    const std::pair<const char*, Command> commands[] = {
        {"list", Command::list}, {"export", Command::exportCsv}, {"import", Command::importCsv},
        {"set", Command::set},   {"diff", Command::diff},        {"profile", Command::profile},
        {"help", Command::help}, {"version", Command::version},  {"contest-effects", Command::contestEffects},
    };
    for (const auto& [n, command] : commands)
        if (name == n) return command;
    if (name == "patch") throw UsageError("patch comes first: skirmela-moves patch create|apply|info ...");
    throw UsageError("unknown command \"" + rom::ShowMalformedUtf8(name) +
                     "\"; the commands are list, export, import, set, diff, profile, contest-effects, patch, "
                     "help and version");
}

int MoveCountOf(const std::string& text) {
    const auto n = rom::ParseWholeNumber(text, rom::MaxMoveCount);
    if (!n || *n < 1)
        throw UsageError("--moves needs a number of moves 1 to " + std::to_string(rom::MaxMoveCount) +
                         ", not \"" + rom::ShowMalformedUtf8(text) + "\"");
    return static_cast<int>(*n);
}

// The move and field=value operands of set become cells of the ROM's table: a malformed byte must
// never be read as a character, so the operand is refused whole, its bad bytes shown as \xHH.
void NeedUtf8(const std::string& operand) {
    const std::optional<rom::MalformedUtf8> bad = rom::FindMalformedUtf8(operand);
    if (!bad) return;
    throw UsageError("the operand \"" + rom::ShowMalformedUtf8(operand) + "\" is not UTF-8 text (" +
                     rom::DescribeMalformedUtf8(operand, *bad) + "); nothing written");
}

void NeedOperands(const std::vector<std::string>& operands, std::size_t count, const char* form) {
    if (operands.size() != count) throw UsageError(std::string("usage: skirmela-moves ") + form);
}

// Each option is refused by the commands that do not take it, so a mistyped command line never
// does something else than was meant.
void CheckOptionsFit(const Parsed& p, Command c, EffectsAction action) {
    const bool readsTable = c != Command::help && c != Command::version;
    const bool effects = c == Command::contestEffects;
    const bool changes =
        c == Command::importCsv || c == Command::set || (effects && action != EffectsAction::list);
    const bool lists = c == Command::list || c == Command::diff || (effects && action == EffectsAction::list);
    if (p.csv && p.json) throw UsageError("--csv and --json exclude each other");
    if ((p.csv || p.json) && !lists)
        throw UsageError("--csv and --json are options of list, diff and contest-effects list");
    if (p.dryRun && !changes)
        throw UsageError("--dry-run is an option of import, set and contest-effects set|import");
    if (p.undoFile && !changes)
        throw UsageError("--undo is an option of import, set and contest-effects set|import");
    if (p.backup && !changes)
        throw UsageError("--backup is an option of import, set and contest-effects set|import");
    if (p.backup && p.dryRun)
        throw UsageError("--backup and --dry-run exclude each other: a dry run writes nothing");
    if (p.undoFile && p.dryRun)
        throw UsageError("--undo and --dry-run exclude each other: a dry run writes nothing");
    if (p.undoFile && *p.undoFile == "-") throw UsageError("--undo needs a file, not standard output");
    if ((p.write || p.force) && c != Command::profile)
        throw UsageError("--write and --force are options of profile");
    if (p.force && !p.write) throw UsageError("--force is an option of profile --write");
    if (p.moveCount && !readsTable) throw UsageError("--moves is an option of the commands that read a ROM");
}

} // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
    const Parsed p = SplitOptions(args);
    CommandLine cl;
    if (p.help) return cl;
    if (p.version) {
        cl.command = Command::version;
        return cl;
    }
    if (p.operands.empty()) throw UsageError("no command given");
    cl.command = CommandNamed(p.operands[0]);
    // contest-effects takes its action first; the operands after it are those of the action.
    std::vector<std::string> operands = p.operands;
    if (cl.command == Command::contestEffects) {
        const std::string action = operands.size() > 1 ? operands[1] : "";
        if (action == "list")
            cl.effectsAction = EffectsAction::list;
        else if (action == "set")
            cl.effectsAction = EffectsAction::set;
        else if (action == "import")
            cl.effectsAction = EffectsAction::importCsv;
        else
            throw UsageError("usage: skirmela-moves contest-effects list|set|import ROM ...");
        operands.erase(operands.begin() + 1);
    }
    CheckOptionsFit(p, cl.command, cl.effectsAction);
    if (cl.command == Command::help || cl.command == Command::version) {
        NeedOperands(operands, 1, cl.command == Command::help ? "help" : "version");
        return cl;
    }

    cl.format = p.csv ? ListFormat::csv : p.json ? ListFormat::json : ListFormat::text;
    cl.dryRun = p.dryRun;
    cl.write = p.write;
    cl.force = p.force;
    cl.backup = p.backup;
    if (p.undoFile) cl.undoFile = *p.undoFile;
    if (p.moveCount) cl.moveCount = MoveCountOf(*p.moveCount);
    if (p.dataDir) cl.dataDir = *p.dataDir;

    switch (cl.command) {
    case Command::list:
        NeedOperands(operands, 2, "list ROM [--csv | --json]");
        break;
    case Command::exportCsv:
        NeedOperands(operands, 3, "export ROM FILE.csv");
        break;
    case Command::importCsv:
        NeedOperands(operands, 3, "import ROM FILE.csv [--dry-run | [--undo UNDO.csv] [--backup]]");
        break;
    case Command::set:
        if (operands.size() < 4)
            throw UsageError("usage: skirmela-moves set ROM MOVE field=value... [--dry-run | [--undo "
                             "UNDO.csv] [--backup]]");
        break;
    case Command::diff:
        NeedOperands(operands, 3, "diff ROM_A ROM_B [--csv | --json]");
        break;
    case Command::profile:
        NeedOperands(operands, 2, "profile ROM [--write [--force]]");
        break;
    case Command::contestEffects:
        if (cl.effectsAction == EffectsAction::list)
            NeedOperands(operands, 2, "contest-effects list ROM [--csv | --json]");
        else if (cl.effectsAction == EffectsAction::importCsv)
            NeedOperands(operands, 3,
                         "contest-effects import ROM FILE.csv [--dry-run | [--undo UNDO.csv] [--backup]]");
        else if (operands.size() < 4)
            throw UsageError(
                "usage: skirmela-moves contest-effects set ROM EFFECT field=value... [--dry-run | "
                "[--undo UNDO.csv] [--backup]]");
        break;
    case Command::help:
    case Command::version:
        break;
    }
    cl.rom = operands[1];
    const bool effectsImport =
        cl.command == Command::contestEffects && cl.effectsAction == EffectsAction::importCsv;
    if (cl.command == Command::exportCsv || cl.command == Command::importCsv || effectsImport)
        cl.file = operands[2];
    if (cl.command == Command::diff) cl.otherRom = operands[2];
    if (cl.command == Command::set ||
        (cl.command == Command::contestEffects && cl.effectsAction == EffectsAction::set)) {
        NeedUtf8(operands[2]);
        cl.move = operands[2];
        for (std::size_t i = 3; i < operands.size(); ++i) {
            const std::string& a = operands[i];
            NeedUtf8(a);
            const std::size_t eq = a.find('=');
            if (eq == std::string::npos || eq == 0)
                throw UsageError("\"" + a + "\" is no field=value (for example power=90 or type=Fire)");
            cl.assignments.push_back({a.substr(0, eq), a.substr(eq + 1)});
        }
    }
    return cl;
}

std::string UsageText() {
    return "usage: skirmela-moves COMMAND ROM ... [--data DIR] [--moves N]\n"
           "\n"
           "  list ROM [--csv | --json]          one line a move: number, name, effect, power, type,\n"
           "                                     accuracy, PP, effect chance, target, priority, padding,\n"
           "                                     flags, the contest fields (a ROM with contest data),\n"
           "                                     description\n"
           "  export ROM FILE.csv                every move with every column; FILE - is standard output\n"
           "  import ROM FILE.csv [--dry-run | [--undo UNDO.csv] [--backup]]\n"
           "                                     check every cell, print the changes, write the changed\n"
           "                                     bytes; FILE - is standard input\n"
           "  set ROM MOVE field=value... [--dry-run | [--undo UNDO.csv] [--backup]]\n"
           "                                     the same for one move; fields: name, effect, power, type,\n"
           "                                     accuracy, pp, effect_chance, target, priority, flags,\n"
           "                                     description (a line break ends a line); with contest\n"
           "                                     data contest_category, contest_effect, combo_starter,\n"
           "                                     combo_moves\n"
           "  diff ROM_A ROM_B [--csv | --json]  every field of every move that differs, old and new\n"
           "  profile ROM [--write [--force]]    the profile that fits the ROM, from its header's table\n"
           "                                     words\n"
           "  contest-effects list ROM [--csv | --json]\n"
           "                                     the 48 contest effects: type, appeal, jam, text\n"
           "  contest-effects set ROM EFFECT field=value... [--dry-run | [--undo UNDO.csv] [--backup]]\n"
           "                                     change an effect's type, appeal or jam; every move that\n"
           "                                     uses it changes with it\n"
           "  contest-effects import ROM FILE.csv [--dry-run | [--undo UNDO.csv] [--backup]]\n"
           "                                     the same for a table of effects (an undo table of set)\n"
           "  patch create ORIGINAL MODIFIED OUT [--format ips|ups|bps]\n"
           "                                     write the patch that turns ORIGINAL into MODIFIED; the\n"
           "                                     format by OUT's extension unless --format is given\n"
           "  patch apply ROM PATCH OUT [--in-place]\n"
           "                                     write ROM with PATCH applied to OUT (UPS and BPS: the\n"
           "                                     CRC32s of ROM, result and patch checked); never over ROM\n"
           "                                     unless OUT is ROM and --in-place is given\n"
           "  patch info PATCH                   format, sizes, CRC32s and the ranges the patch changes\n"
           "  help                               this text\n"
           "  version                            the program's version\n"
           "\n"
           "  --data DIR       read (and with profile --write, write) the game profiles in DIR instead of\n"
           "                   the Data folder beside the program\n"
           "  --moves N        the move table holds moves 0 to N-1 (default 355, at most 2731)\n"
           "  --dry-run        print the changes and write nothing\n"
           "  --undo UNDO.csv  before the ROM changes, write a table that import takes to undo the changes\n"
           "  --backup         before the ROM changes, copy it into $XDG_STATE_HOME/skirmela/backups\n"
           "                   (default ~/.local/state/skirmela/backups; the newest 20 of a ROM's name "
           "kept)\n"
           "  --write          add the profile's sections to the game's profile file\n"
           "  --force          with --write, replace offsets that differ\n"
           "  --csv, --json    print comma-separated values or JSON\n"
           "  --format F       patch create: write an IPS, UPS or BPS patch (F is ips, ups or bps)\n"
           "  --in-place       patch apply: write the patched ROM over ROM, given as OUT too\n"
           "  --version        print the program's version\n"
           "  -h, --help       print this text\n"
           "\n"
           "List fields (effect, type, target) take a number or the exact text of an entry; priority is\n"
           "a number from -128 to 127; flags are names joined with \"|\" (contact, protect, magic_coat,\n"
           "snatch, mirror_move, kings_rock, bit6, bit7; none alone) or a number 0 to 255.\n"
           "Contest fields: contest_category 0 to 4 or Cool, Beauty, Cute, Smart, Tough; contest_effect\n"
           "0 to 47 or the game's text for it; combo_starter the id the move holds (0 none) or a move's\n"
           "name; combo_moves four ids joined with \"|\", each an id or a move's name. Their text columns\n"
           "(contest_category_text, contest_effect_text, combo_moves_text: for each id the names of the\n"
           "moves holding it joined with \"/\") are read like them where they change. A move past the\n"
           "contest table (355 moves) has empty contest cells.\n"
           "A decompilation project's folder (or a file inside one; a .gba file is always a ROM) stands\n"
           "for ROM in list, export, import, set and diff: values show the project's symbols where they\n"
           "are not the released games', take them as input too, and a change rewrites only the tokens\n"
           "of the values that change, every file or none; --undo then writes values and texts, --backup\n"
           "copies each file rewritten. profile, contest-effects and patch take ROMs only.\n"
           "Exit status: 0 done, 1 bad input (nothing written), 2 a file could not be read or written or\n"
           "the profile does not fit the ROM.\n"
           "\n"
           "Backups:\n"
           "    skirmela-moves set rom.gba 13 power=90 --backup\n"
           "\n"
           "Patches:\n"
           "    skirmela-moves patch create release.gba work.gba work.bps\n"
           "    skirmela-moves patch apply release.gba work.bps patched.gba\n"
           "    skirmela-moves patch info work.bps\n";
}

std::string VersionText() {
    return std::string("skirmela-moves ") + SKIRMELA_VERSION + "\n";
}

} // namespace moves
