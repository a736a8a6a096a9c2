#include "editor/Form1.h"

#include "chameleon_button/chameleonButton.h"
#include "editor/ButtonSettings.h"
#include "editor/NumberConversions.h"
#include "editor/SavePlan.h"
#include "editor/TypingLimit.h"
#include "editor/WindowLayout.h"
#include "rom/HexFunctions.h"

#include <QTabWidget>

namespace editor {
namespace {

constexpr int FlagTop = 16, FlagPitch = 19;

// The letter of each flag's text that carries its access key.
constexpr std::array<char, rom::MoveFlagCount> FlagAccessKeys = {'c', 'P', 'g', 'S', 'v', 'K'};

QString WithAccessKey(const char* text, char key) {
    QString caption = QString::fromUtf8(text);
    caption.insert(caption.indexOf(QLatin1Char(key)), QLatin1Char('&'));
    return caption;
}

} // namespace

void Form1::CreateRecordControls() {
    cmdMore = new chameleonButton(this);
    cmdMore->setObjectName(QStringLiteral("cmdMore"));
    cmdMore->ReadProperties(StoredButtonSettings(cmdMore->objectName()));
    cmdMore->setGeometry(425, 8, 32, 19); // beside the name field, the one free place of the window
    cmdMore->setToolTip(
        QStringLiteral("Priority, flags, the unused bytes, the description and the contest data of the move; "
                       "undo and redo of saves, and a patch of the ROM"));
    connect(cmdMore, &chameleonButton::Click, this, [this] { ShowWholeRecord(cmdMore->Value != 0); });

    // Created after the buttons, so the tab order reaches the pages after every specified control.
    tabMore = new QTabWidget(this);
    tabMore->setObjectName(QStringLiteral("tabMore"));
    tabMore->setGeometry(PagesLeft, PagesTop, PagesWidth, PagesHeight);
    pageRecord = new QWidget;
    pageRecord->setObjectName(QStringLiteral("pageRecord"));
    tabMore->addTab(pageRecord, QStringLiteral("Record"));

    const auto frame = [this](const char* name, const char* caption, QRect place) {
        auto* box = new QGroupBox(QString::fromUtf8(caption), pageRecord);
        box->setObjectName(QString::fromLatin1(name));
        box->setGeometry(place);
        return box;
    };
    const auto numberField = [this](QGroupBox* box, const QString& name, int x, int width, int typingLimit) {
        auto* field = new QLineEdit(box);
        field->setObjectName(name);
        field->setGeometry(x, 16, width, 19);
        field->setValidator(new TypingLimit(typingLimit, field));
        field->setEnabled(false);
        field->installEventFilter(this);
        return field;
    };

    // The flags on the left; on the right the priority and the unused bytes, and below them room for
    // the fields hacks add to the record. The page holds a seventh flag below the six.
    Frame9 = frame("Frame9", "&Flags", {6, 6, 210, FlagTop + rom::MoveFlagCount * FlagPitch + 4});
    for (int bit = 0; bit < rom::MoveFlagCount; ++bit) {
        const rom::MoveFlag& flag = rom::MoveFlags()[static_cast<std::size_t>(bit)];
        QCheckBox* box =
            new QCheckBox(WithAccessKey(flag.text, FlagAccessKeys[static_cast<std::size_t>(bit)]), Frame9);
        box->setObjectName(QStringLiteral("chkFlag%1").arg(bit));
        box->setGeometry(8, FlagTop + bit * FlagPitch, 194, 19);
        box->setEnabled(false);
        chkFlags[static_cast<std::size_t>(bit)] = box;
    }
    Frame8 = frame("Frame8", "P&riority", {224, 6, 65, 41});
    Frame8->setToolTip(QStringLiteral("The move of higher priority acts first; most moves have 0."));
    txtPriority = numberField(Frame8, QStringLiteral("txtPriority"), 8, 41, 4); // "-128"
    Frame10 = frame("Frame10", "&Unused bytes 9 to 11", {296, 6, 143, 41});
    Frame10->setToolTip(QStringLiteral("The released games leave them 0; expansion hacks use them."));
    for (int i = 0; i < rom::PaddingLength; ++i)
        txtPadding[static_cast<std::size_t>(i)] =
            numberField(Frame10, QStringLiteral("txtByte%1").arg(rom::PaddingByte + i), 8 + 38 * i, 33, 3);

    CreateDescriptionControls();
    CreateContestControls();
    CreateNotesControls();

    ShowWholeRecord(false);
}

void Form1::ShowWholeRecord(bool shown) {
    for (QWidget* part : std::initializer_list<QWidget*>{tabMore, cmdUndo, cmdRedo, cmdExportPatch})
        if (part) part->setVisible(shown); // the save commands come after the first call
    setFixedSize(WindowWidth, shown ? GrownWindowHeight : WindowHeight);
    if ((cmdMore->Value != 0) != shown) cmdMore->SetValue(chameleon_button::ToVBool(shown));
}

void Form1::ShowRestOfRecord(int k) {
    // Bytes 7 to 11 one after another, each read as the seven fields are.
    const std::string rom = RomPath.toStdString();
    ShowRestOfRecordBytes([&](int b) {
        const double record = ParseLeadingNumber(txtDataOffset->text().toStdString()) +
                              rom::MoveFieldOffset(0, k, rom::MoveField::effect);
        return static_cast<int>(rom::ParseHexPair(rom::ReadHexBytes(rom, RoundToInteger(record + b), 1)));
    });
}

void Form1::ShowRestOfRecordBytes(const std::function<int(int)>& readByte) {
    txtPriority->setEnabled(true);
    for (QCheckBox* box : chkFlags) box->setEnabled(true);
    for (QLineEdit* field : txtPadding) field->setEnabled(true);
    for (QWidget* field :
         std::initializer_list<QWidget*>{chkHealPriority, cmbDamageClass, txtZPower, txtZEffect})
        field->setEnabled(true);

    txtPriority->setText(QString::number(static_cast<std::int8_t>(readByte(rom::PriorityByte))));
    const int flags = readByte(rom::FlagsByte);
    for (int bit = 0; bit < rom::MoveFlagCount; ++bit)
        chkFlags[static_cast<std::size_t>(bit)]->setChecked((flags >> bit) & 1);
    keptFlagBits_ = flags & ~((1 << rom::MoveFlagCount) - 1);
    for (int i = 0; i < rom::PaddingLength; ++i)
        txtPadding[static_cast<std::size_t>(i)]->setText(QString::number(readByte(rom::PaddingByte + i)));
    if (layout_ == rom::RecordLayout::Split) {
        chkHealPriority->setChecked(flags & rom::HealPriorityFlag);
        keptFlagBits_ &= ~rom::HealPriorityFlag;
        txtZPower->setText(txtPadding[0]->text());
        cmbDamageClass->setCurrentIndex(readByte(rom::DamageClassByte));
        txtZEffect->setText(txtPadding[2]->text());
    }
    UpdateDamageClassText();
}

RestOfRecord Form1::RestOfRecordInput() const {
    RestOfRecord rest;
    rest.priority = ParseLeadingNumber(txtPriority->text().toStdString());
    rest.flags = keptFlagBits_;
    for (int bit = 0; bit < rom::MoveFlagCount; ++bit)
        if (chkFlags[static_cast<std::size_t>(bit)]->isChecked()) rest.flags |= 1 << bit;
    for (int i = 0; i < rom::PaddingLength; ++i)
        rest.padding[static_cast<std::size_t>(i)] =
            ParseLeadingNumber(txtPadding[static_cast<std::size_t>(i)]->text().toStdString());
    if (layout_ == rom::RecordLayout::Split) {
        // Bytes 9 to 11 and bit 6 as the split layout's fields show them.
        if (chkHealPriority->isChecked()) rest.flags |= rom::HealPriorityFlag;
        rest.padding[rom::ZMovePowerByte - rom::PaddingByte] =
            ParseLeadingNumber(txtZPower->text().toStdString());
        rest.padding[rom::DamageClassByte - rom::PaddingByte] = cmbDamageClass->currentIndex();
        rest.padding[rom::ZMoveEffectByte - rom::PaddingByte] =
            ParseLeadingNumber(txtZEffect->text().toStdString());
    }
    return rest;
}

void Form1::ForgetRestOfRecord() {
    for (QLineEdit* field : std::initializer_list<QLineEdit*>{txtPriority, txtPadding[0], txtPadding[1],
                                                              txtPadding[2], txtZPower, txtZEffect}) {
        field->clear();
        field->setEnabled(false);
    }
    for (QCheckBox* box : chkFlags) {
        box->setChecked(false);
        box->setEnabled(false);
    }
    chkHealPriority->setChecked(false);
    chkHealPriority->setEnabled(false);
    cmbDamageClass->setCurrentIndex(-1);
    cmbDamageClass->setEnabled(false);
    keptFlagBits_ = 0;
}

} // namespace editor
