#pragma once
#include <QIdentityProxyModel>

// A file chooser's list with its sizes and dates in Japanese, as the rest of the program:
// Qt's file model formats them in the system's locale, which may well be C.
class CJapaneseFileList : public QIdentityProxyModel
{
    Q_OBJECT

public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int nRole) const override;
};
