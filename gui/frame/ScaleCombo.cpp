#include "gui/frame/ScaleCombo.h"
#include "core/res/StringIds.h"

#include <QSignalBlocker>

CScaleCombo::CScaleCombo(QWidget* parent) : CToolbarCombo(IDS_SCALE_SELECTOR, parent)
{
    addItems({QStringLiteral("Daily"), QStringLiteral("Weekly"), QStringLiteral("Monthly")});
    setCurrentIndex(0);
    connect(this, &QComboBox::activated, this, &CScaleCombo::scaleChosen);
}

void CScaleCombo::SetScale(int nScale)
{
    const QSignalBlocker blocker(this);
    setCurrentIndex(nScale);
}
