#pragma once
#include <QMainWindow>
#include <QTimer>
#include <map>

#include "core/frame/GageInfo.h"
#include "gui/board/BoardList.h"
#include "gui/chart/ChartHost.h"

class QAction;
class QLabel;
class QMenu;
class QProgressBar;
class CGageBar;
class CScaleCombo;
class CUserCombo;
class CNorv2Doc;
class CNorv2View;

// Command IDs of the menus, the toolbar and the context menu.
constexpr int ID_BOARD_CLOSEALL = 136;
constexpr int ID_BOARD_TILE = 137;
constexpr int ID_BOARD_PROPERTY = 141;
constexpr int ID_SCALE_DAILY = 147;
constexpr int ID_SCALE_WEEKLY = 148;
constexpr int ID_SCALE_MONTHLY = 149;
constexpr int ID_CATEGORY_ALPH = 5000;
constexpr int ID_CATEGORY_SYBL = 5003;
constexpr int ID_FILE_OPEN_DIALOG = 5004;
constexpr int ID_CHART_PROPERTY = 5010;
constexpr int ID_APP_ABOUT = 57664;
constexpr int ID_APP_EXIT = 57665;
constexpr int ID_HELP_FINDER = 57667;

// The main window: menus, toolbar, status bar, the chart between two gauge bars,
// the compact strip and the chart layout, and the 5-second refresh tick.
class CMainFrame : public QMainWindow, public CChartHost
{
    Q_OBJECT

public:
    explicit CMainFrame(CNorv2Doc* pDoc);
    ~CMainFrame() override;

    CNorv2View* GetView() const { return m_pView; }
    CUserCombo* GetUserCombo() const { return m_pUserCombo; }
    CScaleCombo* GetScaleCombo() const { return m_pScaleCombo; }
    QAction* GetAction(int nID) const;
    QMenu* createPopupMenu() override;

    // CChartHost
    int SetCompactLayout() override;
    int SetChartLayout() override;
    bool IsCompact() const override { return m_bCompact; }
    void SetFrameTitle(int nCategory, int nScale) override;
    void SetScaleSelection(int nScale) override;
    bool IsScaleSelectorEnabled() const override { return m_bSelectorsEnabled; }
    void SetBarStatusText(const std::string& strText) override;
    void SetGageInfo(const GAGEINFO& info) override;
    void OpenBoard(std::unique_ptr<BOARDDATA> pData) override;

    // Back to the strip with the selectors disabled, after a broken file.
    int ResetLayout();
    // Enables or disables the user and scale selectors (a user is loaded or not).
    void EnableSelectors(bool bEnable);
    void RefreshGages();
    // Recomputes which commands are enabled and checked.
    void UpdateCommands();
    // The text of status pane 1.
    QString GetBarStatusText() const;
    CBoardList& GetBoards() { return m_Boards; }
    // Tiles the open boards in the window, columns of three (command 137).
    int TileBoards();
    // The property sheet, modal, on its chart (0) or board (1) page.
    void OpenPropertySheet(int nPage);
    const GAGEINFO& GetGageInfo() const { return m_GageInfo; }

signals:
    // Commands the application object handles.
    void openFileRequested();
    void aboutRequested();
    // The user selector picked another user's record file.
    void userFileChosen(const QString& strPath);

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    void CreateCentralArea();
    QAction* AddAction(int nID, const QString& strText);
    // A file was loaded: the selectors list its folder with its user chosen.
    void OnDocumentOpened();
    // After a broken file: every display of the state back to no user, no chart, daily.
    void OnChartReset();
    void OnLoadBegun();
    void OnLoadStepped();
    void OnLoadEnded();
    void OnHelp();
    void ShowContextMenu(const QPoint& ptGlobal);
    // Stores where and how big the chart layout is, as the settings keep it.
    void StoreChartPlacement();
    // Where the board grid starts: below the menu bar, right of the left gauge, below the toolbar.
    QRect BoardGridOrigin() const;
    void ApplyChartPlacement();
    // Puts the strip's frame at ptFrame, or where its title bar can be reached.
    void PlaceStrip(QPoint ptFrame);

    CNorv2Doc* m_pDoc;
    QMargins m_ChartFrame; // the frame the chart layout was placed with
    QMargins m_StripFrame; // the frame of the strip when it was last shown
    bool m_bCompact = false;
    bool m_bSelectorsEnabled = false;
    GAGEINFO m_GageInfo;
    QProgressBar* m_pProgress = nullptr;
    QTimer m_RefreshTimer;
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
};
