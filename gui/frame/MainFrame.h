#pragma once
#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <memory>
#include <optional>

#include "core/frame/GageInfo.h"
#include "core/record/Kinds.h"
#include "gui/board/BoardList.h"
#include "gui/frame/CommandIds.h"
#include "gui/frame/FrameCommands.h"
#include "gui/frame/FramePlacement.h"
#include "gui/frame/HelpFileWatcher.h"
#include "gui/frame/StatusPanes.h"

class QAction;
class QLabel;
class QMenu;
class CAppSetting;
class CAppSettings;
class CGageBar;
class CScaleCombo;
class CUserCombo;
class CNorv2Doc;
class CNorv2View;
class CRecordSession;
class CPracticeCalendarWnd;

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
    CBoardList& GetBoards() { return m_Boards; }
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
    void ConnectCommands();
    void CreateToolBar();
    void CreateCentralArea();
    void ConnectSession();
    // Each command group's enabled and checked states, from the state they follow.
    void UpdateCategoryCommands();
    void UpdateScaleCommands();
    void UpdateBoardCommands();
    // A file was loaded: list its folder's users.
    void OnSessionOpened();
    // A broken file was refused: back to no user, no chart.
    void OnSessionRejected();
    // The user selector picked another user's record file.
    void OnUserChosen(const QString& strPath);
    void SetGageInfo(const GAGEINFO& info);
    void ShowContextMenu(const QPoint& ptGlobal);
    // Where the board grid starts: below the menu bar, right of the left gauge, below the toolbar.
    BoardGrid GetBoardGrid() const;
    void RelayoutBoards();
    void GiveStripTheKeys();
    void GiveChartTheKeys();

    CRecordSession& m_session;
    CNorv2Doc* m_pDoc;
    CAppSettings& m_settings;
    CFrameCommands m_Commands{*this};
    const CAppSetting& m_setting;
    CFramePlacement m_Placement;
    CStatusPanes m_StatusPanes;
    bool m_bCompact = false;
    bool m_bSelectorsEnabled = false;
    GAGEINFO m_GageInfo;
    QTimer m_RefreshTimer;
    CHelpFileWatcher m_HelpFile;
    CUserCombo* m_pUserCombo = nullptr;
    CScaleCombo* m_pScaleCombo = nullptr;
    QWidget* m_pChartArea = nullptr;
    CGageBar* m_pLeftGage = nullptr;
    CGageBar* m_pRightGage = nullptr;
    CNorv2View* m_pView = nullptr;
    CBoardList m_Boards;
    QPointer<CPracticeCalendarWnd> m_pCalendar;
};
