// The bevelled looks on small faces in the fixed grey palette: which ring gets which colour, who
// owns the corners, and when the hover looks show an edge at all.

#include "ButtonFace.h"

#include <gtest/gtest.h>

namespace {

enum class State { Up, Over, Down, Disabled };

const char* Name(State s) {
    switch (s) {
    case State::Up:
        return "up";
    case State::Over:
        return "over";
    case State::Down:
        return "down";
    default:
        return "disabled";
    }
}

std::string Paint(chameleonButton& b, State state, const Legend& legend = GreyLetters) {
    b.IsOver = ToVBool(state == State::Over);
    b.Enabled = ToVBool(state != State::Disabled);
    return FaceLetters(b, state == State::Down ? FaceDown : FaceUp, legend);
}

const std::string Plain = Rows({"........", "........", "........", "........", "........", "........"});
const std::string RaisedDouble =
    Rows({"hhhhhhhk", "hlllllsk", "hl....sk", "hl....sk", "hssssssk", "kkkkkkkk"});
const std::string SunkenDouble =
    Rows({"kkkkkkkh", "kssssslh", "ks....lh", "ks....lh", "kllllllh", "hhhhhhhh"});
const std::string RaisedThin = Rows({"hhhhhhhs", "h......s", "h......s", "h......s", "h......s", "ssssssss"});
const std::string SunkenThin = Rows({"sssssssh", "s......h", "s......h", "s......h", "s......h", "hhhhhhhh"});
const std::string RaisedOutlined =
    Rows({".kkkkkk.", "khhhhhsk", "khhhhssk", "khsssssk", "kssssssk", ".kkkkkk."});
const std::string SunkenOutlined =
    Rows({".kkkkkk.", "kssssshk", "ksssshhk", "kshhhhhk", "khhhhhhk", ".kkkkkk."});

TEST(BevelLooks, EveryStateOfTheSimpleBevelsOnAnEightBySixFace) {
    struct Case {
        std::int32_t type;
        State state;
        std::string face;
    };
    const Case cases[] = {
        {1, State::Up, RaisedOutlined},
        {1, State::Over, RaisedOutlined},
        {1, State::Down, SunkenOutlined},
        {1, State::Disabled, RaisedOutlined},
        {2, State::Up, RaisedDouble},
        {2, State::Down, SunkenDouble},
        {2, State::Disabled, RaisedDouble},
        {7, State::Up, RaisedThin},
        {7, State::Down, SunkenThin},
        {7, State::Disabled, RaisedThin},
        {8, State::Up, Plain},
        {8, State::Over, RaisedThin},
        {8, State::Down, SunkenThin},
        {8, State::Disabled, Plain},
        {12, State::Up, Plain},
        {12, State::Over, RaisedDouble},
        {12, State::Down, SunkenDouble},
        {12, State::Disabled, Plain},
        {15, State::Up, Plain},
        {15, State::Over, Plain},
        {15, State::Down, Rows({"kkkkkkkk", "kssssshk", "ksssshhk", "kshhhhhk", "khhhhhhk", "kkkkkkkk"})},
        {15, State::Disabled, Plain},
    };
    for (const Case& c : cases) {
        auto b = GreyButton(c.type, 8, 6);
        EXPECT_EQ(Paint(*b, c.state), c.face) << "type " << c.type << " " << Name(c.state);
    }
}

TEST(BevelLooks, LightBevelUsesOneLightenedEdgeForBothRings) {
    Legend legend = GreyLetters;
    legend['L'] = 0x00E7E7E7; // the light colour raised by 8
    const std::pair<State, std::string> cases[] = {
        {State::Up, Rows({"LLLLLLLs", "LLLLLLss", "LL....ss", "LL....ss", "Lsssssss", "ssssssss"})},
        {State::Down, Rows({"sssssssL", "ssssssLL", "ss....LL", "ss....LL", "sLLLLLLL", "LLLLLLLL"})},
        {State::Disabled, Rows({"LLLLLLLs", "LLLLLLss", "LL....ss", "LL....ss", "Lsssssss", "ssssssss"})},
    };
    for (const auto& [state, face] : cases) {
        auto b = GreyButton(6, 8, 6);
        EXPECT_EQ(Paint(*b, state, legend), face) << Name(state);
    }
}

TEST(BevelLooks, DoubleBevelShownAsDefaultHasADarkOutline) {
    TestAmbient ambient;
    ambient.isDefault = true;
    const std::pair<State, std::string> cases[] = {
        {State::Up, Rows({"kkkkkkkk", "khhhhhkk", "khlllskk", "khsssskk", "kkkkkkkk", "kkkkkkkk"})},
        {State::Down, Rows({"kkkkkkkk", "kssssssk", "ks....sk", "ks....sk", "kssssssk", "kkkkkkkk"})},
        {State::Disabled, RaisedDouble},
    };
    for (const auto& [state, face] : cases) {
        auto b = GreyButton(2, 8, 6, &ambient);
        EXPECT_EQ(Paint(*b, state), face) << Name(state);
        b->ShowFocusRect = VbFalse; // without focus marks the default button looks like any other
        EXPECT_EQ(Paint(*b, state), state == State::Down ? SunkenDouble : RaisedDouble) << Name(state);
    }
}

// The focus rectangle inverts every other pixel of InnerRect's top row, which lies inside the
// edges of every type on a 12 x 10 face.
bool ShowsFocus(chameleonButton& b, State state) {
    Paint(b, state);
    const int x = b.InnerRect.left, y = b.InnerRect.top;
    const paint::Surface& s = b.Face();
    return s.PixelAt(x, y) != s.PixelAt(x + 1, y) && s.PixelAt(x + 2, y) == s.PixelAt(x, y);
}

TEST(BevelLooks, FocusRectangleOnlyWhereTheTypeDrawsIt) {
    TestAmbient ambient;
    struct Case {
        std::int32_t type;
        bool isDefault;
        State state;
        bool focus;
    };
    const Case cases[] = {
        {1, false, State::Up, true},        {1, false, State::Down, true},
        {1, false, State::Disabled, false}, {2, false, State::Up, false},
        {2, false, State::Down, false},     {2, true, State::Up, true},
        {2, true, State::Down, true},       {4, false, State::Up, false},
        {4, false, State::Down, false},     {6, false, State::Up, true},
        {6, false, State::Disabled, false}, {8, false, State::Up, true},
        {12, false, State::Down, true},     {15, false, State::Up, false},
        {15, false, State::Down, true},
    };
    for (const Case& c : cases) {
        ambient.isDefault = c.isDefault;
        auto b = GreyButton(c.type, 12, 10, &ambient);
        b->HasFocus = VbTrue;
        EXPECT_EQ(ShowsFocus(*b, c.state), c.focus) << "type " << c.type << " " << Name(c.state);
        b->ShowFocusRect = VbFalse;
        EXPECT_FALSE(ShowsFocus(*b, c.state)) << "type " << c.type << " without ShowFocusRect";
    }
}

TEST(BevelLooks, RoundedBevelRaisedAndPressed) {
    Legend legend = GreyLetters;
    legend['1'] = 0x00707070; // shadow - 16
    legend['3'] = 0x00606060; // shadow - 32
    legend['6'] = 0x00404040; // shadow - 64
    auto b = GreyButton(4, 9, 8);
    // Cut corners keep the cleared face colour.
    EXPECT_EQ(Paint(*b, State::Up, legend), Rows({"..kkkkk..", ".k.lll.k.", "k.hhhh.sk", "klhhll.sk",
                                                  "klhll..sk", "k.....ssk", ".ksssssk.", "..kkkkk.."}))
        << "up";
    EXPECT_EQ(Paint(*b, State::Down, legend), Rows({"..kkkkk..", ".k6666sk.", "k66333s3k", "k63311s1k",
                                                    "k6311ss1k", "kssssss3k", ".k31113k.", "..kkkkk.."}))
        << "down";
    EXPECT_EQ(b->FaceBrightColor, 0x00F0F0F0)
        << "the face colour raised by 48 again after the pressed caption";
}

} // namespace
