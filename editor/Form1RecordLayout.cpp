#include "editor/Form1.h"

#include "editor/NumberConversions.h"
#include "editor/TypingLimit.h"
#include "rom/Vocabularies.h"

#include <QTabWidget>

#include <cmath>

namespace editor {
namespace {

constexpr int FlagTop = 16, FlagPitch = 19, FieldTop = 16;

QGroupBox* FrameOnPage(QWidget* page, const char* name, const char* caption, QRect place) {
    auto* box = new QGroupBox(QString::fromUtf8(caption), page);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(place);
    box->setVisible(false);
    return box;
}

// The byte a number field holds as a save writes it: its leading number, rounded, within 0 to 255.
int ShownByte(const QLineEdit* field) {
    const double value = std::round(ParseLeadingNumber(field->text().toStdString()));
    return static_cast<int>(std::clamp(value, 0.0, 255.0));
}

} // namespace

void Form1::CreateLayoutControls() {
    chkHealPriority = new QCheckBox(QStringLiteral("&Heal priority"), Frame9);
    chkHealPriority->setObjectName(QStringLiteral("chkHealPriority"));
    chkHealPriority->setGeometry(8, FlagTop + rom::MoveFlagCount * FlagPitch, 194, 19);
    chkHealPriority->setToolTip(QStringLiteral("Flag bit 6: a healing move acts before others."));
    chkHealPriority->setEnabled(false);
    chkHealPriority->setVisible(false);

    Frame12 = FrameOnPage(pageRecord, "Frame12", "Dam&age class", {296, 6, 143, 41});
    Frame12->setToolTip(
        QStringLiteral("Byte 10: whether the move hits with Attack, Special Attack, or not at all."));
    cmbDamageClass = new QComboBox(Frame12);
    cmbDamageClass->setObjectName(QStringLiteral("cmbDamageClass"));
    cmbDamageClass->setGeometry(8, FieldTop, 127, 21);
    for (const char* name : rom::DamageClassNames()) cmbDamageClass->addItem(QString::fromLatin1(name));
    // A class byte past the three shows its number: the box's position is the byte.
    for (int value = cmbDamageClass->count(); value <= 255; ++value)
        cmbDamageClass->addItem(QString::number(value));
    cmbDamageClass->setCurrentIndex(-1);
    cmbDamageClass->setEnabled(false);

    const auto numberField = [this](QGroupBox* box, const char* name) {
        auto* field = new QLineEdit(box);
        field->setObjectName(QString::fromLatin1(name));
        field->setGeometry(8, FieldTop, 33, 19);
        field->setValidator(new TypingLimit(3, field));
        field->setEnabled(false);
        field->installEventFilter(this);
        return field;
    };
    Frame13 = FrameOnPage(pageRecord, "Frame13", "&Z-move power", {224, 54, 105, 41});
    Frame13->setToolTip(QStringLiteral("Byte 9: the power of the move's Z-move form."));
    txtZPower = numberField(Frame13, "txtZPower");
    Frame14 = FrameOnPage(pageRecord, "Frame14", "Z-move e&ffect", {336, 54, 103, 41});
    Frame14->setToolTip(QStringLiteral("Byte 11: the effect of the move's Z-move form."));
    txtZEffect = numberField(Frame14, "txtZEffect");

    // Flagged as the user chooses, never refused: the game plays what the record says.
    lblDamageClassWarning = new QLabel(pageRecord);
    lblDamageClassWarning->setObjectName(QStringLiteral("lblDamageClassWarning"));
    lblDamageClassWarning->setGeometry(224, 102, 215, 48);
    lblDamageClassWarning->setWordWrap(true);
    lblDamageClassWarning->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblDamageClassWarning->setStyleSheet(QStringLiteral("color: #A00000;"));
    lblReleasedClass = new QLabel(pageRecord);
    lblReleasedClass->setObjectName(QStringLiteral("lblReleasedClass"));
    lblReleasedClass->setGeometry(224, 56, 215, 19);
    lblReleasedClass->setToolTip(QStringLiteral(
        "The released games give a move no class of its own: they derive it from its type and power."));

    connect(cmbDamageClass, &QComboBox::currentIndexChanged, this, [this] { UpdateDamageClassText(); });
    connect(cmbType, &QComboBox::currentIndexChanged, this, [this] { UpdateDamageClassText(); });
    connect(txtPower, &QLineEdit::textChanged, this, [this] { UpdateDamageClassText(); });
    ShowRecordLayout();
}

void Form1::ShowRecordLayout() {
    const bool split = layout_ == rom::RecordLayout::Split;
    Frame10->setVisible(!split);
    for (QWidget* part : std::initializer_list<QWidget*>{Frame12, Frame13, Frame14, chkHealPriority})
        part->setVisible(split);
    const int flags = rom::MoveFlagCount + (split ? 1 : 0);
    Frame9->resize(Frame9->width(), FlagTop + flags * FlagPitch + 4);
    UpdateDamageClassText();
}

void Form1::UpdateDamageClassText() {
    const bool split = layout_ == rom::RecordLayout::Split;
    const bool shown = txtPower->isEnabled(); // a move is shown
    const auto power = static_cast<std::uint8_t>(ShownByte(txtPower));
    QString warning, released;
    if (shown && split && cmbDamageClass->currentIndex() >= 0)
        warning = QString::fromStdString(
            rom::DamageClassWarning(static_cast<std::uint8_t>(cmbDamageClass->currentIndex()), power));
    if (shown && !split && cmbType->currentIndex() >= 0) {
        const auto derived =
            rom::ReleasedDamageClass(static_cast<std::uint8_t>(cmbType->currentIndex()), power);
        released = QStringLiteral("Class by its type: ") +
                   (derived ? QString::fromLatin1(rom::DamageClassNames()[static_cast<std::size_t>(*derived)])
                            : QStringLiteral("none"));
    }
    if (!warning.isEmpty()) warning[0] = warning[0].toUpper();
    lblDamageClassWarning->setText(warning);
    lblDamageClassWarning->setVisible(split);
    lblReleasedClass->setText(released);
    lblReleasedClass->setVisible(!split);
}

void Form1::NameListEntries(const rom::ValueNames& types, const rom::ValueNames& effects) {
    const auto name = [](QComboBox* box, const rom::ValueNames& names, std::size_t programCount) {
        // Only the entries whose name changes are touched: most stay their number.
        for (int value = static_cast<int>(programCount); value < box->count(); ++value)
            if (const QString text = QString::fromStdString(names.Text(value)); box->itemText(value) != text)
                box->setItemText(value, text);
    };
    name(cmbType, types, rom::TypeNames().size());
    name(cmbEffect, effects, rom::EffectNames().size());
}

} // namespace editor
