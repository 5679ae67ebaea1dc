#pragma once
#include <QFileSystemWatcher>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <map>
#include <optional>

#include "core/frame/GageInfo.h"
#include "core/record/Kinds.h"
#include "core/res/StringIds.h"
#include "gui/board/BoardList.h"

class QAction;
class QLabel;
class QMenu;
class CAppSetting;
class CAppSettings;
class CGageBar;
class CLoadProgress;
class CScaleCombo;
class CUserCombo;
class CNorv2Doc;
class CNorv2View;
class CRecordSession;
class CPracticeCalendarWnd;
struct BOARDDATA;

// Command IDs of the menus, the toolbar and the context menu.
constexpr int ID_BOARD_CLOSEALL = 136;
constexpr int ID_BOARD_TILE = 137;
constexpr int ID_BOARD_PROPERTY = 141;
constexpr int ID_SCALE_DAILY = 147;
constexpr int ID_SCALE_WEEKLY = 148;
constexpr int ID_SCALE_MONTHLY = 149;
constexpr int ID_CATEGORY_ALPH = 5000;
constexpr int ID_CATEGORY_KANA = 5001;
constexpr int ID_CATEGORY_ROMA = 5002;
constexpr int ID_CATEGORY_SYBL = 5003;
// The command of a category or a scale: they follow each other in the kinds' order.
constexpr int CategoryCommand(Category c)
{
    return ID_CATEGORY_ALPH + static_cast<int>(Index(c));
}
constexpr int ScaleCommand(Scale s)
{
    return ID_SCALE_DAILY + static_cast<int>(Index(s));
}
constexpr int ID_FILE_OPEN_DIALOG = 5004;
constexpr int ID_CHART_PROPERTY = 5010;
constexpr int ID_CHART_CALENDAR = IDS_CALENDAR_COMMAND;
constexpr int ID_APP_ABOUT = 57664;
constexpr int ID_APP_EXIT = 57665;
constexpr int ID_HELP_FINDER = 57667;

// The pages of the property sheet.
enum class PropertyPage
{
    Chart,
    Board,
};

// The main window: menus, toolbar, status bar, the chart between two gauge bars,
// the compact strip and the chart layout, and the 5-second refresh tick. It shows what
// the open file's session reports and keeps every command's state in step with what it
// depends on.
class CMainFrame : public QMainWindow
{
    Q_OBJECT

public:
    // Neither is owned; both must outlive the frame.
    CMainFrame(CRecordSession& session, CAppSettings& settings);
    ~CMainFrame() override;

    CNorv2View* GetView() const { return m_pView; }
    CUserCombo* GetUserCombo() const { return m_pUserCombo; }
    CScaleCombo* GetScaleCombo() const { return m_pScaleCombo; }
    QAction* GetAction(int nID) const;
    QMenu* createPopupMenu() override;

    // Layout switches: false when the layout was already shown.
    bool SetCompactLayout();
    bool SetChartLayout();
    bool IsCompact() const { return m_bCompact; }
    // The window title for a category (none: no chart) and scale.
    void SetFrameTitle(std::optional<Category> nCategory, Scale nScale);
    // The strip, titled for the user without a chart, as after a file was opened.
    void ShowStrip();
    // Back to the strip with the selectors disabled, after a broken file.
    void ResetLayout();
    // Enables or disables the user and scale selectors (a user is loaded or not).
    void EnableSelectors(bool bEnable);
    bool IsScaleSelectorEnabled() const { return m_bSelectorsEnabled; }
    void RefreshGages();
    // Status pane 1: the figures of a bar.
    void SetBarStatusText(const QString& strText);
    QString GetBarStatusText() const;
    // Opens a board of a copy of data in the next free slot (or says why not).
    void OpenBoard(const BOARDDATA& data);
    CBoardList& GetBoards() { return m_Boards; }
    // Tiles the open boards in the window, columns of three (command 137).
    void TileBoards();
    // The property sheet on one of its pages; it blocks this window only.
    void OpenPropertySheet(PropertyPage nPage);
    const GAGEINFO& GetGageInfo() const { return m_GageInfo; }
    // The practice calendar of the open file, opened or raised; null while none is open.
    void ShowCalendar();
    CPracticeCalendarWnd* GetCalendar() const;

signals:
    // Commands the application object handles.
    void openFileRequested();
    void aboutRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    void CreateCentralArea();
    void ConnectSession();
    QAction* AddAction(int nID, const QString& strText);
    // Each command group's enabled and checked states, from the state they follow.
    void UpdateCategoryCommands();
    void UpdateScaleCommands();
    void UpdateBoardCommands();
    void UpdateHelpCommand();
    // A file was loaded: list its folder's users.
    void OnSessionOpened();
    // A broken file was refused: back to no user, no chart.
    void OnSessionRejected();
    // The user selector picked another user's record file.
    void OnUserChosen(const QString& strPath);
    void SetGageInfo(const GAGEINFO& info);
    void OnLoadBegun();
    void OnLoadStepped();
    void OnLoadEnded();
    void OnHelp();
    void ShowContextMenu(const QPoint& ptGlobal);
    // Stores where and how big the chart layout is, as the settings keep it.
    void StoreChartPlacement();
    // Where the board grid starts: below the menu bar, right of the left gauge, below the toolbar.
    QRect BoardGridOrigin() const;
    void RelayoutBoards();
    void ApplyChartPlacement();
    void GiveStripTheKeys();
    void GiveChartTheKeys();
    // Puts the strip's frame at ptFrame, or where its title bar can be reached.
    void PlaceStrip(QPoint ptFrame);

    CRecordSession& m_session;
    CNorv2Doc* m_pDoc;
    CAppSettings& m_settings;
    CAppSetting& m_setting;
    QMargins m_ChartFrame; // the chart window's frame, as last seen around it
    QMargins m_StripFrame; // the frame of the strip when it was last shown
    bool m_bCompact = false;
    bool m_bSelectorsEnabled = false;
    GAGEINFO m_GageInfo;
    CLoadProgress* m_pProgress = nullptr;
    QTimer m_RefreshTimer;
    QFileSystemWatcher m_HelpWatcher; // the current folder, where the help file would be
    QLabel* m_pPane0 = nullptr;
    QLabel* m_pPane1 = nullptr;
    CUserCombo* m_pUserCombo = nullptr;
    CScaleCombo* m_pScaleCombo = nullptr;
    QWidget* m_pChartArea = nullptr;
    CGageBar* m_pLeftGage = nullptr;
    CGageBar* m_pRightGage = nullptr;
    CNorv2View* m_pView = nullptr;
    std::map<int, QAction*> m_Actions;
    CBoardList m_Boards;
    QPointer<CPracticeCalendarWnd> m_pCalendar;
};
