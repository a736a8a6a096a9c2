#include "editor/ButtonSettings.h"

#include "chameleon_button/ColorArithmetic.h"
#include "editor/EditorPictures.h"

namespace editor {

using namespace chameleon_button;

namespace {

constexpr std::int32_t GradientRim = 3;
constexpr std::int32_t SchemeSystem = 1;
constexpr Colour ButtonFace = static_cast<Colour>(0x8000000F); // the system's button-face colour
constexpr Colour LightGrey = Rgb(215, 215, 215);
constexpr Colour Black = 0;
constexpr Colour MaskGrey = Rgb(192, 192, 192);

PictureRef Icon(const QImage& image) {
    return Picture::FromImage(image, Picture::Kind::Icon);
}

QFont ButtonFont() {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    return font;
}

} // namespace

PropertyBag StoredButtonSettings(const QString& buttonName) {
    const bool open = buttonName == QLatin1String("cmdOpen");
    const bool save = buttonName == QLatin1String("cmdSave");
    const bool more = buttonName == QLatin1String("cmdMore"); // stays pressed while the window is grown
    // The commands of the session's saves, at the foot of the grown window, look as Load Rom does;
    // they are enabled once the session has something for them.
    const bool undo = buttonName == QLatin1String("cmdUndo");
    const bool redo = buttonName == QLatin1String("cmdRedo");
    const bool patch = buttonName == QLatin1String("cmdExportPatch");
    const bool command = undo || redo || patch;
    const Colour back = open || command ? ButtonFace : LightGrey;

    PropertyBag bag;
    bag.Write("btype", GradientRim);
    bag.Write("tx", open    ? QStringLiteral("Load Rom...")
                    : save  ? QStringLiteral("Save Rom")
                    : more  ? QStringLiteral("&More")
                    : undo  ? QStringLiteral("Undo save")
                    : redo  ? QStringLiteral("Redo save")
                    : patch ? QStringLiteral("Export patch...")
                            : QStringLiteral("Add Item"));
    bag.Write("enab", !save && !command);
    bag.Write("font", ButtonFont());
    bag.Write("coltype", SchemeSystem);
    bag.Write("focusr", false);
    bag.Write("bcol", back);
    bag.Write("bcolo", back);
    bag.Write("fcol", Black);
    bag.Write("fcolo", Black);
    bag.Write("mcol", MaskGrey);
    bag.Write("mptr", std::int16_t{1});
    bag.Write("micon", PictureRef());
    bag.Write("picn", open ? Icon(OpenRomPicture()) : save ? Icon(SaveRomPicture()) : PictureRef());
    bag.Write("pich", PictureRef());
    bag.Write("umcol", true);
    bag.Write("soft", false);
    bag.Write("picpos", std::int32_t{0});
    bag.Write("ngrey", false);
    bag.Write("fx", std::int32_t{0});
    bag.Write("hand", false);
    bag.Write("check", more);
    bag.Write("value", false);
    return bag;
}

} // namespace editor
