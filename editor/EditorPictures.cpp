// The pictures are XPM text compiled into the program and decoded by QImage itself: going through
// a resource file would make Qt load every image-format plugin to find a reader, which costs the
// window a fifth of its start-up.

#include "editor/EditorPictures.h"

namespace {
#include "editor/resources/open_rom.xpm"
#include "editor/resources/save_rom.xpm"
#include "editor/resources/window_icon.xpm"
} // namespace

namespace editor {

QImage OpenRomPicture() {
    return QImage(open_rom_xpm);
}
QImage SaveRomPicture() {
    return QImage(save_rom_xpm);
}
QImage WindowIconPicture() {
    return QImage(window_icon_xpm);
}

} // namespace editor
