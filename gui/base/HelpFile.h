#pragma once
#include <QString>

class QObject;

// Opens the help file at strPath with the desktop's opener, without waiting for it, and
// says so (message 10011) when no program could open it. The opener is a child of owner.
void OpenHelpFile(const QString& strPath, QObject& owner);
