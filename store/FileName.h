#pragma once
#include <QStringList>
#include <string>
#include <string_view>

// File names are bytes to the file system, normally UTF-8. In a QString the bytes that are
// not UTF-8 are kept as the lone surrogates U+DC80..U+DCFF, so that a name converts back to
// the very same bytes: a Shift-JIS name copied from Windows opens like any other.
QString FileNameToQString(std::string_view bytes);
std::string FileNameFromQString(const QString& name);

// The command line (program name first) with its words converted as file names.
QStringList ArgumentsOf(int argc, char* argv[]);
