#pragma once
#include <QIcon>

// The 16 x 15 toolbar image of a command: the four categories (5000..5003) and help
// (57667); a null icon for any other command.
QIcon ToolbarIcon(int nCommandID);
