#include "app/EditorArguments.h"

#include "command_line/OptionScanner.h"

namespace app {

namespace {

EditorArguments UsageError(std::string error) {
    return {EditorAction::usageError, std::nullopt, std::move(error)};
}

} // namespace

EditorArguments ParseEditorArguments(const std::vector<std::string>& args) {
    EditorArguments result;
    command_line::OptionScanner scanner(args);
    while (const std::optional<command_line::Word> word = scanner.Next()) {
        if (word->AsksForHelp()) return {EditorAction::help, std::nullopt, {}};
        if (word->Is("--version")) return {EditorAction::version, std::nullopt, {}};
        if (word->option) return UsageError("unknown option " + word->text);
        if (word->text.empty()) return UsageError("the ROM path is empty");
        if (result.rom) return UsageError("one ROM at a time: " + *result.rom + " and " + word->text);
        result.rom = word->text;
    }
    return result;
}

std::string EditorUsageText() {
    return "usage: skirmela [ROM | PROJECT]\n"
           "       skirmela --help | --version\n"
           "\n"
           "Opens the window of Skirmela Professional, the editor of the move table of Game Boy Advance\n"
           "ROM images. Given ROM, the window opens it as if it were chosen with \"Load Rom...\".\n"
           "Given the folder of a decompilation project (or a file in it), the window opens the\n"
           "project's move table from its C files instead.\n"
           "\n"
           "  -h, --help  print this text\n"
           "  --version   print the program's version\n"
           "  --          what follows is the ROM, even when its name begins with \"-\"\n"
           "\n"
           "Profiles of one's own go to ~/.config/skirmela/profiles/ (or "
           "$XDG_CONFIG_HOME/skirmela/profiles/).\n"
           "Exit status: 0 done, 1 the command line cannot be understood.\n";
}

std::string EditorVersionText() {
    return std::string("skirmela ") + SKIRMELA_VERSION + "\n";
}

} // namespace app
