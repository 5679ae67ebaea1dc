#include "gui/frame/ToolbarCombo.h"

#include "core/res/LoadSubString.h"

CToolbarCombo::CToolbarCombo(unsigned nID, QWidget* parent) : QComboBox(parent)
{
    setStatusTip(QString::fromStdString(LoadSubString(nID, 0)));
    setToolTip(QString::fromStdString(LoadSubString(nID, 1)));
}

void CToolbarCombo::hidePopup()
{
    QComboBox::hidePopup();
    window()->setFocus();
}
