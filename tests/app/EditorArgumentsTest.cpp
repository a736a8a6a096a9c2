#include "app/EditorArguments.h"

#include <gtest/gtest.h>

using namespace app;

TEST(ParseEditorArguments, ReadsAtMostOneRomAndTheTwoInformationOptions) {
    struct Case {
        std::vector<std::string> args;
        EditorAction action;
        std::optional<std::string> rom;
        std::string error; // a part of the message
    };
    const Case cases[] = {
        {{}, EditorAction::openWindow, std::nullopt, ""},
        {{"rom.gba"}, EditorAction::openWindow, "rom.gba", ""},
        {{"/a b/Ümlaut.gba"}, EditorAction::openWindow, "/a b/Ümlaut.gba", ""},
        {{"-"}, EditorAction::openWindow, "-", ""},
        {{"--", "-rom.gba"}, EditorAction::openWindow, "-rom.gba", ""},
        {{"--", "--help"}, EditorAction::openWindow, "--help", ""},
        {{"--help"}, EditorAction::help, std::nullopt, ""},
        {{"rom.gba", "-h"}, EditorAction::help, std::nullopt, ""},
        {{"--version", "--bogus"}, EditorAction::version, std::nullopt, ""},
        {{"--bogus", "--help"}, EditorAction::usageError, std::nullopt, "unknown option --bogus"},
        {{"-platform", "offscreen"}, EditorAction::usageError, std::nullopt, "unknown option -platform"},
        {{"--help=1"}, EditorAction::usageError, std::nullopt, "unknown option --help=1"},
        {{"a.gba", "b.gba"}, EditorAction::usageError, std::nullopt, "one ROM at a time: a.gba and b.gba"},
        {{"a.gba", "--", "b.gba"}, EditorAction::usageError, std::nullopt, "one ROM at a time"},
        {{""}, EditorAction::usageError, std::nullopt, "the ROM path is empty"},
    };
    for (const Case& c : cases) {
        std::string line;
        for (const std::string& arg : c.args) line += "[" + arg + "]";
        const EditorArguments parsed = ParseEditorArguments(c.args);
        EXPECT_EQ(parsed.action, c.action) << line;
        EXPECT_EQ(parsed.rom, c.rom) << line;
        if (c.error.empty())
            EXPECT_EQ(parsed.error, "") << line;
        else
            EXPECT_NE(parsed.error.find(c.error), std::string::npos) << line << ": " << parsed.error;
    }
}

TEST(ParseEditorArguments, ReadsEverySpellingInOrderAndSaysWhatIsWrongInTheseWords) {
    // The reading stops at the first word that decides: an information option or an error.
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{"-h"}, "help"},
        {{"--version", "--help"}, "version"},
        {{"--help", "a.gba", "b.gba"}, "help"},
        {{"--", "--"}, "rom --"},
        {{"--", ""}, "error the ROM path is empty"},
        {{"a.gba", "--", "--", "b"}, "error one ROM at a time: a.gba and --"},
        {{"a.gba", "b.gba", "--help"}, "error one ROM at a time: a.gba and b.gba"},
        {{"a.gba", ""}, "error the ROM path is empty"},
        {{"", "a.gba"}, "error the ROM path is empty"},
        {{"--bogus"}, "error unknown option --bogus"},
        {{"-h=1"}, "error unknown option -h=1"},
        {{"--version=1"}, "error unknown option --version=1"},
        {{"-x", "--", "a.gba"}, "error unknown option -x"},
        {{"a.gba", "---"}, "error unknown option ---"},
    };
    for (const auto& [args, expected] : cases) {
        std::string line;
        for (const std::string& arg : args) line += "[" + arg + "]";
        const EditorArguments parsed = ParseEditorArguments(args);
        std::string shown;
        switch (parsed.action) {
        case EditorAction::openWindow:
            shown = "rom " + parsed.rom.value_or("(none)");
            break;
        case EditorAction::help:
            shown = "help";
            break;
        case EditorAction::version:
            shown = "version";
            break;
        case EditorAction::usageError:
            shown = "error " + parsed.error;
            break;
        }
        EXPECT_EQ(shown, expected) << line;
    }
}
