#pragma once

#include <QIcon>

namespace velmora {

// The 17 x 15 pictures of the element commands in the view's context menu: contacts, lines,
// their deletions and coils. An empty icon for any other command.
QIcon ElementPicture(int commandId);

} // namespace velmora
