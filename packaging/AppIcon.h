#pragma once
#include <QIcon>

// The program's icon: the one the desktop's icon theme holds under the name of the desktop
// entry, else the pictures compiled into the program, so that no window goes without it.
QIcon AppIcon();
