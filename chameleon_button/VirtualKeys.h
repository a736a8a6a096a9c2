#pragma once
// The host's virtual-key codes of Qt's keys (VK_SPACE 0x20, VK_LEFT 0x25, VK_F1 0x70, VK_NUMLOCK 0x90,
// VK_OEM_1 0xBA ...), looked up in one table. A key the host has no code for (Compose, a camera
// button, a dead key) translates to 0.

#include <cstdint>
#include <span>

namespace virtual_keys {

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

} // namespace virtual_keys
