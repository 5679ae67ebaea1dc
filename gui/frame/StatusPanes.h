#pragma once
#include <QObject>
#include <QString>

#include "gui/frame/LoadProgressPane.h"

class CNorv2Doc;
class QLabel;
class QStatusBar;

// The main window's status panes: prompts in pane 0, with the progress of a load laid over
// it, and the figures of a bar in pane 1, which only the chart layout shows.
class CStatusPanes : public QObject
{
public:
    // Both must outlive the panes.
    CStatusPanes(QStatusBar& bar, const CNorv2Doc& doc);

    void SetPrompt(const QString& strText);
    // The prompt shown while nothing else is said.
    void ShowIdle();
    void SetBarText(const QString& strText);
    QString GetBarText() const;
    void ClearBarText();
    // Shows pane 1 wide enough for the longest figures, or hides it.
    void ShowBarPane(bool bShow);
    // Removes the load progress, if one is shown.
    void EndProgress() { m_Progress.End(); }

private:
    QLabel* m_pPane0;
    QLabel* m_pPane1;
    CLoadProgressPane m_Progress;
};
