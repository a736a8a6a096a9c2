#include "project/CTokens.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace project;

namespace {

// "kind:text@line" for each token, kinds as one letter: identifier, number, string, character,
// punctuation, directive.
std::vector<std::string> Described(std::string_view source) {
    std::vector<std::string> out;
    for (const Token& t : Tokenize(source)) {
        const char kind = "inscpd"[static_cast<int>(t.kind)];
        out.push_back(std::string(1, kind) + ":" + std::string(t.text) + "@" + std::to_string(t.line));
        // a token is its bytes in the source, where its offset says
        EXPECT_EQ(source.substr(t.offset, t.text.size()), t.text) << source;
    }
    return out;
}

} // namespace

TEST(Tokenize, GivesEachTokenWithItsLineSkippingCommentsAndBlanks) {
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {"int a = 0x1Fu; // note\nb", {"i:int@1", "i:a@1", "p:=@1", "n:0x1Fu@1", "p:;@1", "i:b@2"}},
        {"/* one\n * two */ x /**/y", {"i:x@2", "i:y@2"}},
        {"x /* never closed\n y", {"i:x@1"}},
        {"x\\\ny", {"i:x@1", "i:y@2"}},
        {R"("a \"q\" // no" 'b' '\'' '\\')",
         {R"(s:"a \"q\" // no"@1)", "c:'b'@1", R"(c:'\''@1)", R"(c:'\\'@1)"}},
        {"a = \"open\nb", {"i:a@1", "p:=@1", "s:\"open@1", "i:b@2"}},
        {"L\"w\" u8\"x\" b # c", {"s:L\"w\"@1", "s:u8\"x\"@1", "i:b@1", "p:#@1", "i:c@1"}},
        {"a<<=b->c...1.5e+3-1",
         {"i:a@1", "p:<<=@1", "i:b@1", "p:->@1", "i:c@1", "p:...@1", "n:1.5e+3@1", "p:-@1", "n:1@1"}},
        {"[MOVE_A - 1] = {.flags = F_A | F_B,},",
         {"p:[@1", "i:MOVE_A@1", "p:-@1", "n:1@1", "p:]@1", "p:=@1", "p:{@1", "p:.@1", "i:flags@1", "p:=@1",
          "i:F_A@1", "p:|@1", "i:F_B@1", "p:,@1", "p:}@1", "p:,@1"}},
        // a directive runs over its continuations and ends before a comment or blanks after it
        {"#define X (1 << 2) \\\n  | 3 // c \\\n still c\nY", {"d:#define X (1 << 2) \\\n  | 3@1", "i:Y@4"}},
        {"  #if A /* x\n y */\n#endif", {"d:#if A@1", "d:#endif@3"}},
        {"/* c */ # define S \"a // b\" 'x'\nz", {"d:# define S \"a // b\" 'x'@1", "i:z@2"}},
        {"a\r\n#define B 1\r\nc", {"i:a@1", "d:#define B 1@2", "i:c@3"}},
        {"@ $", {"p:@@1", "p:$@1"}},
        {"\xEF\xBB\xBF#define A 1\nb", {"d:#define A 1@1", "i:b@2"}},
    };
    for (const auto& [source, expected] : cases) EXPECT_EQ(Described(source), expected) << source;
}

TEST(Tokenize, GivesByteOffsets) {
    const std::string source = "ab /* c */ \"d\\\"\"\n  #x\n9";
    std::vector<std::size_t> offsets;
    for (const Token& t : Tokenize(source)) offsets.push_back(t.offset);
    EXPECT_EQ(offsets, (std::vector<std::size_t>{0, 11, 19, 22}));
}
