// Qt's keys as the host's virtual-key codes, checked against a table of the codes written out here,
// and what each key does to a focused button: only the space bar presses it, only the arrows move
// the focus, and a key without a code raises nothing at all.

#include "ShownButtons.h"
#include "chameleon_button/VirtualKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <gtest/gtest.h>
#include <map>

using namespace button_test;

namespace {

struct Expected {
    int key;
    bool keypad;
    int code;
};

// The expected codes, built from the virtual-key numbering rather than copied from the table.
std::vector<Expected> ExpectedCodes() {
    std::vector<Expected> e;
    for (int i = 0; i < 26; ++i) e.push_back({Qt::Key_A + i, false, 0x41 + i}); // 'A' to 'Z'
    for (int i = 0; i < 10; ++i) {
        e.push_back({Qt::Key_0 + i, false, 0x30 + i}); // '0' to '9'
        e.push_back({Qt::Key_0 + i, true, 0x60 + i});  // VK_NUMPAD0 to VK_NUMPAD9
    }
    for (int i = 0; i < 24; ++i) e.push_back({Qt::Key_F1 + i, false, 0x70 + i}); // VK_F1 to VK_F24
    // The characters over the digits of a US keyboard, from 0 to 9.
    const char shiftedDigits[] = ")!@#$%^&*(";
    for (int i = 0; i < 10; ++i) e.push_back({shiftedDigits[i], false, 0x30 + i});
    // The punctuation keys VK_OEM_1 to VK_OEM_7, each with its two characters.
    const std::pair<const char*, int> punctuation[] = {
        {";:", 0xBA}, {"=+", 0xBB}, {",<", 0xBC},  {"-_", 0xBD}, {".>", 0xBE}, {"/?", 0xBF},
        {"`~", 0xC0}, {"[{", 0xDB}, {"\\|", 0xDC}, {"]}", 0xDD}, {"'\"", 0xDE}};
    for (auto [chars, code] : punctuation) {
        e.push_back({chars[0], false, code});
        e.push_back({chars[1], false, code});
    }
    const Expected named[] = {
        {Qt::Key_Cancel, false, 0x03},
        {Qt::Key_Backspace, false, 0x08},
        {Qt::Key_Tab, false, 0x09},
        {Qt::Key_Backtab, false, 0x09},
        {Qt::Key_Clear, false, 0x0C},
        {Qt::Key_Return, false, 0x0D},
        {Qt::Key_Enter, false, 0x0D},
        {Qt::Key_Enter, true, 0x0D},
        {Qt::Key_Shift, false, 0x10},
        {Qt::Key_Control, false, 0x11},
        {Qt::Key_Alt, false, 0x12},
        {Qt::Key_AltGr, false, 0x12},
        {Qt::Key_Pause, false, 0x13},
        {Qt::Key_CapsLock, false, 0x14},
        {Qt::Key_Kana_Lock, false, 0x15},
        {Qt::Key_Hangul, false, 0x15},
        {Qt::Key_Hangul_Hanja, false, 0x19},
        {Qt::Key_Kanji, false, 0x19},
        {Qt::Key_Escape, false, 0x1B},
        {Qt::Key_Henkan, false, 0x1C},
        {Qt::Key_Muhenkan, false, 0x1D},
        {Qt::Key_Mode_switch, false, 0x1F},
        {Qt::Key_Space, false, 0x20},
        {Qt::Key_PageUp, false, 0x21},
        {Qt::Key_PageDown, false, 0x22},
        {Qt::Key_End, false, 0x23},
        {Qt::Key_Home, false, 0x24},
        {Qt::Key_Home, true, 0x24},
        {Qt::Key_Left, false, 0x25},
        {Qt::Key_Left, true, 0x25},
        {Qt::Key_Up, false, 0x26},
        {Qt::Key_Right, false, 0x27},
        {Qt::Key_Down, false, 0x28},
        {Qt::Key_Select, false, 0x29},
        {Qt::Key_Printer, false, 0x2A},
        {Qt::Key_Execute, false, 0x2B},
        {Qt::Key_Print, false, 0x2C},
        {Qt::Key_SysReq, false, 0x2C},
        {Qt::Key_Insert, false, 0x2D},
        {Qt::Key_Insert, true, 0x2D},
        {Qt::Key_Delete, false, 0x2E},
        {Qt::Key_Help, false, 0x2F},
        {Qt::Key_Meta, false, 0x5B},
        {Qt::Key_Super_L, false, 0x5B},
        {Qt::Key_Super_R, false, 0x5C},
        {Qt::Key_Menu, false, 0x5D},
        {Qt::Key_Sleep, false, 0x5F},
        {Qt::Key_Asterisk, true, 0x6A},
        {Qt::Key_Plus, true, 0x6B},
        {Qt::Key_Minus, true, 0x6D},
        {Qt::Key_Period, true, 0x6E},
        {Qt::Key_Comma, true, 0x6E},
        {Qt::Key_Slash, true, 0x6F},
        {Qt::Key_Equal, true, 0x92},
        {Qt::Key_NumLock, false, 0x90},
        {Qt::Key_ScrollLock, false, 0x91},
        {Qt::Key_Back, false, 0xA6},
        {Qt::Key_Forward, false, 0xA7},
        {Qt::Key_Refresh, false, 0xA8},
        {Qt::Key_Stop, false, 0xA9},
        {Qt::Key_Search, false, 0xAA},
        {Qt::Key_Favorites, false, 0xAB},
        {Qt::Key_HomePage, false, 0xAC},
        {Qt::Key_VolumeMute, false, 0xAD},
        {Qt::Key_VolumeDown, false, 0xAE},
        {Qt::Key_VolumeUp, false, 0xAF},
        {Qt::Key_MediaNext, false, 0xB0},
        {Qt::Key_MediaPrevious, false, 0xB1},
        {Qt::Key_MediaStop, false, 0xB2},
        {Qt::Key_MediaPlay, false, 0xB3},
        {Qt::Key_MediaPause, false, 0xB3},
        {Qt::Key_MediaTogglePlayPause, false, 0xB3},
        {Qt::Key_LaunchMail, false, 0xB4},
        {Qt::Key_LaunchMedia, false, 0xB5},
        {Qt::Key_Launch0, false, 0xB6},
        {Qt::Key_Launch1, false, 0xB7},
        {Qt::Key_Play, false, 0xFA},
        {Qt::Key_Zoom, false, 0xFB},
        // Keys the host has no code for; the byte a key's value ends in means nothing.
        {Qt::Key_Multi_key, false, 0},
        {Qt::Key_Camera, false, 0},
        {Qt::Key_CameraFocus, false, 0},
        {Qt::Key_New, false, 0},
        {Qt::Key_MediaRecord, false, 0},
        {Qt::Key_Dead_Grave, false, 0},
        {Qt::Key_Adiaeresis, false, 0},
        {Qt::Key_unknown, false, 0},
        {Qt::Key_Launch2, false, 0},
    };
    e.insert(e.end(), std::begin(named), std::end(named));
    return e;
}

QString KeyName(const Expected& e) {
    return QStringLiteral("key 0x%1%2")
        .arg(e.key, 0, 16)
        .arg(e.keypad ? QStringLiteral(" (keypad)") : QString());
}

} // namespace

TEST(KeyTranslation, GivesEachKeyItsVirtualKeyCode) {
    for (const Expected& e : ExpectedCodes())
        EXPECT_EQ(virtual_keys::FromQtKey(e.key, e.keypad), e.code) << KeyName(e).toStdString();
}

TEST(KeyTranslation, EveryRowOfTheTableIsAmongTheExpectedCodes) {
    std::map<std::pair<int, bool>, int> expected;
    for (const Expected& e : ExpectedCodes()) expected[{e.key, e.keypad}] = e.code;
    for (const virtual_keys::Entry& row : virtual_keys::Table()) {
        const auto it = expected.find({row.qtKey, row.keypad});
        const std::string name = KeyName({row.qtKey, row.keypad, row.code}).toStdString();
        ASSERT_NE(it, expected.end()) << name << " has no expected code";
        EXPECT_EQ(row.code, it->second) << name;
        EXPECT_NE(row.code, 0) << name;
    }
}

namespace {

class FocusedButtonKeys : public ShownButtons {
  protected:
    void SetUp() override {
        ShownButtons::SetUp();
        if (HasFatalFailure()) return;
        QObject::connect(button, &chameleonButton::KeyDown, &top,
                         [this](std::int16_t& KeyCode, std::int16_t&) {
                             log << QStringLiteral("KeyDown(%1)").arg(KeyCode);
                         });
        QObject::connect(button, &chameleonButton::KeyUp, &top, [this](std::int16_t& KeyCode, std::int16_t&) {
            log << QStringLiteral("KeyUp(%1)").arg(KeyCode);
        });
        QObject::connect(button, &chameleonButton::KeyPress, &top, [this](std::int16_t&) { ++keyPresses; });
        QObject::connect(button, &chameleonButton::Click, &top, [this] { log << QStringLiteral("Click"); });
    }

    QStringList log;
    int keyPresses = 0;
};

} // namespace

TEST_F(FocusedButtonKeys, OnlyTheSpaceBarPressesAndOnlyTheArrowsMoveTheFocus) {
    for (const Expected& e : ExpectedCodes()) {
        // The window takes Tab and shift-Tab for its own focus moves before the button sees them.
        if (e.key == Qt::Key_Tab || e.key == Qt::Key_Backtab) continue;
        button->setFocus();
        ASSERT_TRUE(button->hasFocus());
        log.clear();
        keyPresses = 0;
        const Qt::KeyboardModifiers mods = e.keypad ? Qt::KeypadModifier : Qt::NoModifier;
        const auto key = static_cast<Qt::Key>(e.key);
        // Printable keys carry their character, as the window system sends them.
        const QString text = e.key >= 0x20 && e.key < 0x7F ? QString(QChar(e.key)).toLower() : QString();
        QTest::sendKeyEvent(QTest::Press, button, key, text, mods);
        const std::uint8_t faceWhileDown = button->LastFaceState;
        QTest::sendKeyEvent(QTest::Release, button, key, text, mods);
        if (e.code == 0x20) { // the release of the space bar clicks a moment later
            EXPECT_TRUE(QTest::qWaitFor([this] { return log.contains(QStringLiteral("Click")); }, 1000));
        }

        const std::string name = KeyName(e).toStdString();
        const bool arrow = e.code >= 0x25 && e.code <= 0x28;
        EXPECT_EQ(faceWhileDown, e.code == 0x20 ? FaceDown : FaceUp) << name;
        EXPECT_EQ(button->LastFaceState, FaceUp) << name;
        EXPECT_EQ(QApplication::focusWidget(), arrow ? other : button) << name;
        if (e.code == 0) {
            EXPECT_TRUE(log.isEmpty()) << name << ": " << log.join(u' ').toStdString();
            EXPECT_EQ(keyPresses, 0) << name;
            continue;
        }
        QStringList expected{QStringLiteral("KeyDown(%1)").arg(e.code),
                             QStringLiteral("KeyUp(%1)").arg(e.code)};
        if (e.code == 0x20) expected << QStringLiteral("Click");
        EXPECT_EQ(log, expected) << name;
    }
}

// Keys as other keyboard layouts send them: the character the key types, and its key code on the
// X11 and Wayland platforms (8 above the evdev code, which names the key by its place).
TEST_F(FocusedButtonKeys, KeysOfOtherLayoutsRaiseTheirCharacterAndTheCodeOfTheirPlace) {
    struct Case {
        const char* name;
        int qtKey;
        const char16_t* text;
        quint32 scanCode;
        int code, character;
    };
    const Case cases[] = {
        {"German u umlaut, where the US [ is", 0xDC, u"\u00FC", 34, 0xDB, 0xFC},
        {"German o umlaut, where the US ; is", 0xD6, u"\u00F6", 47, 0xBA, 0xF6},
        {"German a umlaut, where the US ' is", 0xC4, u"\u00E4", 48, 0xDE, 0xE4},
        {"German sharp s, where the US - is", 0xDF, u"\u00DF", 20, 0xBD, 0xDF},
        {"German < on the key beside the left shift", Qt::Key_Less, u"<", 94, 0xE2, '<'},
        {"French &, on the key of 1", Qt::Key_Ampersand, u"&", 10, 0x31, '&'},
        {"Russian short i, where the US Q is", 0x419, u"\u0439", 24, 0x51, 0x439},
        {"keypad =, without the keypad flag", Qt::Key_Equal, u"=", 125, 0x92, '='},
        {"German z, where the US Y is: the letter tells", Qt::Key_Z, u"z", 29, 0x5A, 'z'},
        {"US ;", Qt::Key_Semicolon, u";", 47, 0xBA, ';'},
    };
    for (const Case& c : cases) {
        button->setFocus();
        log.clear();
        QStringList characters;
        const auto connection =
            QObject::connect(button, &chameleonButton::KeyPress, &top, [&characters](std::int16_t& KeyAscii) {
                characters << QString::number(KeyAscii);
            });
        const QString text = QString::fromUtf16(c.text);
        for (auto type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent e(type, c.qtKey, Qt::NoModifier, c.scanCode, 0, 0, text);
            QApplication::sendEvent(button, &e);
        }
        QObject::disconnect(connection);
        EXPECT_EQ(log.join(u' ').toStdString(),
                  QStringLiteral("KeyDown(%1) KeyUp(%1)").arg(c.code).toStdString())
            << c.name;
        EXPECT_EQ(characters.join(u' ').toStdString(), std::to_string(c.character)) << c.name;
    }
}
