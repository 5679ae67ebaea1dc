#include "gui/frame/FrameCommands.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include "core/res/LoadSubString.h"
#include "gui/frame/CommandIds.h"
#include "gui/res/ToolbarIcons.h"

namespace {
struct CommandText
{
    int nID;
    const char* pszText;
    const char* pszShortcut = nullptr;
    bool bCheckable = false;
};

// In the order the commands are created.
const CommandText kCommands[] = {
    {ID_FILE_OPEN_DIALOG, "ダイアログで開く(&O)", "Ctrl+O"},
    {ID_APP_EXIT, "Norvを終了する"},
    {ID_CATEGORY_ALPH, "英字(&A)", nullptr, true},
    {ID_CATEGORY_KANA, "かな(&K)", nullptr, true},
    {ID_CATEGORY_ROMA, "ﾛｰﾏ字(&R)", nullptr, true},
    {ID_CATEGORY_SYBL, "記号(&Y)", nullptr, true},
    {ID_SCALE_DAILY, "日ごと(Daily)(&D)", nullptr, true},
    {ID_SCALE_WEEKLY, "週ごと(Weekly)(&W)", nullptr, true},
    {ID_SCALE_MONTHLY, "月ごと(Monthly)(&M)", nullptr, true},
    {ID_CHART_PROPERTY, "プロパティ(&P)"},
    {ID_CHART_CALENDAR, "練習カレンダー(&L)...", "Ctrl+L"},
    {ID_BOARD_TILE, "ボードの整列(&U)"},
    {ID_BOARD_CLOSEALL, "全ボードを閉じる(&C)"},
    {ID_BOARD_PROPERTY, "プロパティ(&P)"},
    {ID_HELP_FINDER, "トピックの検索(&H)"},
    {ID_APP_ABOUT, "バージョン情報 Norv2(&A)..."},
};

QString Piece(unsigned nID, int nPiece)
{
    return QString::fromStdString(LoadSubString(nID, nPiece));
}
} // namespace

CFrameCommands::CFrameCommands(QObject& owner)
{
    for (const CommandText& command : kCommands) {
        const QString strText = QString::fromUtf8(command.pszText);
        auto* action = new QAction(strText, &owner);
        const auto nID = static_cast<unsigned>(command.nID);
        action->setStatusTip(Piece(nID, 0));
        action->setToolTip(Piece(nID, 1).isEmpty() ? strText : Piece(nID, 1));
        action->setIcon(ToolbarIcon(command.nID));
        // Menus show check marks; the pictures belong to the toolbar.
        action->setIconVisibleInMenu(false);
        action->setCheckable(command.bCheckable);
        if (command.pszShortcut)
            action->setShortcut(QKeySequence(QString::fromLatin1(command.pszShortcut)));
        m_Actions[command.nID] = action;
    }
}

QAction* CFrameCommands::Get(int nID) const
{
    const auto it = m_Actions.find(nID);
    return it == m_Actions.end() ? nullptr : it->second;
}

void CFrameCommands::AddTo(QWidget& menu, std::initializer_list<int> ids) const
{
    for (int nID : ids) {
        if (nID != 0)
            menu.addAction(Get(nID));
        else if (auto* pMenu = qobject_cast<QMenu*>(&menu))
            pMenu->addSeparator();
        else if (auto* pToolBar = qobject_cast<QToolBar*>(&menu))
            pToolBar->addSeparator();
    }
}

void CFrameCommands::FillMenuBar(QMenuBar& bar) const
{
    AddTo(*bar.addMenu(QStringLiteral("ファイル(&F)")), {ID_FILE_OPEN_DIALOG, 0, ID_APP_EXIT});
    AddTo(*bar.addMenu(QStringLiteral("グラフ(&C)")),
          {ID_CATEGORY_ALPH, ID_CATEGORY_KANA, ID_CATEGORY_ROMA, ID_CATEGORY_SYBL, 0, ID_SCALE_DAILY, ID_SCALE_WEEKLY,
           ID_SCALE_MONTHLY, 0, ID_CHART_PROPERTY, 0, ID_CHART_CALENDAR});
    AddTo(*bar.addMenu(QStringLiteral("ボード(&B)")), {ID_BOARD_TILE, ID_BOARD_CLOSEALL, 0, ID_BOARD_PROPERTY});
    AddTo(*bar.addMenu(QStringLiteral("ヘルプ(&H)")), {ID_HELP_FINDER, 0, ID_APP_ABOUT});
}

void CFrameCommands::FillContextMenu(QMenu& menu) const
{
    AddTo(menu,
          {ID_FILE_OPEN_DIALOG, 0, ID_CATEGORY_ALPH, ID_CATEGORY_KANA, ID_CATEGORY_ROMA, ID_CATEGORY_SYBL, 0,
           ID_SCALE_DAILY, ID_SCALE_WEEKLY, ID_SCALE_MONTHLY, 0, ID_BOARD_TILE, ID_BOARD_CLOSEALL, 0, ID_APP_EXIT});
}
