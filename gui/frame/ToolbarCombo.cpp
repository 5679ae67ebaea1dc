#include "gui/frame/ToolbarCombo.h"

#include "core/res/LoadSubString.h"
#include "gui/frame/ToolbarComboAccessible.h"

CToolbarCombo::CToolbarCombo(unsigned nID, QWidget* parent) : QComboBox(parent)
{
    setStatusTip(QString::fromStdString(LoadSubString(nID, 0)));
    setToolTip(QString::fromStdString(LoadSubString(nID, 1)));
    // Read by its purpose; what it shows is its value.
    setAccessibleName(toolTip());
    InstallToolbarComboAccessible();
}

void CToolbarCombo::hidePopup()
{
    QComboBox::hidePopup();
    window()->setFocus();
}
