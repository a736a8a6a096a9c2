#pragma once
// The host's virtual-key codes: named, looked up from Qt's keys in one table, and from a key's place
// on the keyboard. A key the host has no code for (Compose, a camera button) translates to 0.

#include <cstdint>
#include <span>

namespace chameleon_button {

namespace virtual_keys {

// The codes by name (VK_SPACE is Space, VK_OEM_1 is Oem1); digits, letters, keypad digits and
// function keys run on from their first member.
enum Code : std::uint8_t {
    Cancel = 0x03,
    Back = 0x08,
    Tab = 0x09,
    Clear = 0x0C,
    Return = 0x0D,
    Shift = 0x10,
    Control = 0x11,
    Menu = 0x12, // Alt
    Pause = 0x13,
    Capital = 0x14, // Caps Lock
    Kana = 0x15,    // also Hangul
    Hanja = 0x19,   // also Kanji
    Escape = 0x1B,
    Convert = 0x1C,
    NonConvert = 0x1D,
    ModeChange = 0x1F,
    Space = 0x20,
    Prior = 0x21, // Page Up
    Next = 0x22,  // Page Down
    End = 0x23,
    Home = 0x24,
    Left = 0x25,
    Up = 0x26,
    Right = 0x27,
    Down = 0x28,
    Select = 0x29,
    Print = 0x2A,
    Execute = 0x2B,
    Snapshot = 0x2C, // Print Screen
    Insert = 0x2D,
    Delete = 0x2E,
    Help = 0x2F,
    Digit0 = 0x30,  // to 0x39
    LetterA = 0x41, // to 0x5A
    LWin = 0x5B,
    RWin = 0x5C,
    Apps = 0x5D,
    Sleep = 0x5F,
    Numpad0 = 0x60, // to 0x69
    Multiply = 0x6A,
    Add = 0x6B,
    Subtract = 0x6D,
    Decimal = 0x6E,
    Divide = 0x6F,
    F1 = 0x70, // to F24, 0x87
    NumLock = 0x90,
    Scroll = 0x91,
    OemNecEqual = 0x92, // the keypad's =
    BrowserBack = 0xA6,
    BrowserForward = 0xA7,
    BrowserRefresh = 0xA8,
    BrowserStop = 0xA9,
    BrowserSearch = 0xAA,
    BrowserFavorites = 0xAB,
    BrowserHome = 0xAC,
    VolumeMute = 0xAD,
    VolumeDown = 0xAE,
    VolumeUp = 0xAF,
    MediaNextTrack = 0xB0,
    MediaPrevTrack = 0xB1,
    MediaStop = 0xB2,
    MediaPlayPause = 0xB3,
    LaunchMail = 0xB4,
    LaunchMediaSelect = 0xB5,
    LaunchApp1 = 0xB6,
    LaunchApp2 = 0xB7,
    Oem1 = 0xBA, // ; and : on the US layout
    OemPlus = 0xBB,
    OemComma = 0xBC,
    OemMinus = 0xBD,
    OemPeriod = 0xBE,
    Oem2 = 0xBF,   // / and ?
    Oem3 = 0xC0,   // ` and ~
    Oem4 = 0xDB,   // [ and {
    Oem5 = 0xDC,   // \ and |
    Oem6 = 0xDD,   // ] and }
    Oem7 = 0xDE,   // ' and "
    Oem102 = 0xE2, // the key between the left Shift and Z of 102-key keyboards
    Play = 0xFA,
    Zoom = 0xFB,
};

constexpr std::uint8_t Digit(int n) {
    return static_cast<std::uint8_t>(Digit0 + n);
}
constexpr std::uint8_t Letter(char upper) {
    return static_cast<std::uint8_t>(LetterA + (upper - 'A'));
}
constexpr std::uint8_t NumpadDigit(int n) {
    return static_cast<std::uint8_t>(Numpad0 + n);
}
constexpr std::uint8_t FunctionKey(int n) { // F1 to F24
    return static_cast<std::uint8_t>(F1 + n - 1);
}

struct Entry {
    int qtKey;         // a Qt::Key value
    bool keypad;       // the row applies to keys of the numeric keypad only (Qt::KeypadModifier)
    std::uint8_t code; // the virtual-key code, 1 to 254
};

// Every row of the translation. Punctuation and shifted digits follow the US layout: the code is
// the one of the key that carries the character there.
std::span<const Entry> Table();

// The virtual-key code of a Qt key, or 0 where there is none. A keypad key without a row of its own
// (Home, Enter, the arrows with Num Lock off) has the code of the main key.
std::uint8_t FromQtKey(int qtKey, bool keypad);

// The code of the key at a place of the main block or the keypad, named by its evdev code (Linux's
// number of the key's position), as the US layout names that place; 0 for other places.
std::uint8_t FromKeyPlace(std::uint32_t evdevCode);

// The code KeyDown and KeyUp carry. Latin letters, digits and the keys that type no character go by
// what Qt calls them, whatever the layout. Every other key that types a character (punctuation,
// umlauts, letters of other alphabets, the keypad's operators) goes by its place where that is known
// (evdevCode not 0), and by the US layout's key for its character otherwise.
std::uint8_t KeyCodeOf(int qtKey, bool keypad, std::uint32_t evdevCode);

} // namespace virtual_keys

} // namespace chameleon_button
