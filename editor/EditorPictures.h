#pragma once
// The editor's own pictures: the two button pictures (32 x 32) and the window icon (16 x 16).

#include <QImage>

namespace editor {

QImage OpenRomPicture();
QImage SaveRomPicture();
QImage WindowIconPicture();

} // namespace editor
