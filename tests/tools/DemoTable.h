#pragma once
// The demo ROM in memory with its move table read, and the offsets of its bytes, for the tool's tests.

#include "rom/MoveBytes.h"
#include "tools/demo_rom/DemoRom.h"
#include "tools/skirmela_moves/ChangePlan.h"

struct DemoTable {
    demo::DemoRom image = demo::MakeDemoRom();
    rom::MoveTables at{image.layout.nameStart, image.layout.dataOffset};
    std::vector<rom::MoveRow> rows = rom::ReadMoveRows(image.bytes, at);
    moves::TableView view{rows};

    // A change of move k that stores what is there already.
    moves::MoveChange Change(int k) const {
        return {k, std::nullopt, std::nullopt, rows[static_cast<std::size_t>(k)].bytes};
    }
    std::int32_t Name(int k, int i) const {
        return static_cast<std::int32_t>(rom::NameEntryOffset(at, k) + i);
    }
    std::int32_t Field(int k, rom::MoveField f) const {
        return static_cast<std::int32_t>(rom::RecordOffset(at, k)) + static_cast<int>(f);
    }
};
