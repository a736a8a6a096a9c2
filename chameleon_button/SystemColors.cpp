#include "chameleon_button/SystemColors.h"

#include <QApplication>
#include <QPalette>

namespace chameleon_button {

namespace system_colors {
namespace {

std::optional<Table>& Overridden() {
    static std::optional<Table> table;
    return table;
}

Colour FromRole(const QPalette& p, QPalette::ColorRole role) {
    return FromQRgb(p.color(QPalette::Active, role).rgb());
}

} // namespace

Table FromApplicationPalette() {
    const QPalette p = QApplication::palette();
    Table t{};
    t.fill(FromRole(p, QPalette::Button));
    t[0] = FromRole(p, QPalette::Window);    // scroll bar
    t[1] = FromRole(p, QPalette::Dark);      // desktop
    t[2] = FromRole(p, QPalette::Highlight); // active caption
    t[3] = FromRole(p, QPalette::Mid);       // inactive caption
    t[4] = FromRole(p, QPalette::Window);    // menu
    t[COLOR_WINDOW] = FromRole(p, QPalette::Base);
    t[6] = FromRole(p, QPalette::Shadow);     // window frame
    t[7] = FromRole(p, QPalette::WindowText); // menu text
    t[COLOR_WINDOWTEXT] = FromRole(p, QPalette::Text);
    t[9] = FromRole(p, QPalette::HighlightedText); // caption text
    t[COLOR_HIGHLIGHT] = FromRole(p, QPalette::Highlight);
    t[14] = FromRole(p, QPalette::HighlightedText);
    t[COLOR_BTNFACE] = FromRole(p, QPalette::Button);
    t[COLOR_BTNSHADOW] = FromRole(p, QPalette::Dark);
    t[COLOR_GRAYTEXT] = FromQRgb(p.color(QPalette::Disabled, QPalette::Text).rgb());
    t[COLOR_BTNTEXT] = FromRole(p, QPalette::ButtonText);
    t[19] = FromRole(p, QPalette::WindowText); // inactive caption text
    t[COLOR_BTNHIGHLIGHT] = FromRole(p, QPalette::Light);
    t[COLOR_3DDKSHADOW] = FromRole(p, QPalette::Shadow);
    t[COLOR_3DLIGHT] = FromRole(p, QPalette::Midlight);
    t[23] = FromRole(p, QPalette::ToolTipText);
    t[24] = FromRole(p, QPalette::ToolTipBase);
    t[26] = FromRole(p, QPalette::Link);
    return t;
}

void Override(const Table& table) {
    Overridden() = table;
}
void Reset() {
    Overridden().reset();
}

Colour GetSysColor(int index) {
    if (index < 0 || index >= Count) return 0;
    if (Overridden()) return (*Overridden())[static_cast<std::size_t>(index)];
    return FromApplicationPalette()[static_cast<std::size_t>(index)];
}

} // namespace system_colors

Colour ResolveSystemColor(Colour colour) {
    if (!IsSystemColourReference(colour))
        return (static_cast<std::uint32_t>(colour) & 0xFF000000u) ? 0 : colour;
    const auto index = static_cast<int>(static_cast<std::uint32_t>(colour) & 0x7FFFFFFFu);
    if (index >= system_colors::Count) return 0;
    return system_colors::GetSysColor(index);
}

} // namespace chameleon_button
