#include "chameleon_button/VirtualKeys.h"

#include <Qt>
#include <algorithm>
#include <array>

namespace virtual_keys {
namespace {

constexpr bool Main = false;
constexpr bool Keypad = true;

constexpr std::array Rows = std::to_array<Entry>({
    // Editing and control keys
    {Qt::Key_Cancel, Main, 0x03},    // VK_CANCEL
    {Qt::Key_Backspace, Main, 0x08}, // VK_BACK
    {Qt::Key_Tab, Main, 0x09},       // VK_TAB
    {Qt::Key_Backtab, Main, 0x09},   // shift and tab: the tab key
    {Qt::Key_Clear, Main, 0x0C},     // VK_CLEAR (keypad 5 with Num Lock off)
    {Qt::Key_Return, Main, 0x0D},    // VK_RETURN
    {Qt::Key_Enter, Main, 0x0D},     // the keypad's Enter is VK_RETURN too
    {Qt::Key_Shift, Main, 0x10},     // VK_SHIFT
    {Qt::Key_Control, Main, 0x11},   // VK_CONTROL
    {Qt::Key_Alt, Main, 0x12},       // VK_MENU
    {Qt::Key_AltGr, Main, 0x12},
    {Qt::Key_Pause, Main, 0x13},  // VK_PAUSE
    {Qt::Key_Escape, Main, 0x1B}, // VK_ESCAPE
    {Qt::Key_Space, Main, 0x20},  // VK_SPACE

    // Lock keys
    {Qt::Key_CapsLock, Main, 0x14},   // VK_CAPITAL
    {Qt::Key_NumLock, Main, 0x90},    // VK_NUMLOCK
    {Qt::Key_ScrollLock, Main, 0x91}, // VK_SCROLL

    // Input-method keys
    {Qt::Key_Kana_Lock, Main, 0x15},    // VK_KANA
    {Qt::Key_Hangul, Main, 0x15},       // VK_HANGUL
    {Qt::Key_Hangul_Hanja, Main, 0x19}, // VK_HANJA
    {Qt::Key_Kanji, Main, 0x19},        // VK_KANJI
    {Qt::Key_Henkan, Main, 0x1C},       // VK_CONVERT
    {Qt::Key_Muhenkan, Main, 0x1D},     // VK_NONCONVERT
    {Qt::Key_Mode_switch, Main, 0x1F},  // VK_MODECHANGE

    // Navigation
    {Qt::Key_PageUp, Main, 0x21},   // VK_PRIOR
    {Qt::Key_PageDown, Main, 0x22}, // VK_NEXT
    {Qt::Key_End, Main, 0x23},
    {Qt::Key_Home, Main, 0x24},
    {Qt::Key_Left, Main, 0x25},
    {Qt::Key_Up, Main, 0x26},
    {Qt::Key_Right, Main, 0x27},
    {Qt::Key_Down, Main, 0x28},
    {Qt::Key_Select, Main, 0x29},
    {Qt::Key_Printer, Main, 0x2A}, // VK_PRINT
    {Qt::Key_Execute, Main, 0x2B},
    {Qt::Key_Print, Main, 0x2C}, // VK_SNAPSHOT
    {Qt::Key_SysReq, Main, 0x2C},
    {Qt::Key_Insert, Main, 0x2D},
    {Qt::Key_Delete, Main, 0x2E},
    {Qt::Key_Help, Main, 0x2F},

    // Digits, and the characters that share their keys
    {Qt::Key_0, Main, 0x30},
    {Qt::Key_1, Main, 0x31},
    {Qt::Key_2, Main, 0x32},
    {Qt::Key_3, Main, 0x33},
    {Qt::Key_4, Main, 0x34},
    {Qt::Key_5, Main, 0x35},
    {Qt::Key_6, Main, 0x36},
    {Qt::Key_7, Main, 0x37},
    {Qt::Key_8, Main, 0x38},
    {Qt::Key_9, Main, 0x39},
    {Qt::Key_ParenRight, Main, 0x30},
    {Qt::Key_Exclam, Main, 0x31},
    {Qt::Key_At, Main, 0x32},
    {Qt::Key_NumberSign, Main, 0x33},
    {Qt::Key_Dollar, Main, 0x34},
    {Qt::Key_Percent, Main, 0x35},
    {Qt::Key_AsciiCircum, Main, 0x36},
    {Qt::Key_Ampersand, Main, 0x37},
    {Qt::Key_Asterisk, Main, 0x38},
    {Qt::Key_ParenLeft, Main, 0x39},

    // Letters
    {Qt::Key_A, Main, 0x41},
    {Qt::Key_B, Main, 0x42},
    {Qt::Key_C, Main, 0x43},
    {Qt::Key_D, Main, 0x44},
    {Qt::Key_E, Main, 0x45},
    {Qt::Key_F, Main, 0x46},
    {Qt::Key_G, Main, 0x47},
    {Qt::Key_H, Main, 0x48},
    {Qt::Key_I, Main, 0x49},
    {Qt::Key_J, Main, 0x4A},
    {Qt::Key_K, Main, 0x4B},
    {Qt::Key_L, Main, 0x4C},
    {Qt::Key_M, Main, 0x4D},
    {Qt::Key_N, Main, 0x4E},
    {Qt::Key_O, Main, 0x4F},
    {Qt::Key_P, Main, 0x50},
    {Qt::Key_Q, Main, 0x51},
    {Qt::Key_R, Main, 0x52},
    {Qt::Key_S, Main, 0x53},
    {Qt::Key_T, Main, 0x54},
    {Qt::Key_U, Main, 0x55},
    {Qt::Key_V, Main, 0x56},
    {Qt::Key_W, Main, 0x57},
    {Qt::Key_X, Main, 0x58},
    {Qt::Key_Y, Main, 0x59},
    {Qt::Key_Z, Main, 0x5A},

    // System keys
    {Qt::Key_Meta, Main, 0x5B},    // VK_LWIN
    {Qt::Key_Super_L, Main, 0x5B}, // VK_LWIN
    {Qt::Key_Super_R, Main, 0x5C}, // VK_RWIN
    {Qt::Key_Menu, Main, 0x5D},    // VK_APPS
    {Qt::Key_Sleep, Main, 0x5F},   // VK_SLEEP

    // The numeric keypad with Num Lock on
    {Qt::Key_0, Keypad, 0x60}, // VK_NUMPAD0
    {Qt::Key_1, Keypad, 0x61},
    {Qt::Key_2, Keypad, 0x62},
    {Qt::Key_3, Keypad, 0x63},
    {Qt::Key_4, Keypad, 0x64},
    {Qt::Key_5, Keypad, 0x65},
    {Qt::Key_6, Keypad, 0x66},
    {Qt::Key_7, Keypad, 0x67},
    {Qt::Key_8, Keypad, 0x68},
    {Qt::Key_9, Keypad, 0x69},        // VK_NUMPAD9
    {Qt::Key_Asterisk, Keypad, 0x6A}, // VK_MULTIPLY
    {Qt::Key_Plus, Keypad, 0x6B},     // VK_ADD
    {Qt::Key_Minus, Keypad, 0x6D},    // VK_SUBTRACT
    {Qt::Key_Period, Keypad, 0x6E},   // VK_DECIMAL
    {Qt::Key_Comma, Keypad, 0x6E},    // the decimal key where it gives a comma
    {Qt::Key_Slash, Keypad, 0x6F},    // VK_DIVIDE
    {Qt::Key_Equal, Keypad, 0x92},    // VK_OEM_NEC_EQUAL

    // Function keys
    {Qt::Key_F1, Main, 0x70},
    {Qt::Key_F2, Main, 0x71},
    {Qt::Key_F3, Main, 0x72},
    {Qt::Key_F4, Main, 0x73},
    {Qt::Key_F5, Main, 0x74},
    {Qt::Key_F6, Main, 0x75},
    {Qt::Key_F7, Main, 0x76},
    {Qt::Key_F8, Main, 0x77},
    {Qt::Key_F9, Main, 0x78},
    {Qt::Key_F10, Main, 0x79},
    {Qt::Key_F11, Main, 0x7A},
    {Qt::Key_F12, Main, 0x7B},
    {Qt::Key_F13, Main, 0x7C},
    {Qt::Key_F14, Main, 0x7D},
    {Qt::Key_F15, Main, 0x7E},
    {Qt::Key_F16, Main, 0x7F},
    {Qt::Key_F17, Main, 0x80},
    {Qt::Key_F18, Main, 0x81},
    {Qt::Key_F19, Main, 0x82},
    {Qt::Key_F20, Main, 0x83},
    {Qt::Key_F21, Main, 0x84},
    {Qt::Key_F22, Main, 0x85},
    {Qt::Key_F23, Main, 0x86},
    {Qt::Key_F24, Main, 0x87},

    // Browser, volume, media and launch keys
    {Qt::Key_Back, Main, 0xA6},      // VK_BROWSER_BACK
    {Qt::Key_Forward, Main, 0xA7},   // VK_BROWSER_FORWARD
    {Qt::Key_Refresh, Main, 0xA8},   // VK_BROWSER_REFRESH
    {Qt::Key_Stop, Main, 0xA9},      // VK_BROWSER_STOP
    {Qt::Key_Search, Main, 0xAA},    // VK_BROWSER_SEARCH
    {Qt::Key_Favorites, Main, 0xAB}, // VK_BROWSER_FAVORITES
    {Qt::Key_HomePage, Main, 0xAC},  // VK_BROWSER_HOME
    {Qt::Key_VolumeMute, Main, 0xAD},
    {Qt::Key_VolumeDown, Main, 0xAE},
    {Qt::Key_VolumeUp, Main, 0xAF},
    {Qt::Key_MediaNext, Main, 0xB0},     // VK_MEDIA_NEXT_TRACK
    {Qt::Key_MediaPrevious, Main, 0xB1}, // VK_MEDIA_PREV_TRACK
    {Qt::Key_MediaStop, Main, 0xB2},
    {Qt::Key_MediaPlay, Main, 0xB3}, // VK_MEDIA_PLAY_PAUSE
    {Qt::Key_MediaPause, Main, 0xB3},
    {Qt::Key_MediaTogglePlayPause, Main, 0xB3},
    {Qt::Key_LaunchMail, Main, 0xB4},  // VK_LAUNCH_MAIL
    {Qt::Key_LaunchMedia, Main, 0xB5}, // VK_LAUNCH_MEDIA_SELECT
    {Qt::Key_Launch0, Main, 0xB6},     // VK_LAUNCH_APP1
    {Qt::Key_Launch1, Main, 0xB7},     // VK_LAUNCH_APP2

    // Punctuation keys (VK_OEM_1 ... VK_OEM_7), with their shifted characters
    {Qt::Key_Semicolon, Main, 0xBA}, // VK_OEM_1
    {Qt::Key_Colon, Main, 0xBA},
    {Qt::Key_Equal, Main, 0xBB}, // VK_OEM_PLUS
    {Qt::Key_Plus, Main, 0xBB},
    {Qt::Key_Comma, Main, 0xBC}, // VK_OEM_COMMA
    {Qt::Key_Less, Main, 0xBC},
    {Qt::Key_Minus, Main, 0xBD}, // VK_OEM_MINUS
    {Qt::Key_Underscore, Main, 0xBD},
    {Qt::Key_Period, Main, 0xBE}, // VK_OEM_PERIOD
    {Qt::Key_Greater, Main, 0xBE},
    {Qt::Key_Slash, Main, 0xBF}, // VK_OEM_2
    {Qt::Key_Question, Main, 0xBF},
    {Qt::Key_QuoteLeft, Main, 0xC0}, // VK_OEM_3
    {Qt::Key_AsciiTilde, Main, 0xC0},
    {Qt::Key_BracketLeft, Main, 0xDB}, // VK_OEM_4
    {Qt::Key_BraceLeft, Main, 0xDB},
    {Qt::Key_Backslash, Main, 0xDC}, // VK_OEM_5
    {Qt::Key_Bar, Main, 0xDC},
    {Qt::Key_BracketRight, Main, 0xDD}, // VK_OEM_6
    {Qt::Key_BraceRight, Main, 0xDD},
    {Qt::Key_Apostrophe, Main, 0xDE}, // VK_OEM_7
    {Qt::Key_QuoteDbl, Main, 0xDE},

    // Rarely seen keys that still have a code
    {Qt::Key_Play, Main, 0xFA}, // VK_PLAY
    {Qt::Key_Zoom, Main, 0xFB}, // VK_ZOOM
});

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

} // namespace virtual_keys
