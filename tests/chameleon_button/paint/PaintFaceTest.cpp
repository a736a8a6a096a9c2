// The repaint of the face: when it happens at all, the fill, the hover colours of custom colour
// schemes, the forced pressed look of a checked button, and the dispatch by state.

#include "ButtonFace.h"

#include <gtest/gtest.h>

namespace {

constexpr Colour Poke = 0x00123456;

const std::string RaisedThin = Rows({"hhhhhhhs", "h......s", "h......s", "h......s", "h......s", "ssssssss"});
const std::string SunkenThin = Rows({"sssssssh", "s......h", "s......h", "s......h", "s......h", "hhhhhhhh"});

TEST(PaintButton, NothingAtAllWithoutHeight) {
    auto b = GreyButton(7, 8, 0);
    b->LastFaceState = FaceUp;
    b->LastCaption = QStringLiteral("before");
    b->PaintButton(FaceDown, true);
    EXPECT_EQ(b->LastFaceState, FaceUp);
    EXPECT_EQ(b->LastCaption, QStringLiteral("before"));
}

TEST(PaintButton, RepaintsOnlyWhenForcedOrWhenStateOrCaptionChanged) {
    auto b = GreyButton(7, 8, 6);
    b->PaintButton(FaceUp, true);
    b->Face().Put(3, 3, Poke);
    b->PaintButton(FaceUp, false);
    EXPECT_EQ(b->Face().PixelAt(3, 3), Poke) << "unchanged: the second call returns at once";

    b->Caption = QStringLiteral("x"); // the member alone, so that only the repaint test sees it
    b->PaintButton(FaceUp, false);
    EXPECT_NE(b->Face().PixelAt(3, 3), Poke) << "a changed caption repaints";
    EXPECT_EQ(b->LastCaption, QStringLiteral("x"));

    b->Face().Put(0, 0, Poke);
    b->PaintButton(FaceDown, false);
    EXPECT_EQ(b->Face().PixelAt(0, 0), grey::Shadow) << "a changed state repaints";

    b->Face().Put(0, 0, Poke);
    b->PaintEnabled = VbFalse;
    b->PaintButton(FaceUp, true);
    EXPECT_EQ(b->Face().PixelAt(0, 0), Poke) << "painting disabled";
    EXPECT_EQ(b->LastFaceState, FaceDown);
}

TEST(PaintButton, CheckedButtonPaintsPressedWhateverIsAsked) {
    auto b = GreyButton(7, 8, 6);
    b->CheckBoxBehaviour = VbTrue;
    b->Value = VbTrue;
    EXPECT_EQ(FaceLetters(*b, FaceUp), SunkenThin);
    EXPECT_EQ(b->LastFaceState, FaceDown);
    b->Value = VbFalse;
    EXPECT_EQ(FaceLetters(*b, FaceUp), RaisedThin);
}

TEST(PaintButton, DisabledLookInBothStatesWithTheStateRecorded) {
    auto b = GreyButton(7, 8, 6);
    b->Enabled = VbFalse;
    for (std::uint8_t state : {FaceUp, FaceDown}) {
        EXPECT_EQ(FaceLetters(*b, state), RaisedThin) << int(state);
        EXPECT_EQ(b->LastFaceState, state);
    }
}

TEST(PaintButton, CustomColoursFollowBackOverUnderTheMouseForOnePass) {
    constexpr Colour Back = 0x00C0C0C0, Over = 0x00A0B0C0;
    auto b = GreyButton(1, 12, 10);
    b->SetColorScheme(2);
    b->SetBackColor(Back);
    b->SetBackOver(Over);
    b->IsOver = VbTrue;
    b->PaintButton(FaceUp, true);
    EXPECT_EQ(b->Face().PixelAt(5, 5), Over);
    EXPECT_EQ(b->Face().PixelAt(1, 1), OffsetColor(Over, 47, false, false))
        << "the highlight of the hover face";
    EXPECT_EQ(b->Face().PixelAt(10, 4), OffsetColor(Over, -64, false, false))
        << "the shadow of the hover face";
    EXPECT_EQ(b->Face().PixelAt(1, 0), OffsetColor(Over, -192, false, false)) << "the dark outline";
    EXPECT_EQ(b->BackColor, Back);
    EXPECT_EQ(b->FaceColor, Back);
    EXPECT_EQ(b->ShadowColor, OffsetColor(Back, -64, false, false));

    b->SetColorScheme(3); // other schemes keep their palette under the mouse
    b->PaintButton(FaceUp, true);
    EXPECT_EQ(b->Face().PixelAt(5, 5), grey::Face);
}

TEST(PaintButton, UnknownStateDrawsOnlyTheFill) {
    auto b = GreyButton(7, 8, 6);
    b->PaintButton(1, true);
    EXPECT_EQ(AsLetters(b->Face(), GreyLetters),
              Rows({"........", "........", "........", "........", "........", "........"}));
}

} // namespace
