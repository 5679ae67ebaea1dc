#pragma once
#include <QString>

#include "gui/app/Norv2App.h"

// Starts the viewer on one file as the program would, without the splash; false when it
// did not start.
inline bool StartViewer(CNorv2App& norv2, const char* file)
{
    return norv2.InitInstance({QStringLiteral("Norv2"), QStringLiteral("--no-splash"), QString::fromUtf8(file)});
}
