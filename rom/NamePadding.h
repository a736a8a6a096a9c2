#pragma once
// A name written back as the ROM pads its entries: after the end byte, the entry keeps the bytes it
// has now (FF-padded entries stay FF-padded, blank-padded ones blank), so an unchanged name writes
// the very bytes it was read from.

#include "rom/MoveBytes.h"

namespace rom {

// The entry to write for a name: encoded is the entry as EncodeNameEntry gives it (the name's
// bytes, the end byte, blanks), current the entry as it lies in the ROM. After the new end byte,
// a byte that lay after the current end byte stays as it is, and a byte the name has given up takes
// the padding byte the current entry uses (the byte after its end byte; blank 00 when it has none).
// A 12-character name has its end byte and no padding, 13 characters no end byte. An empty name is
// the end byte and blanks, never 13 FF: 13 FF bytes are free space, which ends a table that is
// counted by its names. Never fails.
NameEntry PaddedNameEntry(const NameEntry& encoded, const NameEntry& current);

} // namespace rom
