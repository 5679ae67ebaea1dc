#pragma once
#include "gui/frame/ToolbarCombo.h"

// The toolbar's list of the users whose record files lie in the record directory.
class CUserCombo : public CToolbarCombo
{
    Q_OBJECT

public:
    explicit CUserCombo(QWidget* parent = nullptr);

    // Rebuilds the list from the record directory and selects the loaded user (none
    // when absent). Returns the number of users listed.
    int FillUserList();

signals:
    // The user picked another user's record file (full path).
    void userFileChosen(const QString& strPath);

private:
    void OnActivated(int nIndex);
};
