#include "command_line/OptionScanner.h"

#include <gtest/gtest.h>

using command_line::OptionScanner;
using command_line::Word;

namespace {

std::string Shown(const Word& w) {
    if (!w.option) return "[" + w.text + "]";
    return "<" + w.name + (w.value ? "=" + *w.value : "") + ">";
}

// Every word left, each shown as [operand] or <option=value>.
std::string Rest(OptionScanner& scanner) {
    std::string shown;
    while (const std::optional<Word> w = scanner.Next()) shown += Shown(*w);
    return shown;
}

std::string Joined(const std::vector<std::string>& args) {
    std::string line;
    for (const std::string& a : args) line += "{" + a + "}";
    return line;
}

} // namespace

TEST(OptionScanner, TellsOptionsFromOperandsUntilTheDoubleDash) {
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{}, ""},
        {{"a", "", "-", "b=c"}, "[a][][-][b=c]"},
        {{"-h", "--csv", "-x=1", "--data=", "--data=a=b", "---", "-="},
         "<-h><--csv><-x=1><--data=><--data=a=b><---><-=>"},
        {{"--"}, ""},
        {{"a", "--", "--csv", "--", "-"}, "[a][--csv][--][-]"},
        {{"--=x"}, "<--=x>"},
    };
    for (const auto& [args, shown] : cases) {
        OptionScanner scanner(args);
        EXPECT_EQ(Rest(scanner), shown) << Joined(args);
    }
}

TEST(OptionScanner, TakesAValueAfterTheEqualsSignOrAsTheNextWord) {
    struct Case {
        std::vector<std::string> args; // the first is the option whose value is taken
        std::optional<std::string> value;
        const char* rest;
    };
    const Case cases[] = {
        {{"--data", "x", "y"}, "x", "[y]"},
        {{"--data=x", "y"}, "x", "[y]"},
        {{"--data=", "y"}, "", "[y]"},
        {{"--data", "", "y"}, "", "[y]"},
        {{"--data", "--csv", "y"}, "--csv", "[y]"},
        {{"--data", "--", "--csv"}, "--", "<--csv>"},
        {{"--data"}, std::nullopt, ""},
    };
    for (const Case& c : cases) {
        OptionScanner scanner(c.args);
        const std::optional<Word> option = scanner.Next();
        ASSERT_TRUE(option && option->Names("--data")) << Joined(c.args);
        EXPECT_EQ(scanner.ValueOf(*option), c.value) << Joined(c.args);
        EXPECT_EQ(Rest(scanner), c.rest) << Joined(c.args);
    }
}

TEST(OptionScanner, NamesAnOptionWithOrWithoutItsValueAndSpellsItExactly) {
    const struct {
        const char* text;
        bool isCsv, namesData, asksForHelp;
    } cases[] = {
        {"--csv", true, false, false},    {"--csv=1", false, false, false},  {"--data", false, true, false},
        {"--data=x", false, true, false}, {"--datax", false, false, false},  {"-h", false, false, true},
        {"--help", false, false, true},   {"--help=1", false, false, false}, {"-help", false, false, false},
    };
    for (const auto& c : cases) {
        OptionScanner scanner({c.text});
        const Word w = *scanner.Next();
        EXPECT_EQ(w.Is("--csv"), c.isCsv) << c.text;
        EXPECT_EQ(w.Names("--data"), c.namesData) << c.text;
        EXPECT_EQ(w.AsksForHelp(), c.asksForHelp) << c.text;
    }
    OptionScanner operands({"--", "--csv", "--data"});
    EXPECT_FALSE(operands.Next()->Is("--csv")) << "an operand is no option, however it is spelled";
    EXPECT_FALSE(operands.Next()->Names("--data"));
}
