#pragma once
#include "gui/frame/ToolbarCombo.h"

class CAppSetting;

// The toolbar's list of the users whose record files lie in the record directory.
class CUserCombo : public CToolbarCombo
{
    Q_OBJECT

public:
    // The record folder and the loaded user come from setting, which must outlive the list.
    explicit CUserCombo(const CAppSetting& setting, QWidget* parent = nullptr);

    // Rebuilds the list from the record directory and selects the loaded user (none
    // when absent). Returns the number of users listed.
    int FillUserList();

signals:
    // The user picked another user's record file (full path).
    void userFileChosen(const QString& strPath);

private:
    void OnActivated(int nIndex);

    const CAppSetting& m_setting;
};
