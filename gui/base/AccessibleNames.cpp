#include "gui/base/AccessibleNames.h"

#include <QAbstractButton>
#include <QLabel>
#include <QRegularExpression>

QString LabelName(const QString& strLabel)
{
    static const QRegularExpression mnemonic(QStringLiteral("\\(&.\\)|&(?=.)"));
    QString name = strLabel;
    name.remove(mnemonic);
    while (name.endsWith(QLatin1Char(':')) || name.endsWith(QChar(0xFF1A))) // ':' or its full-width form
        name.chop(1);
    return name.trimmed();
}

void NameControls(QWidget& root)
{
    for (QLabel* pLabel : root.findChildren<QLabel*>()) {
        QWidget* pBuddy = pLabel->buddy();
        if (pBuddy && pBuddy->accessibleName().isEmpty())
            pBuddy->setAccessibleName(LabelName(pLabel->text()));
    }
    for (QWidget* pCtrl : root.findChildren<QWidget*>()) {
        const auto* pButton = qobject_cast<QAbstractButton*>(pCtrl);
        if (pCtrl->focusPolicy() != Qt::NoFocus && pCtrl->accessibleName().isEmpty() &&
            !(pButton && !pButton->text().isEmpty()))
            pCtrl->setAccessibleName(pCtrl->toolTip());
    }
}
