#include "tools/skirmela_moves/CommandLine.h"

namespace moves {
namespace {

struct Parsed {
    std::vector<std::string> operands;
    bool csv = false, json = false, dryRun = false, help = false;
    std::optional<std::string> dataDir;
};

Parsed SplitOptions(const std::vector<std::string>& args) {
    Parsed p;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (optionsEnded || a == "-" || !a.starts_with("-")) {
            p.operands.push_back(a);
        } else if (a == "--") {
            optionsEnded = true;
        } else if (a == "--csv") {
            p.csv = true;
        } else if (a == "--json") {
            p.json = true;
        } else if (a == "--dry-run") {
            p.dryRun = true;
        } else if (a == "--help" || a == "-h") {
            p.help = true;
        } else if (a == "--data") {
            if (i + 1 >= args.size()) throw UsageError("--data needs a folder");
            p.dataDir = args[++i];
        } else if (a.starts_with("--data=")) {
            p.dataDir = a.substr(7);
        } else {
            throw UsageError("unknown option " + a);
        }
    }
    if (p.dataDir && p.dataDir->empty()) throw UsageError("--data needs a folder");
    return p;
}

Command CommandNamed(const std::string& name) {
    if (name == "list") return Command::list;
    if (name == "export") return Command::exportCsv;
    if (name == "import") return Command::importCsv;
    if (name == "set") return Command::set;
    if (name == "help") return Command::help;
    throw UsageError("unknown command \"" + name + "\"; the commands are list, export, import and set");
}

void NeedOperands(const Parsed& p, std::size_t count, const char* form) {
    if (p.operands.size() != count) throw UsageError(std::string("usage: skirmela-moves ") + form);
}

} // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
    const Parsed p = SplitOptions(args);
    CommandLine cl;
    if (p.help || p.operands.empty()) return cl;
    cl.command = CommandNamed(p.operands[0]);
    if (cl.command == Command::help) return cl;

    if (p.csv && p.json) throw UsageError("--csv and --json exclude each other");
    if ((p.csv || p.json) && cl.command != Command::list)
        throw UsageError("--csv and --json are options of list");
    if (p.dryRun && cl.command != Command::importCsv && cl.command != Command::set)
        throw UsageError("--dry-run is an option of import and set");
    cl.format = p.csv ? ListFormat::csv : p.json ? ListFormat::json : ListFormat::text;
    cl.dryRun = p.dryRun;
    if (p.dataDir) cl.dataDir = *p.dataDir;

    switch (cl.command) {
    case Command::list:
        NeedOperands(p, 2, "list ROM [--csv | --json]");
        break;
    case Command::exportCsv:
        NeedOperands(p, 3, "export ROM FILE.csv");
        break;
    case Command::importCsv:
        NeedOperands(p, 3, "import ROM FILE.csv [--dry-run]");
        break;
    case Command::set:
        if (p.operands.size() < 4)
            throw UsageError("usage: skirmela-moves set ROM MOVE field=value... [--dry-run]");
        break;
    case Command::help:
        break;
    }
    cl.rom = p.operands[1];
    if (cl.command == Command::exportCsv || cl.command == Command::importCsv) cl.file = p.operands[2];
    if (cl.command == Command::set) {
        cl.move = p.operands[2];
        for (std::size_t i = 3; i < p.operands.size(); ++i) {
            const std::string& a = p.operands[i];
            const std::size_t eq = a.find('=');
            if (eq == std::string::npos || eq == 0)
                throw UsageError("\"" + a + "\" is no field=value (for example power=90 or type=Fire)");
            cl.assignments.push_back({a.substr(0, eq), a.substr(eq + 1)});
        }
    }
    return cl;
}

std::string UsageText() {
    return "usage: skirmela-moves COMMAND ROM ... [--data DIR]\n"
           "\n"
           "  list ROM [--csv | --json]          one line a move: number, name, effect, power, type,\n"
           "                                     accuracy, PP, effect chance, target\n"
           "  export ROM FILE.csv                every move with every column; FILE - is standard output\n"
           "  import ROM FILE.csv [--dry-run]    check every cell, print the changes, write the changed "
           "bytes;\n"
           "                                     FILE - is standard input\n"
           "  set ROM MOVE field=value... [--dry-run]\n"
           "                                     the same for one move; fields: name, effect, power, type,\n"
           "                                     accuracy, pp, effect_chance, target\n"
           "\n"
           "  --data DIR   read the game profiles from DIR instead of the Data folder beside the program\n"
           "  --dry-run    print the changes and write nothing\n"
           "\n"
           "List fields (effect, type, target) take a number or the exact text of an entry.\n"
           "Exit status: 0 done, 1 bad input (nothing written), 2 a file could not be read or written.\n";
}

} // namespace moves
