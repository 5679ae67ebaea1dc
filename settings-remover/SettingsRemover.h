#pragma once
#include <QString>

#include "core/base/ReplaceFile.h"

// Deletes the viewer's stored settings under configHome (the folder holding "Norv"):
// the sections App, Frame, Chart and Board of Norv/Norv2.conf, then that file, then the
// Norv folder, each step only after the one before succeeded and each written to disk
// at once; a Norv that is a symbolic link to a folder stays. Returns 0 on success (also when
// there is no Norv folder: nothing is stored), kNotRegularFile when Norv2.conf is not a
// regular file (a FIFO, a device), or the system's error code of the step that failed (2 when
// something did not exist). A section counts as there as soon as its header is, whether or
// not it holds keys.
[[nodiscard]] int DeleteStoredSettings(const QString& configHome);

// The text that reports the result of DeleteStoredSettings.
QString RemoverMessage(int nResult);
