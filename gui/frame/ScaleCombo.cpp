#include "gui/frame/ScaleCombo.h"

#include <QSignalBlocker>

#include "core/res/StringIds.h"

CScaleCombo::CScaleCombo(QWidget* parent) : CToolbarCombo(IDS_SCALE_SELECTOR, parent)
{
    addItems({QStringLiteral("Daily"), QStringLiteral("Weekly"), QStringLiteral("Monthly")});
    setCurrentIndex(0);
    connect(this, &QComboBox::activated, this, [this](int nIndex) {
        if (const std::optional<Scale> nScale = ScaleAt(nIndex))
            emit scaleChosen(*nScale);
    });
}

void CScaleCombo::SetScale(Scale nScale)
{
    const QSignalBlocker blocker(this);
    setCurrentIndex(static_cast<int>(Index(nScale)));
}
