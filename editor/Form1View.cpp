#include "editor/Form1.h"

#include "editor/ClampFieldText.h"
#include "editor/NumberConversions.h"
#include "rom/HexFunctions.h"
#include "rom/MoveBytes.h"
#include "rom/MoveRecord.h"

namespace editor {

void Form1::List1_Click() {
    const int k = List1->currentRow();
    if (k < 0) return; // the list was cleared: no move to show

    txtNewName->setText(List1->item(k)->text());
    txtNewName->setEnabled(k != 0);
    for (QWidget* field :
         std::initializer_list<QWidget*>{txtPower, txtAcc, txtPP, txtEff, cmbEffect, cmbTarget, cmbType})
        field->setEnabled(true);

    ShowDescription(k); // from the tables read with the ROM: no file access to fail
    ShowContest(k);
    if (project_) return ShowProjectRecord(k); // from the model read with the project
    const std::string rom = RomPath.toStdString();
    try {
        for (rom::MoveField f : rom::MoveFieldAccessOrder) {
            const double data = ParseLeadingNumber(txtDataOffset->text().toStdString());
            const std::int32_t position = RoundToInteger(data + rom::MoveFieldOffset(0, k, f));
            const int byte = rom::ParseHexPair(rom::ReadHexBytes(rom, position, 1));
            const auto text = QString::number(byte);
            switch (f) {
            case rom::MoveField::effect:
                ShowListByte(cmbEffect, byte);
                break;
            case rom::MoveField::power:
                txtPower->setText(text);
                break;
            case rom::MoveField::type:
                ShowListByte(cmbType, byte);
                break;
            case rom::MoveField::accuracy:
                txtAcc->setText(text);
                break;
            case rom::MoveField::pp:
                txtPP->setText(text);
                break;
            case rom::MoveField::effectChance:
                txtEff->setText(text);
                break;
            case rom::MoveField::target:
                ShowListByte(cmbTarget, byte);
                break;
            }
        }
        ShowRestOfRecord(k);
    } catch (const std::exception&) {
        // A move beyond the table's 16-bit reach or an offset beyond 32 bits cannot be shown; the
        // fields filled so far keep their new contents and the window stays usable.
    }
}

void Form1::ShowListByte(QComboBox* box, int byte) {
    box->setCurrentIndex(byte); // every byte has its entry, a value the vocabulary does not name its number
}

double Form1::ListFieldValue(QComboBox* box, rom::MoveField) const {
    return box->currentIndex();
}

void Form1::ClampField(QLineEdit* field) {
    const bool priority = field == txtPriority; // a signed byte
    field->setText(
        QString::fromStdString(ClampFieldText(field->text().toStdString(), priority ? rom::PriorityLowest : 0,
                                              priority ? rom::PriorityHighest : 255)));
}

} // namespace editor
