#include "chameleon_button/VirtualKeys.h"

#include <Qt>
#include <algorithm>
#include <array>
#include <string_view>

namespace chameleon_button {

namespace virtual_keys {
namespace {

constexpr bool Main = false;
constexpr bool Keypad = true;

constexpr std::array Rows = std::to_array<Entry>({
    // Editing and control keys
    {Qt::Key_Cancel, Main, Cancel},
    {Qt::Key_Backspace, Main, Back},
    {Qt::Key_Tab, Main, Tab},
    {Qt::Key_Backtab, Main, Tab}, // shift and tab: the tab key
    {Qt::Key_Clear, Main, Clear}, // keypad 5 with Num Lock off
    {Qt::Key_Return, Main, Return},
    {Qt::Key_Enter, Main, Return}, // the keypad's Enter too
    {Qt::Key_Shift, Main, Shift},
    {Qt::Key_Control, Main, Control},
    {Qt::Key_Alt, Main, Menu},
    {Qt::Key_AltGr, Main, Menu},
    {Qt::Key_Pause, Main, Pause},
    {Qt::Key_Escape, Main, Escape},
    {Qt::Key_Space, Main, Space},

    // Lock keys
    {Qt::Key_CapsLock, Main, Capital},
    {Qt::Key_NumLock, Main, NumLock},
    {Qt::Key_ScrollLock, Main, Scroll},

    // Input-method keys
    {Qt::Key_Kana_Lock, Main, Kana},
    {Qt::Key_Hangul, Main, Kana},
    {Qt::Key_Hangul_Hanja, Main, Hanja},
    {Qt::Key_Kanji, Main, Hanja},
    {Qt::Key_Henkan, Main, Convert},
    {Qt::Key_Muhenkan, Main, NonConvert},
    {Qt::Key_Mode_switch, Main, ModeChange},

    // Navigation
    {Qt::Key_PageUp, Main, Prior},
    {Qt::Key_PageDown, Main, Next},
    {Qt::Key_End, Main, End},
    {Qt::Key_Home, Main, Home},
    {Qt::Key_Left, Main, Left},
    {Qt::Key_Up, Main, Up},
    {Qt::Key_Right, Main, Right},
    {Qt::Key_Down, Main, Down},
    {Qt::Key_Select, Main, Select},
    {Qt::Key_Printer, Main, Print},
    {Qt::Key_Execute, Main, Execute},
    {Qt::Key_Print, Main, Snapshot},
    {Qt::Key_SysReq, Main, Snapshot},
    {Qt::Key_Insert, Main, Insert},
    {Qt::Key_Delete, Main, Delete},
    {Qt::Key_Help, Main, Help},

    // Digits, and the characters that share their keys
    {Qt::Key_0, Main, Digit(0)},
    {Qt::Key_1, Main, Digit(1)},
    {Qt::Key_2, Main, Digit(2)},
    {Qt::Key_3, Main, Digit(3)},
    {Qt::Key_4, Main, Digit(4)},
    {Qt::Key_5, Main, Digit(5)},
    {Qt::Key_6, Main, Digit(6)},
    {Qt::Key_7, Main, Digit(7)},
    {Qt::Key_8, Main, Digit(8)},
    {Qt::Key_9, Main, Digit(9)},
    {Qt::Key_ParenRight, Main, Digit(0)},
    {Qt::Key_Exclam, Main, Digit(1)},
    {Qt::Key_At, Main, Digit(2)},
    {Qt::Key_NumberSign, Main, Digit(3)},
    {Qt::Key_Dollar, Main, Digit(4)},
    {Qt::Key_Percent, Main, Digit(5)},
    {Qt::Key_AsciiCircum, Main, Digit(6)},
    {Qt::Key_Ampersand, Main, Digit(7)},
    {Qt::Key_Asterisk, Main, Digit(8)},
    {Qt::Key_ParenLeft, Main, Digit(9)},

    // Letters
    {Qt::Key_A, Main, Letter('A')},
    {Qt::Key_B, Main, Letter('B')},
    {Qt::Key_C, Main, Letter('C')},
    {Qt::Key_D, Main, Letter('D')},
    {Qt::Key_E, Main, Letter('E')},
    {Qt::Key_F, Main, Letter('F')},
    {Qt::Key_G, Main, Letter('G')},
    {Qt::Key_H, Main, Letter('H')},
    {Qt::Key_I, Main, Letter('I')},
    {Qt::Key_J, Main, Letter('J')},
    {Qt::Key_K, Main, Letter('K')},
    {Qt::Key_L, Main, Letter('L')},
    {Qt::Key_M, Main, Letter('M')},
    {Qt::Key_N, Main, Letter('N')},
    {Qt::Key_O, Main, Letter('O')},
    {Qt::Key_P, Main, Letter('P')},
    {Qt::Key_Q, Main, Letter('Q')},
    {Qt::Key_R, Main, Letter('R')},
    {Qt::Key_S, Main, Letter('S')},
    {Qt::Key_T, Main, Letter('T')},
    {Qt::Key_U, Main, Letter('U')},
    {Qt::Key_V, Main, Letter('V')},
    {Qt::Key_W, Main, Letter('W')},
    {Qt::Key_X, Main, Letter('X')},
    {Qt::Key_Y, Main, Letter('Y')},
    {Qt::Key_Z, Main, Letter('Z')},

    // System keys
    {Qt::Key_Meta, Main, LWin},
    {Qt::Key_Super_L, Main, LWin},
    {Qt::Key_Super_R, Main, RWin},
    {Qt::Key_Menu, Main, Apps},
    {Qt::Key_Sleep, Main, Sleep},

    // The numeric keypad with Num Lock on
    {Qt::Key_0, Keypad, NumpadDigit(0)},
    {Qt::Key_1, Keypad, NumpadDigit(1)},
    {Qt::Key_2, Keypad, NumpadDigit(2)},
    {Qt::Key_3, Keypad, NumpadDigit(3)},
    {Qt::Key_4, Keypad, NumpadDigit(4)},
    {Qt::Key_5, Keypad, NumpadDigit(5)},
    {Qt::Key_6, Keypad, NumpadDigit(6)},
    {Qt::Key_7, Keypad, NumpadDigit(7)},
    {Qt::Key_8, Keypad, NumpadDigit(8)},
    {Qt::Key_9, Keypad, NumpadDigit(9)},
    {Qt::Key_Asterisk, Keypad, Multiply},
    {Qt::Key_Plus, Keypad, Add},
    {Qt::Key_Minus, Keypad, Subtract},
    {Qt::Key_Period, Keypad, Decimal},
    {Qt::Key_Comma, Keypad, Decimal}, // the decimal key where it gives a comma
    {Qt::Key_Slash, Keypad, Divide},
    {Qt::Key_Equal, Keypad, OemNecEqual},

    // Function keys
    {Qt::Key_F1, Main, FunctionKey(1)},
    {Qt::Key_F2, Main, FunctionKey(2)},
    {Qt::Key_F3, Main, FunctionKey(3)},
    {Qt::Key_F4, Main, FunctionKey(4)},
    {Qt::Key_F5, Main, FunctionKey(5)},
    {Qt::Key_F6, Main, FunctionKey(6)},
    {Qt::Key_F7, Main, FunctionKey(7)},
    {Qt::Key_F8, Main, FunctionKey(8)},
    {Qt::Key_F9, Main, FunctionKey(9)},
    {Qt::Key_F10, Main, FunctionKey(10)},
    {Qt::Key_F11, Main, FunctionKey(11)},
    {Qt::Key_F12, Main, FunctionKey(12)},
    {Qt::Key_F13, Main, FunctionKey(13)},
    {Qt::Key_F14, Main, FunctionKey(14)},
    {Qt::Key_F15, Main, FunctionKey(15)},
    {Qt::Key_F16, Main, FunctionKey(16)},
    {Qt::Key_F17, Main, FunctionKey(17)},
    {Qt::Key_F18, Main, FunctionKey(18)},
    {Qt::Key_F19, Main, FunctionKey(19)},
    {Qt::Key_F20, Main, FunctionKey(20)},
    {Qt::Key_F21, Main, FunctionKey(21)},
    {Qt::Key_F22, Main, FunctionKey(22)},
    {Qt::Key_F23, Main, FunctionKey(23)},
    {Qt::Key_F24, Main, FunctionKey(24)},

    // Browser, volume, media and launch keys
    {Qt::Key_Back, Main, BrowserBack},
    {Qt::Key_Forward, Main, BrowserForward},
    {Qt::Key_Refresh, Main, BrowserRefresh},
    {Qt::Key_Stop, Main, BrowserStop},
    {Qt::Key_Search, Main, BrowserSearch},
    {Qt::Key_Favorites, Main, BrowserFavorites},
    {Qt::Key_HomePage, Main, BrowserHome},
    {Qt::Key_VolumeMute, Main, VolumeMute},
    {Qt::Key_VolumeDown, Main, VolumeDown},
    {Qt::Key_VolumeUp, Main, VolumeUp},
    {Qt::Key_MediaNext, Main, MediaNextTrack},
    {Qt::Key_MediaPrevious, Main, MediaPrevTrack},
    {Qt::Key_MediaStop, Main, MediaStop},
    {Qt::Key_MediaPlay, Main, MediaPlayPause},
    {Qt::Key_MediaPause, Main, MediaPlayPause},
    {Qt::Key_MediaTogglePlayPause, Main, MediaPlayPause},
    {Qt::Key_LaunchMail, Main, LaunchMail},
    {Qt::Key_LaunchMedia, Main, LaunchMediaSelect},
    {Qt::Key_Launch0, Main, LaunchApp1},
    {Qt::Key_Launch1, Main, LaunchApp2},

    // Punctuation keys (VK_OEM_1 ... VK_OEM_7), with their shifted characters
    {Qt::Key_Semicolon, Main, Oem1},
    {Qt::Key_Colon, Main, Oem1},
    {Qt::Key_Equal, Main, OemPlus},
    {Qt::Key_Plus, Main, OemPlus},
    {Qt::Key_Comma, Main, OemComma},
    {Qt::Key_Less, Main, OemComma},
    {Qt::Key_Minus, Main, OemMinus},
    {Qt::Key_Underscore, Main, OemMinus},
    {Qt::Key_Period, Main, OemPeriod},
    {Qt::Key_Greater, Main, OemPeriod},
    {Qt::Key_Slash, Main, Oem2},
    {Qt::Key_Question, Main, Oem2},
    {Qt::Key_QuoteLeft, Main, Oem3},
    {Qt::Key_AsciiTilde, Main, Oem3},
    {Qt::Key_BracketLeft, Main, Oem4},
    {Qt::Key_BraceLeft, Main, Oem4},
    {Qt::Key_Backslash, Main, Oem5},
    {Qt::Key_Bar, Main, Oem5},
    {Qt::Key_BracketRight, Main, Oem6},
    {Qt::Key_BraceRight, Main, Oem6},
    {Qt::Key_Apostrophe, Main, Oem7},
    {Qt::Key_QuoteDbl, Main, Oem7},

    // Rarely seen keys that still have a code
    {Qt::Key_Play, Main, Play},
    {Qt::Key_Zoom, Main, Zoom},
});

struct Place {
    std::uint32_t evdevCode;
    std::uint8_t code;
};

// The punctuation keys of the main block and the keypad's operators and decimal key, by their place
// (the keypad's digits go by Qt's name, which follows Num Lock).
constexpr std::array Places = std::to_array<Place>({
    {12, OemMinus}, {13, OemPlus}, {26, Oem4},   {27, Oem6},         {39, Oem1},
    {40, Oem7},     {41, Oem3},    {43, Oem5},   {51, OemComma},     {52, OemPeriod},
    {53, Oem2},     {57, Space},   {86, Oem102}, {55, Multiply},     {74, Subtract},
    {78, Add},      {83, Decimal}, {98, Divide}, {117, OemNecEqual},
});

// The rows of digits and letters, each from the evdev code of its first key. The code of a digit
// or a letter is its character (upper case).
struct KeyRow {
    std::uint32_t first;
    std::string_view keys;
};
constexpr KeyRow KeyRows[] = {{2, "1234567890"}, {16, "QWERTYUIOP"}, {30, "ASDFGHJKL"}, {44, "ZXCVBNM"}};

// Keys Qt names the same on every layout: the Latin letters and the digits (of the keypad too).
bool NamedAlike(int qtKey) {
    return (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9);
}

// Qt names a key that types a character by the character; the others from 0x01000000 on.
bool TypesACharacter(int qtKey) {
    return qtKey > 0 && qtKey < Qt::Key_Escape;
}

const Entry* Find(int qtKey, bool keypad) {
    const auto it = std::find_if(Rows.begin(), Rows.end(),
                                 [&](const Entry& e) { return e.qtKey == qtKey && e.keypad == keypad; });
    return it == Rows.end() ? nullptr : &*it;
}

} // namespace

std::span<const Entry> Table() {
    return Rows;
}

std::uint8_t FromQtKey(int qtKey, bool keypad) {
    if (keypad)
        if (const Entry* e = Find(qtKey, true)) return e->code;
    const Entry* e = Find(qtKey, false);
    return e ? e->code : 0;
}

std::uint8_t FromKeyPlace(std::uint32_t evdevCode) {
    for (const KeyRow& row : KeyRows)
        if (evdevCode >= row.first && evdevCode - row.first < row.keys.size())
            return static_cast<std::uint8_t>(row.keys[evdevCode - row.first]);
    const auto it =
        std::find_if(Places.begin(), Places.end(), [&](const Place& p) { return p.evdevCode == evdevCode; });
    return it == Places.end() ? 0 : it->code;
}

std::uint8_t KeyCodeOf(int qtKey, bool keypad, std::uint32_t evdevCode) {
    if (TypesACharacter(qtKey) && !NamedAlike(qtKey) && evdevCode != 0)
        if (const std::uint8_t code = FromKeyPlace(evdevCode)) return code;
    if (const std::uint8_t code = FromQtKey(qtKey, keypad)) return code;
    return evdevCode != 0 ? FromKeyPlace(evdevCode) : 0;
}

} // namespace virtual_keys

} // namespace chameleon_button
