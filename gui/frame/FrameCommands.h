#pragma once
#include <QObject>
#include <initializer_list>
#include <map>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

// The commands of the menus, the toolbar and the context menu, each with its text,
// shortcut, prompt, tooltip and picture; what they do is connected by their owner.
class CFrameCommands
{
public:
    // Every command, as a child of owner.
    explicit CFrameCommands(QObject& owner);

    // The command nID, or null.
    QAction* Get(int nID) const;
    // Adds the commands of ids to a menu or toolbar, 0 standing for a separator.
    void AddTo(QWidget& menu, std::initializer_list<int> ids) const;
    // The main window's menus.
    void FillMenuBar(QMenuBar& bar) const;
    // The chart's context menu.
    void FillContextMenu(QMenu& menu) const;

private:
    std::map<int, QAction*> m_Actions;
};
