#include "editor/Form1.h"

#include "editor/NumberConversions.h"
#include "rom/GameText.h"
#include "rom/HexFunctions.h"

namespace editor {

void Form1::cmdAdd_Click() {
    // Items are added as a batch; signals stay off so no selection change runs the view meanwhile.
    if (project_) return ListProjectMoves();
    const QSignalBlocker quiet(List1);
    List1->clear();
    List1->addItem(QStringLiteral("--NONE--"));
    const std::int32_t last = RoundToInteger(ParseLeadingNumber(txtNumber->text().toStdString()));
    const std::string rom = RomPath.toStdString();
    for (std::int32_t nameIndex = 0; nameIndex <= last; ++nameIndex) {
        // The parameter fields are read anew in every pass.
        const double stride = ParseLeadingNumber(txtLength->text().toStdString());
        const std::int32_t count = RoundToInteger(ParseNumber(txtLength->text().toStdString()));
        const std::int32_t offset =
            RoundToInteger(ParseNumber(txtStart->text().toStdString()) + nameIndex * stride);
        List1->addItem(QString::fromStdString(rom::DecodeGameText(rom::ReadHexBytes(rom, offset, count))));
    }
    FillContestLists(); // the combo starter ids by the names now in the list
}

} // namespace editor
