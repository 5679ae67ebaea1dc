#include "gui/frame/ToolbarComboAccessible.h"

#include <QAbstractItemView>

#include "gui/base/ReadOnlyAccessibleText.h"
#include "gui/frame/ToolbarCombo.h"

namespace {
// The chosen item is also its text, where a screen reader looks for a combo box's value.
class CToolbarComboAccessible : public CReadOnlyTextAccessible
{
public:
    explicit CToolbarComboAccessible(CToolbarCombo* pCombo) : CReadOnlyTextAccessible(pCombo, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Value ? Text() : QAccessibleWidget::text(t);
    }
    using QAccessibleTextInterface::text;
    // The drop-down list, as Qt's combo box shows it.
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int i) const override
    {
        return i == 0 ? QAccessible::queryAccessibleInterface(Combo()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* pChild) const override
    {
        return pChild && pChild->object() == Combo()->view() ? 0 : -1;
    }
    QStringList actionNames() const override
    {
        return QStringList(showMenuAction()) + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& strAction) override
    {
        if (strAction == showMenuAction())
            Combo()->showPopup();
        else
            QAccessibleWidget::doAction(strAction);
    }

private:
    QString Text() const override { return Combo()->currentText(); }
    CToolbarCombo* Combo() const { return static_cast<CToolbarCombo*>(widget()); }
};

QAccessibleInterface* ToolbarComboFactory(const QString& strClass, QObject* pObject)
{
    if (strClass != QLatin1String("CToolbarCombo"))
        return nullptr;
    return new CToolbarComboAccessible(static_cast<CToolbarCombo*>(pObject));
}
} // namespace

void InstallToolbarComboAccessible()
{
    static const bool bInstalled = (QAccessible::installFactory(&ToolbarComboFactory), true);
    Q_UNUSED(bInstalled);
}
