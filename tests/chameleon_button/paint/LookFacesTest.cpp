// Whole faces of the looks in every state, in the fixed grey palette: the face as drawn up, under
// the pointer, pressed, pressed under the pointer, disabled, focused, as the container's default and
// checked. The focused faces are the plain ones with the dotted outline on InnerRect.

#include "ButtonFace.h"

#include <gtest/gtest.h>
#include <set>
#include <vector>

namespace {

// What the focus outline turns each grey letter into where it inverts: white and black swap, the
// face becomes 'i'.
const std::map<char, char> Inverted = {{'.', 'i'}, {'h', 'k'}, {'k', 'h'}, {'p', 'P'}};

Legend FaceLegend() {
    Legend l = GreyLetters;
    l['i'] = 0x003F3F3F;         // the face inverted
    l['p'] = 0x00BF8080;         // HoverBox pressed: the selection colour lightened by 128
    l['P'] = 0x00407F7F;         // the same inverted
    l['L'] = 0x00E7E7E7;         // LightBevel's light colour raised by 8
    l['1'] = 0x00707070;         // shadow - 16
    l['3'] = 0x00606060;         // shadow - 32
    l['6'] = 0x00404040;         // shadow - 64
    l['c'] = 0x00CCCCCC;         // face + 12
    l['d'] = 0x00666666;         // shadow - 26
    l['e'] = 0x009A9A9A;         // shadow + 26
    l['f'] = 0x00909090;         // shadow + 16
    l['o'] = 0x00A0A0A0;         // face - 32
    l['x'] = Rgb(153, 153, 204); // FlatEdge's caption box
    return l;
}

struct LookCase {
    std::int32_t type;
    std::string up, over, down, downOver, disabled; // over and downOver empty: as up and down
    bool focusUp, focusDown;                        // where the type draws its focus outline
};

const Shown FocusedDisabled{"focused disabled", false, false, false, true};

TEST(LookFaces, EveryStateOfEveryLookOnAThirteenByElevenFace) {
    const std::string blank = Rows({".............", ".............", ".............", ".............",
                                    ".............", ".............", ".............", ".............",
                                    ".............", ".............", "............."});
    const std::string raisedOutline = Rows(
        {".kkkkkkkkkkk.", "khhhhhhhhhhsk", "khhhhhhhhhssk", "khh.......ssk", "khh.......ssk", "khh.......ssk",
         "khh.......ssk", "khh.......ssk", "khssssssssssk", "ksssssssssssk", ".kkkkkkkkkkk."});
    const std::string sunkenOutline = Rows(
        {".kkkkkkkkkkk.", "ksssssssssshk", "kssssssssshhk", "kss.......hhk", "kss.......hhk", "kss.......hhk",
         "kss.......hhk", "kss.......hhk", "kshhhhhhhhhhk", "khhhhhhhhhhhk", ".kkkkkkkkkkk."});
    const std::string rounded = Rows({"..kkkkkkkkk..", ".k.lllllll.k.", "k.hhhhhhhh.sk", "klhhllllll.sk",
                                      "klhlllllll.sk", "klhlllllll.sk", "klhlllllll.sk", "klhllllll..sk",
                                      "k.........ssk", ".ksssssssssk.", "..kkkkkkkkk.."});
    const std::string roundedPressed = Rows(
        {"..kkkkkkkkk..", ".k66666666sk.", "k663333333s3k", "k633111111s1k", "k631111111s1k", "k631111111s1k",
         "k631111111s1k", "k63111111ss1k", "kssssssssss3k", ".k311111113k.", "..kkkkkkkkk.."});
    const std::string raisedLight = Rows({"LLLLLLLLLLLLs", "LLLLLLLLLLLss", "LL.........ss", "LL.........ss",
                                          "LL.........ss", "LL.........ss", "LL.........ss", "LL.........ss",
                                          "LL.........ss", "Lssssssssssss", "sssssssssssss"});
    const std::string sunkenLight = Rows({"ssssssssssssL", "sssssssssssLL", "ss.........LL", "ss.........LL",
                                          "ss.........LL", "ss.........LL", "ss.........LL", "ss.........LL",
                                          "ss.........LL", "sLLLLLLLLLLLL", "LLLLLLLLLLLLL"});
    const std::string raisedThin = Rows({"hhhhhhhhhhhhs", "h...........s", "h...........s", "h...........s",
                                         "h...........s", "h...........s", "h...........s", "h...........s",
                                         "h...........s", "h...........s", "sssssssssssss"});
    const std::string sunkenThin = Rows({"ssssssssssssh", "s...........h", "s...........h", "s...........h",
                                         "s...........h", "s...........h", "s...........h", "s...........h",
                                         "s...........h", "s...........h", "hhhhhhhhhhhhh"});
    const std::string tinted = Rows({"bbbbbbbbbbbbb", "btttttttttttb", "btttttttttttb", "btttttttttttb",
                                     "btttttttttttb", "btttttttttttb", "btttttttttttb", "btttttttttttb",
                                     "btttttttttttb", "btttttttttttb", "bbbbbbbbbbbbb"});
    const std::string selectionFrame = Rows(
        {"bbbbbbbbbbbbb", "b...........b", "b...........b", "b...........b", "b...........b", "b...........b",
         "b...........b", "b...........b", "b...........b", "b...........b", "bbbbbbbbbbbbb"});
    const std::string pressedTint = Rows({"bbbbbbbbbbbbb", "bpppppppppppb", "bpppppppppppb", "bpppppppppppb",
                                          "bpppppppppppb", "bpppppppppppb", "bpppppppppppb", "bpppppppppppb",
                                          "bpppppppppppb", "bpppppppppppb", "bbbbbbbbbbbbb"});
    const std::string raisedDouble = Rows({"hhhhhhhhhhhhk", "hllllllllllsk", "hl.........sk", "hl.........sk",
                                           "hl.........sk", "hl.........sk", "hl.........sk", "hl.........sk",
                                           "hl.........sk", "hsssssssssssk", "kkkkkkkkkkkkk"});
    const std::string sunkenDouble = Rows({"kkkkkkkkkkkkh", "ksssssssssslh", "ks.........lh", "ks.........lh",
                                           "ks.........lh", "ks.........lh", "ks.........lh", "ks.........lh",
                                           "ks.........lh", "klllllllllllh", "hhhhhhhhhhhhh"});
    const std::string ovalOutline = Rows({"....sssss....", "..sssssssss..", ".sss.....sss.", "sss.......sss",
                                          "ss.........ss", "ss.........ss", "ss.........ss", "sss.......sss",
                                          ".sss.....sss.", "..sssssssss..", "....sssss...."});
    const std::string ovalPressed = Rows({"....kkkkk....", "..kkkkkkkkk..", ".kkkoooookkk.", "kkkoooooookkk",
                                          "kkoooooooookk", "kkoooooooookk", "kkoooooooookk", "kkkoooooookkk",
                                          ".kkkoooookkk.", "..kkkkkkkkk..", "....kkkkk...."});
    const std::string pressedOutline = Rows(
        {"kkkkkkkkkkkkk", "ksssssssssshk", "kssssssssshhk", "kss.......hhk", "kss.......hhk", "kss.......hhk",
         "kss.......hhk", "kss.......hhk", "kshhhhhhhhhhk", "khhhhhhhhhhhk", "kkkkkkkkkkkkk"});
    const LookCase cases[] = {
        {0, blank, "", blank, "", blank, false, false},
        {1, raisedOutline, "", sunkenOutline, "", raisedOutline, true, true},
        {4, rounded, "", roundedPressed, "", rounded, false, false},
        {6, raisedLight, "", sunkenLight, "", raisedLight, true, true},
        {7, raisedThin, "", sunkenThin, "", raisedThin, true, true},
        {8, blank, raisedThin, sunkenThin, "", blank, true, true},
        {9, blank, tinted, selectionFrame, pressedTint, blank, true, true},
        {10, blank, "", blank, "", blank, false, false},
        {11, blank, "", blank, "", blank, true, true}, // nothing captured: the plain face
        {12, blank, raisedDouble, sunkenDouble, "", blank, true, true},
        {13, blank, ovalOutline, ovalPressed, "", blank, false, false},
        {15, blank, "", pressedOutline, "", blank, false, true},
    };
    const Legend legend = FaceLegend();
    for (const LookCase& c : cases) {
        TestAmbient ambient;
        auto b = GreyButton(c.type, 13, 11, &ambient);
        const ButtonRect inner = b->InnerRect;
        const std::string over = c.over.empty() ? c.up : c.over;
        const std::string downOver = c.downOver.empty() ? c.down : c.downOver;
        const std::pair<Shown, std::string> expected[] = {
            {shown::Up, c.up},
            {shown::Over, over},
            {shown::Down, c.down},
            {shown::DownOver, downOver},
            {shown::Disabled, c.disabled},
            {FocusedDisabled, c.disabled}, // no look marks the focus while disabled
            {shown::Focused, c.focusUp ? WithFocus(c.up, inner, Inverted) : c.up},
            {shown::FocusedDown, c.focusDown ? WithFocus(c.down, inner, Inverted) : c.down},
            {shown::Default, c.up},
            {shown::DefaultDown, c.down},
            {shown::Checked, c.down},
        };
        for (const auto& [state, face] : expected) {
            const std::string painted = FaceIn(*b, ambient, state, legend);
            EXPECT_EQ(painted, face) << "type " << c.type << " " << state.name << ": "
                                     << AsRowsSource(painted);
        }
    }
}

} // namespace

bool ColoursDistinct(const Legend& legend) {
    std::set<Colour> seen;
    for (const auto& [letter, colour] : legend)
        if (!seen.insert(colour).second) return false;
    return true;
}

void Paints(std::int32_t type, int w, int h, const Legend& legend,
            std::initializer_list<std::pair<Shown, std::string>> faces, bool showFocusRect = true) {
    ASSERT_TRUE(ColoursDistinct(legend));
    for (const auto& [state, face] : faces) {
        TestAmbient ambient;
        auto b = GreyButton(type, w, h, &ambient);
        b->ResolvePalette(); // the bright face of the type
        b->ShowFocusRect = ToVBool(showFocusRect);
        const std::string painted = FaceIn(*b, ambient, state, legend);
        EXPECT_EQ(painted, face) << "type " << type << " " << w << " x " << h << " " << state.name << ": "
                                 << AsRowsSource(painted);
    }
}

const Shown FocusedDefault{"focused default", false, false, true, true, true};
const Shown FocusedDefaultDown{"focused default down", false, true, true, true, true};

TEST(LookFaces, DoubleBevelAsDefaultAndFocused) {
    Paints(2, 13, 11, FaceLegend(),
           {{shown::Up, Rows({"hhhhhhhhhhhhk", "hllllllllllsk", "hl.........sk", "hl.........sk",
                              "hl.........sk", "hl.........sk", "hl.........sk", "hl.........sk",
                              "hl.........sk", "hsssssssssssk", "kkkkkkkkkkkkk"})},
            {shown::Focused, Rows({"hhhhhhhhhhhhk", "hllllllllllsk", "hl.........sk", "hl.........sk",
                                   "hl.........sk", "hl.........sk", "hl.........sk", "hl.........sk",
                                   "hl.........sk", "hsssssssssssk", "kkkkkkkkkkkkk"})},
            {shown::Default, Rows({"kkkkkkkkkkkkk", "khhhhhhhhhhkk", "khllllllllskk", "khl.......skk",
                                   "khl.......skk", "khl.......skk", "khl.......skk", "khl.......skk",
                                   "khssssssssskk", "kkkkkkkkkkkkk", "kkkkkkkkkkkkk"})},
            {FocusedDefault, Rows({"kkkkkkkkkkkkk", "khhhhhhhhhhkk", "khllllllllskk", "khl.......skk",
                                   "khl.i.i.i.skk", "khl.......skk", "khl.i.i.i.skk", "khl.......skk",
                                   "khssssssssskk", "kkkkkkkkkkkkk", "kkkkkkkkkkkkk"})},
            {shown::Down, Rows({"kkkkkkkkkkkkh", "ksssssssssslh", "ks.........lh", "ks.........lh",
                                "ks.........lh", "ks.........lh", "ks.........lh", "ks.........lh",
                                "ks.........lh", "klllllllllllh", "hhhhhhhhhhhhh"})},
            {shown::DefaultDown, Rows({"kkkkkkkkkkkkk", "ksssssssssssk", "ks.........sk", "ks.........sk",
                                       "ks.........sk", "ks.........sk", "ks.........sk", "ks.........sk",
                                       "ks.........sk", "ksssssssssssk", "kkkkkkkkkkkkk"})},
            {FocusedDefaultDown, Rows({"kkkkkkkkkkkkk", "ksssssssssssk", "ks.........sk", "ks.........sk",
                                       "ks..i.i.i..sk", "ks.........sk", "ks..i.i.i..sk", "ks.........sk",
                                       "ks.........sk", "ksssssssssssk", "kkkkkkkkkkkkk"})},
            {shown::Disabled, Rows({"hhhhhhhhhhhhk", "hllllllllllsk", "hl.........sk", "hl.........sk",
                                    "hl.........sk", "hl.........sk", "hl.........sk", "hl.........sk",
                                    "hl.........sk", "hsssssssssssk", "kkkkkkkkkkkkk"})}});
}

TEST(LookFaces, FlatEdgeBoxesTheFocusedCaption) {
    Paints(5, 13, 11, FaceLegend(),
           {{shown::Up, Rows({"dddddddddddd.", "dhhhhhhhhhheh", "dhcccccccccdh", "dhcccccccccdh",
                              "dhcccccccccdh", "dhcccccccccdh", "dhcccccccccdh", "dhcccccccccdh",
                              "dhcccccccccdh", "deddddddddddh", ".hhhhhhhhhhhh"})},
            {shown::Focused, Rows({"dddddddddddd.", "dhhhhhhhhhheh", "dhcccccccccdh", "dhcccccccccdh",
                                   "dhcccccccccdh", "dhcccxxxxccdh", "dhcccxxxxccdh", "dhcccccccccdh",
                                   "dhcccccccccdh", "deddddddddddh", ".hhhhhhhhhhhh"})},
            {shown::Down, Rows({"dddddddddddd.", "dffffffffffdh", "dffffffffffdh", "dffffffffffdh",
                                "dffffffffffdh", "dffffffffffdh", "dffffffffffdh", "dffffffffffdh",
                                "dffffffffffdh", "ddddddddddddh", ".hhhhhhhhhhhh"})},
            {shown::FocusedDown, Rows({"dddddddddddd.", "dffffffffffdh", "dffffffffffdh", "dffffffffffdh",
                                       "dffffffffffdh", "dffffxxxxffdh", "dffffxxxxffdh", "dffffffffffdh",
                                       "dffffffffffdh", "ddddddddddddh", ".hhhhhhhhhhhh"})},
            {shown::Disabled, Rows({"ssssssssssss.", "s...........s", "s...........s", "s...........s",
                                    "s...........s", "s...........s", "s...........s", "s...........s",
                                    "s...........s", "s...........s", ".ssssssssssss"})}});
}

// GradientRim: the up shades of the bright face are 'A' + n for n darker, the pressed ones 'a' + n
// from the pressed base (the bright face darkened by 32).
Legend RimLegend() {
    const Colour bright = 0x00F0F0F0;
    const auto offB = [](Colour c, int n) { return OffsetColor(c, n, true, false); };
    const Colour base = offB(bright, -32);
    Legend l = {{'.', grey::Face}, {'#', Rgb(0, 60, 115)}, {'+', Rgb(16, 77, 123)}};
    for (int n = 0; n <= 25; ++n) l[static_cast<char>('A' + n)] = offB(bright, -n);
    for (int n = 0; n <= 25; ++n) l[static_cast<char>('a' + n)] = offB(base, -n);
    const std::pair<char, Colour> rings[] = {
        {'@', Rgb(255, 178, 49)},  {'$', Rgb(231, 150, 0)},   {'*', Rgb(255, 243, 206)},
        {'&', Rgb(255, 219, 140)}, {':', Rgb(255, 203, 107)}, {'=', Rgb(140, 174, 231)},
        {'_', Rgb(107, 130, 239)}, {'~', Rgb(206, 231, 255)}, {'-', Rgb(189, 215, 247)},
        {'|', Rgb(181, 209, 240)}, {'4', offB(bright, -48)},  {'6', offB(bright, -36)},
        {'1', offB(bright, 16)},   {'0', offB(bright, 10)},   {'!', offB(base, 16)},
        {'%', offB(base, 10)},     {'^', offB(base, 5)},      {'<', offB(base, -32)},
        {'8', offB(bright, -84)},  {'7', offB(bright, -72)}};
    for (const auto& [letter, colour] : rings) l[letter] = colour;
    return l;
}

TEST(LookFaces, GradientRimInEveryStateWhereSinglePrecisionDecidesRowEleven) {
    Paints(3, 8, 22, RimLegend(),
           {{shown::Up, Rows({"..####..", ".+1111+.", "#F00006#", "#FKDDY6#", "#FKFFY6#", "#FKGGY6#",
                              "#FKHHY6#", "#FKIIY6#", "#FKJJY6#", "#FKKKY6#", "#FKLLY6#", "#FKMMY6#",
                              "#FKOOY6#", "#FKPPY6#", "#FKQQY6#", "#FKRRY6#", "#FKSSY6#", "#FKTTY6#",
                              "#FKUUY6#", "#Faaaa6#", ".+4444+.", "..####.."})},
            {shown::Over, Rows({"..####..", ".+****+.", "#&&&&&&#", "#@:DD:@#", "#@:FF:@#", "#@:GG:@#",
                                "#@:HH:@#", "#@:II:@#", "#@:JJ:@#", "#@:KK:@#", "#@:LL:@#", "#@:MM:@#",
                                "#@:OO:@#", "#@:PP:@#", "#@:QQ:@#", "#@:RR:@#", "#@:SS:@#", "#@:TT:@#",
                                "#@:UU:@#", "#@@@@@@#", ".+$$$$+.", "..####.."})},
            {shown::Focused, Rows({"..####..", ".+~~~~+.", "#------#", "#=|DD|=#", "#=|FF|=#", "#=|GG|=#",
                                   "#=|HH|=#", "#=|II|=#", "#=|JJ|=#", "#=|KK|=#", "#=|LL|=#", "#=|MM|=#",
                                   "#=|OO|=#", "#=|PP|=#", "#=|QQ|=#", "#=|RR|=#", "#=|SS|=#", "#=|TT|=#",
                                   "#=|UU|=#", "#======#", ".+____+.", "..####.."})},
            {shown::Default, Rows({"..####..", ".+~~~~+.", "#------#", "#=|DD|=#", "#=|FF|=#", "#=|GG|=#",
                                   "#=|HH|=#", "#=|II|=#", "#=|JJ|=#", "#=|KK|=#", "#=|LL|=#", "#=|MM|=#",
                                   "#=|OO|=#", "#=|PP|=#", "#=|QQ|=#", "#=|RR|=#", "#=|SS|=#", "#=|TT|=#",
                                   "#=|UU|=#", "#======#", ".+____+.", "..####.."})},
            {shown::Down, Rows({"..####..", ".+<<<<+.", "#<wyyy^#", "#<wwwA^#", "#<wuuA^#", "#<wttA^#",
                                "#<wssA^#", "#<wrrA^#", "#<wqqA^#", "#<wppA^#", "#<wooA^#", "#<wmmA^#",
                                "#<wllA^#", "#<wkkA^#", "#<wjjA^#", "#<wiiA^#", "#<whhA^#", "#<wggA^#",
                                "#<wffA^#", "#<w%%%^#", ".+!!!!+.", "..####.."})},
            {shown::DownOver, Rows({"..####..", ".+<<<<+.", "#<wyyy^#", "#<wwwA^#", "#<wuuA^#", "#<wttA^#",
                                    "#<wssA^#", "#<wrrA^#", "#<wqqA^#", "#<wppA^#", "#<wooA^#", "#<wmmA^#",
                                    "#<wllA^#", "#<wkkA^#", "#<wjjA^#", "#<wiiA^#", "#<whhA^#", "#<wggA^#",
                                    "#<wffA^#", "#<w%%%^#", ".+!!!!+.", "..####.."})},
            {shown::Checked, Rows({"..####..", ".+<<<<+.", "#<wyyy^#", "#<wwwA^#", "#<wuuA^#", "#<wttA^#",
                                   "#<wssA^#", "#<wrrA^#", "#<wqqA^#", "#<wppA^#", "#<wooA^#", "#<wmmA^#",
                                   "#<wllA^#", "#<wkkA^#", "#<wjjA^#", "#<wiiA^#", "#<whhA^#", "#<wggA^#",
                                   "#<wffA^#", "#<w%%%^#", ".+!!!!+.", "..####.."})},
            {shown::Disabled, Rows({"..8888..", ".7YYYY7.", "8YYYYYY8", "8YYYYYY8", "8YYYYYY8", "8YYYYYY8",
                                    "8YYYYYY8", "8YYYYYY8", "8YYYYYY8", "8YYYYYY8", "8YYYYYY8", "8YYYYYY8",
                                    "8YYYYYY8", "8YYYYYY8", "8YYYYYY8", "8YYYYYY8", "8YYYYYY8", "8YYYYYY8",
                                    "8YYYYYY8", "8YYYYYY8", ".7YYYY7.", "..8888.."})}});
    Paints(3, 8, 22, RimLegend(),
           {{shown::Focused, Rows({"..####..", ".+1111+.", "#F00006#", "#FKDDY6#", "#FKFFY6#", "#FKGGY6#",
                                   "#FKHHY6#", "#FKIIY6#", "#FKJJY6#", "#FKKKY6#", "#FKLLY6#", "#FKMMY6#",
                                   "#FKOOY6#", "#FKPPY6#", "#FKQQY6#", "#FKRRY6#", "#FKSSY6#", "#FKTTY6#",
                                   "#FKUUY6#", "#Faaaa6#", ".+4444+.", "..####.."})},
            {shown::Default, Rows({"..####..", ".+1111+.", "#F00006#", "#FKDDY6#", "#FKFFY6#", "#FKGGY6#",
                                   "#FKHHY6#", "#FKIIY6#", "#FKJJY6#", "#FKKKY6#", "#FKLLY6#", "#FKMMY6#",
                                   "#FKOOY6#", "#FKPPY6#", "#FKQQY6#", "#FKRRY6#", "#FKSSY6#", "#FKTTY6#",
                                   "#FKUUY6#", "#Faaaa6#", ".+4444+.", "..####.."})}},
           false);
}

TEST(LookFaces, GradientRimOnAShortFace) {
    Paints(3, 12, 7, RimLegend(),
           {{shown::Up, Rows({"..########..", ".+11111111+.", "#F000000006#", "#FKLLLLLLY6#", "#Faaaaaaaa6#",
                              ".+44444444+.", "..########.."})},
            {shown::Over, Rows({"..########..", ".+********+.", "#&&&&&&&&&&#", "#@:LLLLLL:@#",
                                "#@@@@@@@@@@#", ".+$$$$$$$$+.", "..########.."})},
            {shown::Focused, Rows({"..########..", ".+~~~~~~~~+.", "#----------#", "#=|LLLLLL|=#",
                                   "#==========#", ".+________+.", "..########.."})},
            {shown::Down, Rows({"..########..", ".+<<<<<<<<+.", "#<wyyyyyyy^#", "#<wooooooA^#",
                                "#<w%%%%%%%^#", ".+!!!!!!!!+.", "..########.."})},
            {shown::Disabled, Rows({"..88888888..", ".7YYYYYYYY7.", "8YYYYYYYYYY8", "8YYYYYYYYYY8",
                                    "8YYYYYYYYYY8", ".7YYYYYYYY7.", "..88888888.."})}});
}

// GlossGradient: the rows of the highlight darkened by the amounts of a 20-row face, where single
// precision gives row 5 the amount 15 (double precision would give 14); lower case is the same
// colour inverted by the focus outline. Row 11's amount, 32, gives the light colour '4'.
Legend GlossLegend() {
    Legend l = {{'.', grey::Face},
                {'+', grey::Highlight},
                {'4', grey::Light},
                {'1', 0x004E4E4E},
                {'2', 0x00B7B7B7},
                {'3', 0x00505050},
                {'#', 0x00DFDFDF ^ 0xFFFFFF},
                {'$', 0x00B7B7B7 ^ 0xFFFFFF}}; // outline, inner frame, pressed outline
    const std::pair<char, int> rows[] = {{'A', 3},  {'B', 6},  {'C', 9},  {'D', 12}, {'E', 15}, {'F', 17},
                                         {'G', 20}, {'H', 23}, {'I', 26}, {'J', 29}, {'L', 35}, {'M', 38},
                                         {'N', 41}, {'O', 44}, {'P', 46}, {'Q', 49}};
    for (const auto& [letter, amount] : rows) {
        const Colour c = OffsetColor(grey::Highlight, -amount, false, false);
        l[letter] = c;
        l[static_cast<char>(letter - 'A' + 'a')] = c ^ 0xFFFFFF;
    }
    return l;
}

TEST(LookFaces, GlossGradientInEveryStateWhereSinglePrecisionDecidesRowFive) {
    Paints(
        14, 12, 20, GlossLegend(),
        {{shown::Up, Rows({".1111111111.", "122222222221", "12++++++++21", "12++++++++21", "12++DDDDDD21",
                           "12++EEEEEE21", "12++FFFFFF21", "12++GGGGGG21", "12++HHHHHH21", "12++IIIIII21",
                           "12++JJJJJJ21", "12++44444421", "12++LLLLLL21", "12++MMMMMM21", "12++NNNNNN21",
                           "12++OOOOOO21", "12++PPPPPP21", "12++QQQQQQ21", "122222222221", ".1111111111."})},
         {shown::Over,
          Rows({".1111111111.", "122222222221", "12++++++++21", "12++++++++21", "12++44444421",
                "12++44444421", "12++44444421", "12++44444421", "12++44444421", "12++44444421",
                "12++44444421", "12++44444421", "12++44444421", "12++44444421", "12++44444421",
                "12++44444421", "12++44444421", "12++44444421", "122222222221", ".1111111111."})},
         {shown::Focused,
          Rows({".1111111111.", "122222222221", "12++++++++21", "12++++++++21", "12++DDDDDD21",
                "12++EEEEEE21", "12++FFfFFF21", "12++GGGgGG21", "12++HHhHHH21", "12++IIIiII21",
                "12++JJjJJJ21", "12++444#4421", "12++LLlLLL21", "12++MMMmMM21", "12++NNnNNN21",
                "12++OOOoOO21", "12++PPPPPP21", "12++QQQQQQ21", "122222222221", ".1111111111."})},
         {shown::Default,
          Rows({".1111111111.", "122222222221", "12++++++++21", "12++++++++21", "12++DDDDDD21",
                "12++EEEEEE21", "12++FFFFFF21", "12++GGGGGG21", "12++HHHHHH21", "12++IIIIII21",
                "12++JJJJJJ21", "12++44444421", "12++LLLLLL21", "12++MMMMMM21", "12++NNNNNN21",
                "12++OOOOOO21", "12++PPPPPP21", "12++QQQQQQ21", "122222222221", ".1111111111."})},
         {shown::Down,
          Rows({".3333333333.", "322222222223", "3222222222+3", "3222222222+3", "3222222222+3",
                "3222222222+3", "3222222222+3", "3222222222+3", "3222222222+3", "3222222222+3",
                "3222222222+3", "3222222222+3", "3222222222+3", "3222222222+3", "3222222222+3",
                "3222222222+3", "3222222222+3", "3222222222+3", "32+++++++++3", ".3333333333."})},
         {shown::FocusedDown,
          Rows({".3333333333.", "322222222223", "3222222222+3", "3222222222+3", "3222222222+3",
                "3222222222+3", "322222$222+3", "3222222$22+3", "322222$222+3", "3222222$22+3",
                "322222$222+3", "3222222$22+3", "322222$222+3", "3222222$22+3", "322222$222+3",
                "3222222$22+3", "3222222222+3", "3222222222+3", "32+++++++++3", ".3333333333."})},
         {shown::Checked,
          Rows({".3333333333.", "322222222223", "3222222222+3", "3222222222+3", "3222222222+3",
                "3222222222+3", "3222222222+3", "3222222222+3", "3222222222+3", "3222222222+3",
                "3222222222+3", "3222222222+3", "3222222222+3", "3222222222+3", "3222222222+3",
                "3222222222+3", "3222222222+3", "3222222222+3", "32+++++++++3", ".3333333333."})},
         {shown::Disabled,
          Rows({".1111111111.", "122222222221", "12++++++++21", "12++++++++21", "12++DDDDDD21",
                "12++EEEEEE21", "12++FFFFFF21", "12++GGGGGG21", "12++HHHHHH21", "12++IIIIII21",
                "12++JJJJJJ21", "12++44444421", "12++LLLLLL21", "12++MMMMMM21", "12++NNNNNN21",
                "12++OOOOOO21", "12++PPPPPP21", "12++QQQQQQ21", "122222222221", ".1111111111."})}});
}

// Custom colours (scheme 2) with SoftBevel: every edge, shade and gradient step is derived from
// the face by half the usual amount. Letters: the face moved by the amount written beside them.
TEST(LookFaces, EachFamilyInCustomColoursWithSoftBevel) {
    constexpr Colour Back = 0x00604080; // red 128, green 64, blue 96
    const auto off = [](Colour c, int n, bool blue = false) { return OffsetColor(c, n, blue, true); };
    const Colour bright = off(Back, 48, true); // GradientRim's bright face, blue-proportional
    Legend l = {{'.', Back},
                {'s', off(Back, -64)},
                {'l', off(Back, 31)},
                {'h', off(Back, 47)},
                {'k', off(Back, -192)},
                {'b', off(Back, -128)},
                {'p', off(Back, -32)},
                {'#', Rgb(0, 60, 115)},
                {'+', Rgb(16, 77, 123)},
                {'1', off(bright, 16, true)},
                {'0', off(bright, 10, true)},
                {'4', off(bright, -48, true)},
                {'6', off(bright, -36, true)},
                {'c', off(Back, 12)},
                {'d', off(off(Back, -64), -26)},
                {'e', off(off(Back, -64), 26)},
                {'f', off(off(Back, -64), 16)},
                {'o', off(off(Back, -64), -50)},
                {'n', off(Back, -9)},
                {'r', off(off(Back, -64), -48)},
                {'3', off(bright, -32, true)},
                {'w', off(off(Back, 47), -22)}, // gloss rows 4, 5 and 7: the highlight moved by 11, 14, 20
                {'x', off(off(Back, 47), -28)},
                {'y', off(off(Back, 47), -40)}};
    for (int n = 0; n <= 12; ++n) l[static_cast<char>('A' + n)] = off(bright, -2 * n, true); // rim rows
    ASSERT_TRUE(ColoursDistinct(l));
    struct Case {
        std::int32_t type;
        Shown state;
        int w, h;
        std::string face;
    };
    const Case cases[] = {
        {12, shown::Over, 8, 6,
         Rows({"hhhhhhhk", "hlllllsk", "hl....sk", "hl....sk", "hssssssk", "kkkkkkkk"})},
        {12, shown::Down, 8, 6,
         Rows({"kkkkkkkh", "kssssslh", "ks....lh", "ks....lh", "kllllllh", "hhhhhhhh"})},
        {3, shown::Up, 8, 10,
         Rows({"..####..", ".+1111+.", "#C00006#", "#CFEEM6#", "#CFFFM6#", "#CFGGM6#", "#CFHHM6#", "#C33336#",
               ".+4444+.", "..####.."})},
        {5, shown::Up, 8, 6, Rows({"ddddddd.", "dhhhhheh", "dhccccdh", "dhccccdh", "dedddddh", ".hhhhhhh"})},
        {5, shown::Down, 8, 6,
         Rows({"ddddddd.", "dfffffdh", "dfffffdh", "dfffffdh", "dddddddh", ".hhhhhhh"})},
        {9, shown::DownOver, 8, 6,
         Rows({"bbbbbbbb", "bppppppb", "bppppppb", "bppppppb", "bppppppb", "bbbbbbbb"})},
        {9, shown::Over, 8, 6,
         Rows({"bbbbbbbb", "b......b", "b......b", "b......b", "b......b", "bbbbbbbb"})},
        {14, shown::Up, 10, 10,
         Rows({".oooooooo.", "onnnnnnnno", "onhhhhhhno", "onhhhhhhno", "onhhwwwwno", "onhhxxxxno",
               "onhhccccno", "onhhyyyyno", "onnnnnnnno", ".oooooooo."})},
        {14, shown::Down, 8, 6,
         Rows({".rrrrrr.", "rnnnnnnr", "rnnnnnhr", "rnnnnnhr", "rnhhhhhr", ".rrrrrr."})},
        {13, shown::Down, 8, 6,
         Rows({"..kkkk..", ".kkkkkk.", "kkppppkk", "kkppppkk", ".kkkkkk.", "..kkkk.."})},
    };
    for (const Case& c : cases) {
        TestAmbient ambient;
        auto b = GreyButton(c.type, c.w, c.h, &ambient);
        b->SetColorScheme(2);
        b->SetBackColor(Back);
        b->SetBackOver(Back);
        b->SetSoftBevel(VbTrue);
        const std::string painted = FaceIn(*b, ambient, c.state, l);
        EXPECT_EQ(painted, c.face) << "type " << c.type << " " << c.w << " x " << c.h << " " << c.state.name
                                   << ": " << AsRowsSource(painted);
    }
}
