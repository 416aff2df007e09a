#pragma once

#include <QIcon>
#include <QString>

// The command buttons' icons and the window icon, drawn by the program itself
// so that no image file has to travel with it. Names: "image", "duplicate",
// "sound", "play", "text", "font", "open", "save", "copy", "paste",
// "previous", "next", "window".
namespace ButtonIcons {

QIcon icon(const QString& name);

} // namespace ButtonIcons
