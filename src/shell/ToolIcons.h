#pragma once

#include <QIcon>

namespace velmora {

// The toolbar and application pictures, drawn as vector graphics so they stay sharp at any
// screen scale. Commands without a picture get an empty icon.
QIcon CommandIcon(int id);
QIcon AppIcon();

} // namespace velmora
