#pragma once
#include "gui/frame/ToolbarCombo.h"

// The toolbar's choice of the chart scale: Daily, Weekly, Monthly (index = scale).
class CScaleCombo : public CToolbarCombo
{
    Q_OBJECT

public:
    explicit CScaleCombo(QWidget* parent = nullptr);

    // Shows the scale without reporting it back as a choice.
    void SetScale(int nScale);

signals:
    // The user chose a scale.
    void scaleChosen(int nScale);
};
