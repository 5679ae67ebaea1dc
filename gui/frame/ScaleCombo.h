#pragma once
#include "core/record/Kinds.h"
#include "gui/frame/ToolbarCombo.h"

// The toolbar's choice of the chart scale: Daily, Weekly, Monthly (in the scales' order).
class CScaleCombo : public CToolbarCombo
{
    Q_OBJECT

public:
    explicit CScaleCombo(QWidget* parent = nullptr);

    // Shows the scale without reporting it back as a choice.
    void SetScale(Scale nScale);

signals:
    // The user chose a scale.
    void scaleChosen(Scale nScale);
};
