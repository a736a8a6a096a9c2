// What each property setter does besides storing its value: which repaint, which notification,
// and the few that look at design mode.

#include "ButtonTestSupport.h"

#include <QApplication>
#include <functional>
#include <gtest/gtest.h>
#include <stdexcept>

using namespace button_test;

namespace {

class DesignAmbient : public ButtonAmbient {
  public:
    bool UserMode() const override { return false; }
};

enum class Paint { None, Up, Last };

struct Observed {
    Paint paint;
    QStringList notified;
};

// Paints the button down first, so a repaint of the last state and one of the up state differ.
Observed Observe(chameleonButton& b, const std::function<void(chameleonButton&)>& change) {
    b.PaintButton(FaceDown, true);
    QStringList notified;
    const auto connection = QObject::connect(&b, &chameleonButton::PropertyChanged,
                                             [&notified](const QString& key) { notified << key; });
    const auto passes = b.PaintPasses;
    change(b);
    QObject::disconnect(connection);
    if (b.PaintPasses == passes) return {Paint::None, notified};
    return {b.LastFaceState == FaceUp ? Paint::Up : Paint::Last, notified};
}

const char* Name(Paint p) {
    return p == Paint::None ? "none" : p == Paint::Up ? "up" : "last";
}

PictureRef SomePicture() {
    return Picture::FromImage(QImage(8, 8, QImage::Format_ARGB32), Picture::Kind::Bitmap);
}

} // namespace

TEST(Properties, RepaintAndNotifyAsEachSetterSays) {
    struct Case {
        const char* name;
        std::function<void(chameleonButton&)> change;
        Paint paint;
        const char* key; // "" for no notification
    };
    const Case cases[] = {
        {"BackColor", [](auto& b) { b.SetBackColor(0x123456); }, Paint::Last, "BCOL"},
        {"BackOver", [](auto& b) { b.SetBackOver(0x123456); }, Paint::Last, "BCOLO"},
        {"ForeColor", [](auto& b) { b.SetForeColor(0x123456); }, Paint::Last, "FCOL"},
        {"ForeOver", [](auto& b) { b.SetForeOver(0x123456); }, Paint::Last, "FCOLO"},
        {"MaskColor", [](auto& b) { b.SetMaskColor(0x123456); }, Paint::Last, "MCOL"},
        {"ButtonType", [](auto& b) { b.SetButtonType(4); }, Paint::Up, "BTYPE"},
        {"Caption", [](auto& b) { b.SetCaption(QStringLiteral("Go")); }, Paint::Up, "TX"},
        {"Enabled", [](auto& b) { b.SetEnabled(VbFalse); }, Paint::Up, "ENAB"},
        {"Font", [](auto& b) { b.SetFont(QFont(QStringLiteral("Serif"), 12)); }, Paint::Up, "FONT"},
        {"FontBold", [](auto& b) { b.SetFontBold(VbTrue); }, Paint::Up, ""},
        {"FontItalic", [](auto& b) { b.SetFontItalic(VbTrue); }, Paint::Up, ""},
        {"FontUnderline", [](auto& b) { b.SetFontUnderline(VbTrue); }, Paint::Up, ""},
        {"FontSize", [](auto& b) { b.SetFontSize(14); }, Paint::Up, ""},
        {"FontName", [](auto& b) { b.SetFontName(QStringLiteral("Serif")); }, Paint::Up, ""},
        {"ColorScheme", [](auto& b) { b.SetColorScheme(3); }, Paint::Up, "COLTYPE"},
        {"ShowFocusRect", [](auto& b) { b.SetShowFocusRect(VbFalse); }, Paint::Last, "FOCUSR"},
        {"MousePointer", [](auto& b) { b.SetMousePointer(3); }, Paint::None, "MPTR"},
        {"MouseIcon", [](auto& b) { b.SetMouseIcon(SomePicture()); }, Paint::None, "MICON"},
        {"HandPointer", [](auto& b) { b.SetHandPointer(VbTrue); }, Paint::None, "HAND"},
        {"SoftBevel", [](auto& b) { b.SetSoftBevel(VbTrue); }, Paint::Last, "SOFT"},
        {"PictureNormal", [](auto& b) { b.SetPictureNormal(SomePicture()); }, Paint::Last, "PICN"},
        {"PictureOver away", [](auto& b) { b.SetPictureOver(SomePicture()); }, Paint::None, "PICO"},
        {"PictureOver hovered",
         [](auto& b) {
             b.IsOver = VbTrue;
             b.SetPictureOver(SomePicture());
         },
         Paint::Last, "PICO"},
        {"PicturePosition", [](auto& b) { b.SetPicturePosition(2); }, Paint::Last, "PICPOS"},
        {"UseMaskColor bare", [](auto& b) { b.SetUseMaskColor(VbFalse); }, Paint::None, "UMCOL"},
        {"UseMaskColor picture",
         [](auto& b) {
             b.PictureNormal = SomePicture();
             b.SetUseMaskColor(VbFalse);
         },
         Paint::Last, "UMCOL"},
        {"UseGreyscale bare", [](auto& b) { b.SetUseGreyscale(VbTrue); }, Paint::None, "NGREY"},
        {"UseGreyscale picture",
         [](auto& b) {
             b.PictureNormal = SomePicture();
             b.SetUseGreyscale(VbTrue);
         },
         Paint::Last, "NGREY"},
        {"SpecialEffect", [](auto& b) { b.SetSpecialEffect(2); }, Paint::Last, "FX"},
        {"CheckBoxBehaviour", [](auto& b) { b.SetCheckBoxBehaviour(VbTrue); }, Paint::Last, "CHECK"},
        {"Value plain", [](auto& b) { b.SetValue(VbTrue); }, Paint::None, "VALUE"},
        {"Value check box",
         [](auto& b) {
             b.CheckBoxBehaviour = VbTrue;
             b.SetValue(VbFalse);
         },
         Paint::Up, "VALUE"},
        {"Refresh", [](auto& b) { b.Refresh(); }, Paint::Last, ""},
    };
    for (const Case& c : cases) {
        auto b = MakeButton();
        const Observed seen = Observe(*b, c.change);
        EXPECT_EQ(Name(seen.paint), std::string(Name(c.paint))) << c.name;
        EXPECT_EQ(seen.notified, *c.key ? QStringList{QString::fromLatin1(c.key)} : QStringList{}) << c.name;
    }
}

TEST(Properties, CopyTheColoursToTheHoverColoursOnlyInDesignMode) {
    const DesignAmbient design;
    for (bool designing : {false, true}) {
        auto b = MakeButton(100, 30, nullptr, designing ? &design : nullptr);
        b->SetBackOver(0x111111);
        b->SetForeOver(0x222222);
        b->SetBackColor(0x333333);
        b->SetForeColor(0x444444);
        EXPECT_EQ(b->BackOver, designing ? 0x333333 : 0x111111) << designing;
        EXPECT_EQ(b->ForeOver, designing ? 0x444444 : 0x222222) << designing;
        b->SetFontBold(VbFalse);
        b->SetButtonType(5);
        EXPECT_EQ(b->FontBold(), designing ? VbTrue : VbFalse) << designing;
    }
}

TEST(Properties, ShowTheCheckedLookOnlyWithCheckBoxBehaviour) {
    auto b = MakeButton();
    b->SetValue(VbTrue);
    EXPECT_EQ(b->LastFaceState, FaceUp);
    b->SetCheckBoxBehaviour(VbTrue);
    EXPECT_EQ(b->LastFaceState, FaceDown);
    b->PaintButton(FaceUp, true);
    EXPECT_EQ(b->LastFaceState, FaceDown);
}

TEST(Properties, DisableRefreshHoldsTheFaceUntilRefresh) {
    auto b = MakeButton();
    b->SetCaption(QStringLiteral("Old"));
    b->DisableRefresh();
    const auto passes = b->PaintPasses;
    b->SetCaption(QStringLiteral("Longer"));
    b->SetBackColor(0x00FF00);
    EXPECT_EQ(b->PaintPasses, passes);
    EXPECT_EQ(b->CaptionWidth, 36); // the layout follows at once
    EXPECT_EQ(b->LastCaption, QStringLiteral("Old"));
    b->Refresh();
    EXPECT_EQ(b->PaintPasses, passes + 1);
    EXPECT_EQ(b->LastCaption, QStringLiteral("Longer"));
}

TEST(Properties, KeepOutOfRangeLooksUnchanged) {
    for (std::int32_t type : {0, 16, -3}) {
        auto b = MakeButton();
        b->SetButtonType(type);
        PropertyBag bag;
        b->WriteProperties(bag);
        EXPECT_EQ(std::get<std::int32_t>(*bag.Read(QStringLiteral("BTYPE"))), type);
    }
}

TEST(Properties, RefuseAPointerOutsideSixteenBits) {
    auto b = MakeButton();
    b->SetMousePointer(2);
    QStringList notified;
    QObject::connect(b.get(), &chameleonButton::PropertyChanged,
                     [&notified](const QString& k) { notified << k; });
    for (std::int32_t pointer : {32768, -32769, 100000})
        EXPECT_THROW(b->SetMousePointer(pointer), std::overflow_error);
    EXPECT_EQ(b->MousePointer(), 2);
    EXPECT_TRUE(notified.isEmpty());
    b->SetMousePointer(-32768);
    EXPECT_EQ(b->MousePointer(), -32768);
}

TEST(Properties, PointerShapesMapToCursors) {
    auto b = MakeButton();
    b->SetHandPointer(VbTrue);
    EXPECT_EQ(b->MousePointer(), 99);
    EXPECT_EQ(b->cursor().shape(), Qt::PointingHandCursor);
    b->SetHandPointer(VbFalse);
    EXPECT_EQ(b->MousePointer(), 1);
    EXPECT_EQ(b->MouseIcon(), nullptr);
    EXPECT_EQ(b->cursor().shape(), Qt::ArrowCursor);
    b->SetMousePointer(3);
    EXPECT_EQ(b->cursor().shape(), Qt::IBeamCursor);
}

TEST(Properties, FontSizeReadsTheSizeRoundedToEven) {
    const std::pair<double, int> cases[] = {{8.25, 8}, {8.5, 8}, {9.5, 10}, {11.75, 12}, {8, 8}};
    for (auto [size, expected] : cases) {
        auto b = MakeButton();
        QFont f = b->font();
        f.setPointSizeF(size);
        b->SetFont(f);
        EXPECT_EQ(b->FontSize(), expected) << size;
    }
    auto b = MakeButton();
    b->SetFontSize(8);
    EXPECT_EQ(b->font().pointSizeF(), 8.0);
}

TEST(Properties, EnabledFollowsTheWindowsOwnFlag) {
    QWidget parent;
    auto b = MakeButton(100, 30, &parent);
    QStringList notified;
    QObject::connect(b.get(), &chameleonButton::PropertyChanged,
                     [&notified](const QString& k) { notified << k; });
    b->setEnabled(false);
    EXPECT_EQ(b->Enabled, VbFalse);
    b->setEnabled(true);
    EXPECT_EQ(b->Enabled, VbTrue);
    EXPECT_EQ(notified, QStringList({"ENAB", "ENAB"}));
    // A disabled parent greys the window but leaves the property alone.
    parent.setEnabled(false);
    EXPECT_EQ(b->Enabled, VbTrue);
    parent.setEnabled(true);
    b->SetEnabled(VbFalse);
    EXPECT_FALSE(b->isEnabled());
}

TEST(PropertyBag, ComparesKeysWithoutCaseAndKeepsTheirOrder) {
    PropertyBag bag;
    bag.Write(QStringLiteral("btype"), std::int32_t{4});
    bag.Write(QStringLiteral("TX"), QStringLiteral("Go"));
    bag.Write(QStringLiteral("BType"), std::int32_t{7});
    EXPECT_EQ(bag.Keys(), (std::vector<QString>{QStringLiteral("btype"), QStringLiteral("TX")}));
    EXPECT_EQ(std::get<std::int32_t>(*bag.Read(QStringLiteral("BTYPE"))), 7);
    EXPECT_EQ(std::get<QString>(*bag.Read(QStringLiteral("tx"))), QStringLiteral("Go"));
    EXPECT_FALSE(bag.Read(QStringLiteral("FX")).has_value());
}

TEST(Properties, FontAttributesReadBackFromTheHostFont) {
    using Getter = VBool (chameleonButton::*)() const;
    using Setter = void (chameleonButton::*)(VBool);
    const std::tuple<const char*, Setter, Getter> attributes[] = {
        {"bold", &chameleonButton::SetFontBold, &chameleonButton::FontBold},
        {"italic", &chameleonButton::SetFontItalic, &chameleonButton::FontItalic},
        {"underline", &chameleonButton::SetFontUnderline, &chameleonButton::FontUnderline},
    };
    for (auto [name, set, get] : attributes) {
        auto b = MakeButton();
        EXPECT_EQ(((*b).*get)(), VbFalse) << name;
        ((*b).*set)(VbTrue);
        EXPECT_EQ(((*b).*get)(), VbTrue) << name;
        // Only the one attribute changed.
        EXPECT_EQ(b->FontBold() + b->FontItalic() + b->FontUnderline(), VbTrue) << name;
        ((*b).*set)(VbFalse);
        EXPECT_EQ(((*b).*get)(), VbFalse) << name;
    }
    auto b = MakeButton();
    QFont f = b->font();
    f.setItalic(true);
    f.setUnderline(true);
    b->SetFont(f);
    EXPECT_EQ(b->FontItalic(), VbTrue);
    EXPECT_EQ(b->FontUnderline(), VbTrue);
}

TEST(Properties, TheFontIsTheButtonsOwnNotItsParents) {
    // However the button got its font: placed new, set through Font, or read from stored settings.
    const std::pair<const char*, std::function<void(chameleonButton&)>> origins[] = {
        {"new", [](chameleonButton&) {}},
        {"Font", [](chameleonButton& b) { b.SetFont(QFont(QStringLiteral("Serif"), 9)); }},
        {"FontBold", [](chameleonButton& b) { b.SetFontBold(VbTrue); }},
        {"stored",
         [](chameleonButton& b) {
             PropertyBag bag;
             QFont stored(QStringLiteral("Serif"));
             stored.setPointSizeF(8.25);
             bag.Write(QStringLiteral("font"), stored);
             b.ReadProperties(bag);
         }},
    };
    const QFont applicationFont = QApplication::font();
    for (const auto& [name, origin] : origins) {
        QWidget parent;
        parent.setFont(QFont(QStringLiteral("Sans Serif"), 10));
        auto b = MakeButton(100, 30, &parent);
        b->SetCaption(QStringLiteral("Go"));
        origin(*b);
        const QFont before = b->font();
        const auto passes = b->PaintPasses;

        QFont big(QStringLiteral("Monospace"), 20);
        big.setItalic(true);
        big.setUnderline(true);
        parent.setFont(big);
        QApplication::setFont(big);
        EXPECT_EQ(b->font().toString().toStdString(), before.toString().toStdString()) << name;
        EXPECT_EQ(b->font().pointSizeF(), before.pointSizeF()) << name;
        EXPECT_EQ(b->FontItalic(), ToVBool(before.italic())) << name;
        EXPECT_EQ(b->PaintPasses, passes) << name;
        QApplication::setFont(applicationFont);
    }
}

TEST(Properties, HwndIsTheNativeWindowOrZero) {
    QWidget top;
    auto child = MakeButton(100, 30, &top);
    top.show(); // the window of the top level exists once it is shown
    // A child drawn inside its parent's window has no handle, and asking does not make one.
    EXPECT_EQ(child->hwnd(), 0);
    EXPECT_FALSE(child->testAttribute(Qt::WA_NativeWindow));
    EXPECT_EQ(child->internalWinId(), 0u);

    auto own = MakeButton();
    own->show();
    EXPECT_NE(own->hwnd(), 0);
    EXPECT_EQ(own->hwnd(), static_cast<std::int32_t>(own->internalWinId()));
}
