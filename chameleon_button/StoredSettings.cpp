// Saving and restoring a button through the container's keyed store: 23 keys in a fixed order.

#include "chameleon_button/SystemColors.h"
#include "chameleon_button/chameleonButton.h"

namespace chameleon_button {

namespace {

template <typename T> T Get(const PropertyBag& bag, const char* key, T fallback) {
    const auto v = bag.Read(QString::fromLatin1(key));
    if (!v) return fallback;
    if (const T* value = std::get_if<T>(&*v)) return *value;
    // 16-bit integers are widened where 32 bits are expected, and the other way round if they fit.
    if constexpr (std::is_same_v<T, std::int32_t>) {
        if (const auto* s = std::get_if<std::int16_t>(&*v)) return *s;
    }
    if constexpr (std::is_same_v<T, std::int16_t>) {
        if (const auto* l = std::get_if<std::int32_t>(&*v))
            if (*l >= -32768 && *l <= 32767) return static_cast<std::int16_t>(*l);
    }
    throw PropertyTypeError(std::string("stored setting of the wrong type: ") + key);
}

// The defaults of the enumerated keys are 16-bit values, widened when read.
template <typename Enum> constexpr std::int16_t Default16(Enum named) {
    return static_cast<std::int16_t>(named);
}

VBool GetBool(const PropertyBag& bag, const char* key, bool fallback) {
    const auto v = bag.Read(QString::fromLatin1(key));
    if (!v) return ToVBool(fallback);
    if (const bool* b = std::get_if<bool>(&*v)) return ToVBool(*b);
    if (const auto* s = std::get_if<std::int16_t>(&*v)) return ToVBool(*s != 0);
    if (const auto* l = std::get_if<std::int32_t>(&*v)) return ToVBool(*l != 0);
    throw PropertyTypeError(std::string("stored setting of the wrong type: ") + key);
}

} // namespace

void chameleonButton::ReadProperties(const PropertyBag& bag) {
    using namespace system_colors;
    ButtonType = Get<std::int32_t>(bag, "BTYPE", Default16(ButtonLook::DoubleBevel));
    Caption = Get<QString>(bag, "TX", QString());
    Enabled = GetBool(bag, "ENAB", true);
    SetHostFont(Get<QFont>(bag, "FONT", font()));
    ColorScheme = Get<std::int32_t>(bag, "COLTYPE", Default16(ColourScheme::SchemeSystem));
    ShowFocusRect = GetBool(bag, "FOCUSR", true);
    BackColor = Get<std::int32_t>(bag, "BCOL", GetSysColor(COLOR_BTNFACE));
    BackOver = Get<std::int32_t>(bag, "BCOLO", BackColor);
    ForeColor = Get<std::int32_t>(bag, "FCOL", GetSysColor(COLOR_BTNTEXT));
    ForeOver = Get<std::int32_t>(bag, "FCOLO", ForeColor);
    MaskColor = Get<std::int32_t>(bag, "MCOL", 0x00C0C0C0);
    mousePointer_ = Get<std::int16_t>(bag, "MPTR", 0);
    mouseIcon_ = Get<PictureRef>(bag, "MICON", nullptr);
    PictureNormal = Get<PictureRef>(bag, "PICN", nullptr);
    PictureOver = Get<PictureRef>(bag, "PICH", nullptr);
    UseMaskColor = GetBool(bag, "UMCOL", true);
    SoftBevel = GetBool(bag, "SOFT", false);
    PicturePosition = Get<std::int32_t>(bag, "PICPOS", Default16(PicturePlace::PictureLeftOfCaption));
    UseGreyscale = GetBool(bag, "NGREY", false);
    SpecialEffect = Get<std::int32_t>(bag, "FX", Default16(TextEffect::EffectNone));
    // The hand pointer goes through its setter, which sets the pointer again after MPTR and MICON.
    SetHandPointer(GetBool(bag, "HAND", false));
    CheckBoxBehaviour = GetBool(bag, "CHECK", false);
    Value = GetBool(bag, "VALUE", false);

    syncingEnabled_ = true;
    QWidget::setEnabled(Enabled != 0);
    syncingEnabled_ = false;
    MeasurePicture();
    LayoutCaption();
    ParseAccessKey();
}

void chameleonButton::WriteProperties(PropertyBag& bag) const {
    const auto w = [&bag](const char* key, PropertyValue v) {
        bag.Write(QString::fromLatin1(key), std::move(v));
    };
    w("BTYPE", ButtonType);
    w("TX", Caption);
    w("ENAB", Enabled != 0);
    w("FONT", font());
    w("COLTYPE", ColorScheme);
    w("FOCUSR", ShowFocusRect != 0);
    w("BCOL", BackColor);
    w("BCOLO", BackOver);
    w("FCOL", ForeColor);
    w("FCOLO", ForeOver);
    w("MCOL", MaskColor);
    w("MPTR", static_cast<std::int16_t>(mousePointer_));
    w("MICON", mouseIcon_);
    w("PICN", PictureNormal);
    w("PICH", PictureOver);
    w("UMCOL", UseMaskColor != 0);
    w("SOFT", SoftBevel != 0);
    w("PICPOS", PicturePosition);
    w("NGREY", UseGreyscale != 0);
    w("FX", SpecialEffect);
    w("HAND", HandPointer != 0);
    w("CHECK", CheckBoxBehaviour != 0);
    w("VALUE", Value != 0);
}

} // namespace chameleon_button
