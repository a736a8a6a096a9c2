// Saving and loading a button through the keyed store: the 23 keys, their defaults and exceptions.

#include "ButtonTestSupport.h"

#include <gtest/gtest.h>

using namespace button_test;

namespace {

const QStringList AllKeys{"BTYPE", "TX",     "ENAB",  "FONT", "COLTYPE", "FOCUSR", "BCOL", "BCOLO",
                          "FCOL",  "FCOLO",  "MCOL",  "MPTR", "MICON",   "PICN",   "PICH", "UMCOL",
                          "SOFT",  "PICPOS", "NGREY", "FX",   "HAND",    "CHECK",  "VALUE"};

QStringList KeysOf(const PropertyBag& bag) {
    QStringList keys;
    for (const QString& k : bag.Keys()) keys << k;
    return keys;
}

// The same settings under lower-case keys, as the editor window's buttons carry them.
PropertyBag LowerCased(const PropertyBag& bag) {
    PropertyBag lower;
    for (const QString& k : bag.Keys()) lower.Write(k.toLower(), *bag.Read(k));
    return lower;
}

PictureRef ImageOf(int w, int h, Picture::Kind kind = Picture::Kind::Bitmap) {
    return Picture::FromImage(QImage(w, h, QImage::Format_ARGB32), kind);
}

} // namespace

TEST(WriteProperties, WritesAllKeysInOrderEvenForANewButton) {
    auto b = MakeButton();
    PropertyBag bag;
    b->WriteProperties(bag);
    EXPECT_EQ(KeysOf(bag), AllKeys);
    EXPECT_EQ(std::get<std::int32_t>(*bag.Read(QStringLiteral("BTYPE"))), 2);
    EXPECT_EQ(std::get<bool>(*bag.Read(QStringLiteral("ENAB"))), true);
    EXPECT_EQ(std::get<std::int16_t>(*bag.Read(QStringLiteral("MPTR"))), 0);
    EXPECT_EQ(std::get<PictureRef>(*bag.Read(QStringLiteral("PICN"))), nullptr);
}

TEST(ReadProperties, LoadsTheDefaultsFromAnEmptyStore) {
    const SystemColourScope colours;
    auto b = MakeButton();
    b->SetFont(QFont(QStringLiteral("Serif"), 13));
    b->ColorScheme = 3;
    b->ResolvePalette();
    const auto passes = b->PaintPasses;
    b->ReadProperties(PropertyBag());

    EXPECT_EQ(b->ButtonType, 2);
    EXPECT_EQ(b->Caption, QString());
    EXPECT_EQ(b->Enabled, VbTrue);
    EXPECT_EQ(b->font().family(), QStringLiteral("Serif"));
    EXPECT_EQ(b->ColorScheme, 1);
    EXPECT_EQ(b->ShowFocusRect, VbTrue);
    EXPECT_EQ(b->BackColor, 0x00C8D0D4);
    EXPECT_EQ(b->BackOver, 0x00C8D0D4);
    EXPECT_EQ(b->ForeColor, 0x00102030);
    EXPECT_EQ(b->ForeOver, 0x00102030);
    EXPECT_EQ(b->MaskColor, 0x00C0C0C0);
    EXPECT_EQ(b->MousePointer(), 1); // the arrow, from HAND False after MPTR 0
    EXPECT_EQ(b->MouseIcon(), nullptr);
    EXPECT_EQ(b->PictureNormal, nullptr);
    EXPECT_EQ(b->PictureOver, nullptr);
    EXPECT_EQ(b->UseMaskColor, VbTrue);
    for (VBool v : {b->SoftBevel, b->UseGreyscale, b->HandPointer, b->CheckBoxBehaviour, b->Value})
        EXPECT_EQ(v, VbFalse);
    EXPECT_EQ(b->PicturePosition, 0);
    EXPECT_EQ(b->SpecialEffect, 0);
    // Reading neither derives the palette nor paints: both wait for Show.
    EXPECT_EQ(b->FaceColor, 0x00C0C0C0);
    EXPECT_EQ(b->PaintPasses, passes);
}

TEST(ReadProperties, RoundTripsEveryKeyWhateverTheKeysCase) {
    const SystemColourScope colours;
    auto a = MakeButton();
    a->SetButtonType(13);
    a->SetCaption(QStringLiteral("&Save"));
    a->SetFont(QFont(QStringLiteral("Serif"), 11));
    a->SetColorScheme(2);
    a->SetShowFocusRect(VbFalse);
    a->SetBackColor(0x010203);
    a->SetBackOver(0x040506);
    a->SetForeColor(static_cast<Colour>(0x80000012u));
    a->SetForeOver(0x0A0B0C);
    a->SetMaskColor(0x00FF00FF);
    a->SetMouseIcon(ImageOf(16, 16, Picture::Kind::Icon));
    a->SetPictureNormal(ImageOf(24, 12));
    a->SetPictureOver(ImageOf(24, 12));
    a->SetUseMaskColor(VbFalse);
    a->SetSoftBevel(VbTrue);
    a->SetPicturePosition(3);
    a->SetUseGreyscale(VbTrue);
    a->SetSpecialEffect(7);
    a->SetCheckBoxBehaviour(VbTrue);
    a->SetValue(VbTrue);
    a->SetEnabled(VbFalse);
    PropertyBag saved;
    a->WriteProperties(saved);

    auto b = MakeButton();
    b->ReadProperties(LowerCased(saved));
    PropertyBag again;
    b->WriteProperties(again);
    for (const QString& key : AllKeys) {
        if (key == u"MPTR" || key == u"MICON") continue; // HAND overrides them, below
        const PropertyValue x = *saved.Read(key), y = *again.Read(key);
        EXPECT_EQ(x.index(), y.index()) << key.toStdString();
        if (std::holds_alternative<QFont>(x))
            EXPECT_EQ(std::get<QFont>(x).family(), std::get<QFont>(y).family());
        else
            EXPECT_TRUE(x == y) << key.toStdString();
    }
    EXPECT_EQ(b->MousePointer(), 1);
    EXPECT_EQ(b->MouseIcon(), nullptr);
    EXPECT_EQ(b->PictureOver, a->PictureOver);
    EXPECT_EQ(b->SpecialEffect, 7);
    // The closing steps ran: enabled flag, picture size, layout and access key.
    EXPECT_FALSE(b->isEnabled());
    EXPECT_EQ(b->PictureWidth, a->PictureWidth);
    EXPECT_GT(b->PictureWidth, 0);
    EXPECT_EQ(b->CaptionRect, a->CaptionRect);
    EXPECT_EQ(b->AccessKeys(), QStringLiteral("s"));
}

TEST(ReadProperties, TakesTheHoverColoursFromTheColoursJustRead) {
    auto b = MakeButton();
    PropertyBag bag;
    bag.Write(QStringLiteral("bcol"), std::int32_t{0x00112233});
    bag.Write(QStringLiteral("fcol"), std::int32_t{0x00445566});
    b->ReadProperties(bag);
    EXPECT_EQ(b->BackOver, 0x00112233);
    EXPECT_EQ(b->ForeOver, 0x00445566);
}

TEST(ReadProperties, AppliesTheHandAfterThePointerKeys) {
    auto b = MakeButton();
    b->SetMousePointer(5);
    PropertyBag bag;
    b->WriteProperties(bag);
    EXPECT_EQ(std::get<std::int16_t>(*bag.Read(QStringLiteral("MPTR"))), 5);
    auto c = MakeButton();
    c->ReadProperties(bag);
    EXPECT_EQ(c->MousePointer(), 1);
    EXPECT_EQ(c->cursor().shape(), Qt::ArrowCursor);

    bag.Write(QStringLiteral("hand"), true);
    c->ReadProperties(bag);
    EXPECT_EQ(c->MousePointer(), 99);
    EXPECT_EQ(c->HandPointer, VbTrue);
    EXPECT_EQ(c->cursor().shape(), Qt::PointingHandCursor);
}

TEST(ReadProperties, WidensSixteenBitNumbers) {
    auto b = MakeButton();
    PropertyBag bag;
    bag.Write(QStringLiteral("BTYPE"), std::int16_t{9});
    bag.Write(QStringLiteral("COLTYPE"), std::int16_t{3});
    bag.Write(QStringLiteral("PICPOS"), std::int16_t{1});
    bag.Write(QStringLiteral("FX"), std::int16_t{2});
    bag.Write(QStringLiteral("BCOL"), std::int16_t{0x1234});
    b->ReadProperties(bag);
    EXPECT_EQ(b->ButtonType, 9);
    EXPECT_EQ(b->ColorScheme, 3);
    EXPECT_EQ(b->PicturePosition, 1);
    EXPECT_EQ(b->SpecialEffect, 2);
    EXPECT_EQ(b->BackColor, 0x1234);
}

TEST(ReadProperties, StopsAtAFailureOfTheHandKey) {
    auto b = MakeButton();
    b->CheckBoxBehaviour = VbTrue;
    b->Value = VbTrue;
    PropertyBag bag;
    bag.Write(QStringLiteral("TX"), QStringLiteral("&Quit"));
    bag.Write(QStringLiteral("ENAB"), false);
    bag.Write(QStringLiteral("FX"), std::int32_t{2});
    bag.Write(QStringLiteral("HAND"), QStringLiteral("yes"));
    bag.Write(QStringLiteral("CHECK"), false);
    try {
        b->ReadProperties(bag);
        ADD_FAILURE() << "a string under HAND must fail";
    } catch (const PropertyTypeError& e) {
        EXPECT_NE(std::string(e.what()).find("HAND"), std::string::npos) << e.what();
    }
    EXPECT_EQ(b->SpecialEffect, 2);          // keys before HAND were read
    EXPECT_EQ(b->CheckBoxBehaviour, VbTrue); // keys after it were not
    EXPECT_EQ(b->Value, VbTrue);
    EXPECT_TRUE(b->isEnabled()); // nor did the closing steps run
    EXPECT_EQ(b->AccessKeys(), QString());
}

TEST(ReadProperties, RefusesAValueOfTheWrongType) {
    const std::pair<const char*, PropertyValue> cases[] = {
        {"BTYPE", QStringLiteral("2")}, {"TX", std::int32_t{5}},
        {"MPTR", std::int32_t{40000}},  {"PICN", true},
        {"FONT", std::int16_t{1}},
    };
    for (const auto& [key, value] : cases) {
        auto b = MakeButton();
        PropertyBag bag;
        bag.Write(QString::fromLatin1(key), value);
        EXPECT_THROW(b->ReadProperties(bag), PropertyTypeError) << key;
    }
}
