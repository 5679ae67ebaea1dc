#pragma once
#include <QComboBox>

// A drop-down list on the toolbar: its prompt and tooltip come from the string of its
// ID, and closing the list hands the keyboard back to the main window.
class CToolbarCombo : public QComboBox
{
    Q_OBJECT

public:
    CToolbarCombo(unsigned nID, QWidget* parent);

    void hidePopup() override;
};
