#pragma once
// What the fuzz targets of the tool's cells share: the demo ROM's move table, and a check that stops
// the run where a property fails.

#include "rom/MoveBytes.h"
#include "tools/demo_rom/DemoRom.h"
#include "tools/skirmela_moves/TableView.h"

#include <cstdlib>
#include <vector>

inline const std::vector<rom::MoveRow>& DemoMoveTable() {
    static const std::vector<rom::MoveRow> rows = [] {
        const demo::DemoRom image = demo::MakeDemoRom();
        return rom::ReadMoveRows(image.bytes, {image.layout.nameStart, image.layout.dataOffset});
    }();
    return rows;
}

// The same table as the tool's view of it (no descriptions, no contest data, released layout).
inline const moves::TableView& DemoView() {
    static const moves::TableView view{DemoMoveTable()};
    return view;
}

inline void Require(bool condition) {
    if (!condition) std::abort();
}
