#pragma once
#include <QString>

// The Open dialog for record files: lists the folder's record files only, under the
// filter "Vesk記録ファイル(*.ｷﾛｸ)", starting in strDir. The chosen file's full path, or an
// empty string when cancelled.
QString GetRecordFileName(const QString& strDir);
