#include "gui/frame/MainFrame.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QToolBar>
#include <algorithm>

#include "core/calendar/Today.h"
#include "core/frame/FrameTitle.h"
#include "core/res/StringIds.h"
#include "core/settings/AppSetting.h"
#include "gui/base/AccessibleNames.h"
#include "gui/base/AppSettings.h"
#include "gui/base/OwnerModal.h"
#include "gui/calendar/PracticeCalendarWnd.h"
#include "gui/chart/Norv2View.h"
#include "gui/frame/FramePlacement.h"
#include "gui/frame/GageBar.h"
#include "gui/frame/HelpFileWatcher.h"
#include "gui/frame/ScaleCombo.h"
#include "gui/frame/StatusPanes.h"
#include "gui/frame/UserCombo.h"
#include "gui/prop/NorvPrpSheet.h"
#include "gui/record/Norv2Doc.h"
#include "gui/record/RecordSession.h"

namespace {
constexpr int kCompactWidth = 400;
constexpr int kRefreshMs = 5000;
constexpr int kUserSlotWidth = 100;
constexpr int kScaleSlotWidth = 70;
} // namespace

CMainFrame::CMainFrame(CRecordSession& session, CAppSettings& settings)
    : m_session(session), m_pDoc(&session.GetDocument()), m_settings(settings), m_setting(settings.Get()),
      m_Placement(*this, settings), m_StatusPanes(*statusBar(), session.GetDocument()), m_Boards(settings)
{
    CreateCentralArea();
    ConnectCommands();
    m_Commands.FillMenuBar(*menuBar());
    CreateToolBar();
    EnableSelectors(!m_setting.m_strUserName.empty());
    ConnectSession();

    // The boards' grid starts at the frame's client area, beside the gauge and below the toolbar.
    connect(&m_settings, &CAppSettings::boardSettingsStored, this, &CMainFrame::RelayoutBoards);
    connect(&m_Boards, &CBoardList::countChanged, this, &CMainFrame::UpdateBoardCommands);
    m_Boards.SetGridSource([this] { return GetBoardGrid(); });
    m_Boards.Follow(m_session);
    connect(&m_RefreshTimer, &QTimer::timeout, m_pDoc, &CNorv2Doc::Refresh);
    m_RefreshTimer.start(kRefreshMs);
    // The help command follows the help file's presence in the current folder.
    connect(&m_HelpFile, &CHelpFileWatcher::presenceChanged, GetAction(ID_HELP_FINDER), &QAction::setEnabled);
    GetAction(ID_HELP_FINDER)->setEnabled(m_HelpFile.Exists());

    UpdateCategoryCommands();
    UpdateScaleCommands();
    UpdateBoardCommands();
}

CMainFrame::~CMainFrame()
{
    // Each board stores its position in the settings, which outlive the frame.
    const QSignalBlocker blocker(m_Boards);
    m_Boards.CloseAllBoards();
    // It shows the document, which goes with the frame.
    delete m_pCalendar;
}

void CMainFrame::ConnectSession()
{
    // The chart of the file shown before is void from the start of a load.
    connect(&m_session, &CRecordSession::opening, this, [this] { m_pView->SetCategory(std::nullopt); });
    connect(&m_session, &CRecordSession::opened, m_pView, &CNorv2View::OnInitialUpdate);
    connect(&m_session, &CRecordSession::rejected, m_pView, &CNorv2View::OnInitialUpdate);
    connect(&m_session, &CRecordSession::opened, this, &CMainFrame::OnSessionOpened);
    connect(&m_session, &CRecordSession::rejected, this, &CMainFrame::OnSessionRejected);
    // Figures of a bar that may no longer exist must not stay in the status bar.
    connect(&m_session, &CRecordSession::reloaded, &m_StatusPanes, &CStatusPanes::ClearBarText);
    // A category may have got its first runs.
    connect(&m_session, &CRecordSession::appended, this, &CMainFrame::UpdateCategoryCommands);
}

QMenu* CMainFrame::createPopupMenu()
{
    // Qt would offer to hide the toolbar, and with it both selectors, under an empty name.
    return nullptr;
}

QAction* CMainFrame::GetAction(int nID) const
{
    return m_Commands.Get(nID);
}

void CMainFrame::CreateCentralArea()
{
    m_pChartArea = new QWidget(this);
    auto* layout = new QHBoxLayout(m_pChartArea);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_pView = new CNorv2View(m_pDoc, m_settings, m_pChartArea);
    m_pLeftGage = new CGageBar(false, m_settings, m_pChartArea);
    m_pRightGage = new CGageBar(true, m_settings, m_pChartArea);
    for (CGageBar* gage : {m_pLeftGage, m_pRightGage}) {
        gage->SetGageInfo(&m_GageInfo);
        gage->SetEdge(m_pView->frameWidth());
    }
    layout->addWidget(m_pLeftGage);
    layout->addWidget(m_pView, 1);
    layout->addWidget(m_pRightGage);
    setCentralWidget(m_pChartArea);
    connect(m_pView, &CNorv2View::contextMenuRequested, this, &CMainFrame::ShowContextMenu);
    connect(m_pView, &CNorv2View::chartLayoutRequested, this, &CMainFrame::SetChartLayout);
    connect(m_pView, &CNorv2View::compactLayoutRequested, this, &CMainFrame::SetCompactLayout);
    connect(m_pView, &CNorv2View::categoryChanged, this, &CMainFrame::UpdateCategoryCommands);
    connect(m_pView, &CNorv2View::scaleChanged, this, [this](Scale nScale) {
        m_pScaleCombo->SetScale(nScale);
        UpdateScaleCommands();
    });
    connect(m_pView, &CNorv2View::titleChanged, this, &CMainFrame::SetFrameTitle);
    connect(m_pView, &CNorv2View::barStatusChanged, this, &CMainFrame::SetBarStatusText);
    connect(m_pView, &CNorv2View::gageInfoChanged, this, &CMainFrame::SetGageInfo);
    connect(m_pView, &CNorv2View::boardRequested, &m_Boards, qOverload<const BOARDDATA&>(&CBoardList::OpenBoard));
}

void CMainFrame::ConnectCommands()
{
    connect(GetAction(ID_FILE_OPEN_DIALOG), &QAction::triggered, this, &CMainFrame::openFileRequested);
    connect(GetAction(ID_APP_EXIT), &QAction::triggered, this, &QWidget::close);
    for (const Category k : kCategories)
        connect(GetAction(CategoryCommand(k)), &QAction::triggered, this, [this, k] { m_pView->OnCategory(k); });
    for (const Scale k : kScales)
        connect(GetAction(ScaleCommand(k)), &QAction::triggered, this, [this, k] { m_pView->OnScale(k); });
    connect(GetAction(ID_CHART_PROPERTY), &QAction::triggered, this,
            [this] { OpenPropertySheet(PropertyPage::Chart); });
    connect(GetAction(ID_CHART_CALENDAR), &QAction::triggered, this, &CMainFrame::ShowCalendar);
    connect(GetAction(ID_BOARD_TILE), &QAction::triggered, this, [this] { m_Boards.TileBoards(); });
    connect(GetAction(ID_BOARD_CLOSEALL), &QAction::triggered, this, [this] { m_Boards.CloseAllBoards(); });
    connect(GetAction(ID_BOARD_PROPERTY), &QAction::triggered, this,
            [this] { OpenPropertySheet(PropertyPage::Board); });
    connect(GetAction(ID_HELP_FINDER), &QAction::triggered, this, [this] { m_HelpFile.Open(*this); });
    connect(GetAction(ID_APP_ABOUT), &QAction::triggered, this, &CMainFrame::aboutRequested);
}

void CMainFrame::CreateToolBar()
{
    QToolBar* toolBar = addToolBar(QString());
    toolBar->setObjectName(QStringLiteral("toolbar"));
    toolBar->setMovable(false);
    toolBar->setIconSize(QSize(16, 15));
    m_pUserCombo = new CUserCombo(m_setting, toolBar);
    m_pUserCombo->setFixedWidth(kUserSlotWidth);
    m_pScaleCombo = new CScaleCombo(toolBar);
    // The slot's width, or what the longest scale name needs in the font in use.
    m_pScaleCombo->setFixedWidth(std::max(kScaleSlotWidth, m_pScaleCombo->sizeHint().width()));
    connect(m_pUserCombo, &CUserCombo::userFileChosen, this, &CMainFrame::OnUserChosen);
    connect(m_pScaleCombo, &CScaleCombo::scaleChosen, m_pView, &CNorv2View::OnScale);
    toolBar->addWidget(m_pUserCombo);
    m_Commands.AddTo(*toolBar, {0, ID_CATEGORY_ALPH, ID_CATEGORY_KANA, ID_CATEGORY_ROMA, ID_CATEGORY_SYBL, 0});
    toolBar->addWidget(m_pScaleCombo);
    m_Commands.AddTo(*toolBar, {0, ID_HELP_FINDER});
    NameControls(*toolBar);
    // Tab goes from the selectors to the chart and round again.
    setTabOrder(m_pUserCombo, m_pScaleCombo);
    setTabOrder(m_pScaleCombo, m_pView);
    setTabOrder(m_pView, m_pUserCombo);
}

void CMainFrame::UpdateCategoryCommands()
{
    for (const Category k : kCategories) {
        QAction* action = GetAction(CategoryCommand(k));
        action->setEnabled(m_pView->IsCategoryEnabled(k));
        action->setChecked(m_pView->IsCategoryChecked(k));
    }
}

void CMainFrame::UpdateScaleCommands()
{
    for (const Scale k : kScales) {
        QAction* action = GetAction(ScaleCommand(k));
        action->setEnabled(m_bSelectorsEnabled);
        action->setChecked(m_pView->IsScaleChecked(k));
    }
}

void CMainFrame::UpdateBoardCommands()
{
    GetAction(ID_BOARD_CLOSEALL)->setEnabled(m_Boards.Count() > 0);
    GetAction(ID_BOARD_TILE)->setEnabled(m_Boards.Count() > 0 && !m_bCompact);
}

bool CMainFrame::SetCompactLayout()
{
    if (m_bCompact) {
        GiveStripTheKeys();
        return false;
    }
    m_pView->SetCategory(std::nullopt);
    if (isVisible() && !isMinimized())
        m_Placement.StoreChart();
    if (isMaximized())
        CAppSettings::Edit(m_settings).SetZoomed(true);
    m_bCompact = true;
    m_pChartArea->hide();
    m_StatusPanes.ShowBarPane(false);
    if (isMaximized())
        showNormal();
    const int nHeight =
        menuBar()->sizeHint().height() + findChild<QToolBar*>()->sizeHint().height() + statusBar()->sizeHint().height();
    setFixedSize(kCompactWidth, nHeight);
    m_Placement.PlaceStrip();
    show();
    raise();
    GiveStripTheKeys();
    UpdateCategoryCommands();
    UpdateBoardCommands();
    return true;
}

bool CMainFrame::SetChartLayout()
{
    if (!m_bCompact) {
        GiveChartTheKeys();
        return false;
    }
    m_Placement.LeaveStrip();
    m_bCompact = false;
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    m_pChartArea->show();
    m_Placement.ApplyChart();
    RefreshGages();
    m_StatusPanes.ShowBarPane(true);
    GiveChartTheKeys();
    UpdateBoardCommands();
    return true;
}

void CMainFrame::GiveStripTheKeys()
{
    // The strip's keys belong to the window and its shortcuts: in the user selector, a Home
    // or End meant for the chart would open another user's file.
    setFocus();
}

void CMainFrame::GiveChartTheKeys()
{
    // Each chosen category puts the keys on the bars, wherever the user had left them.
    m_pView->setFocus();
}

void CMainFrame::changeEvent(QEvent* event)
{
    // In the chart layout the maximized state is remembered for the next time.
    if (event->type() == QEvent::WindowStateChange && !m_bCompact && !isMinimized())
        CAppSettings::Edit(m_settings).SetZoomed(isMaximized());
    QMainWindow::changeEvent(event);
}

void CMainFrame::SetFrameTitle(std::optional<Category> nCategory, Scale nScale)
{
    setWindowTitle(QString::fromStdString(FrameTitle(m_setting.m_strUserName, nCategory, nScale)));
}

void CMainFrame::EnableSelectors(bool bEnable)
{
    m_bSelectorsEnabled = bEnable;
    m_pUserCombo->setEnabled(bEnable);
    m_pScaleCombo->setEnabled(bEnable);
    GetAction(ID_CHART_CALENDAR)->setEnabled(bEnable);
    UpdateScaleCommands();
}

void CMainFrame::ShowStrip()
{
    SetCompactLayout();
    SetFrameTitle(std::nullopt, Scale::Daily);
}

void CMainFrame::OnUserChosen(const QString& strPath)
{
    if (m_session.OpenChosen(strPath) == OpenOutcome::Unreadable)
        m_pUserCombo->FillUserList();
    ShowStrip();
}

void CMainFrame::OnSessionOpened()
{
    EnableSelectors(true);
    m_pUserCombo->FillUserList();
    m_StatusPanes.ClearBarText();
    UpdateCategoryCommands();
}

void CMainFrame::OnSessionRejected()
{
    ResetLayout();
    // Only now, once the user has read why, does the chart go back to no category and the
    // daily scale; no display keeps the user.
    m_pView->ResetChart();
    m_StatusPanes.ClearBarText();
    SetFrameTitle(std::nullopt, m_pView->GetScale());
}

void CMainFrame::ResetLayout()
{
    SetCompactLayout();
    m_pUserCombo->clear();
    EnableSelectors(false);
}

void CMainFrame::SetBarStatusText(const QString& strText)
{
    m_StatusPanes.SetBarText(strText);
}

QString CMainFrame::GetBarStatusText() const
{
    return m_StatusPanes.GetBarText();
}

void CMainFrame::SetGageInfo(const GAGEINFO& info)
{
    m_GageInfo = info;
    RefreshGages();
}

void CMainFrame::RefreshGages()
{
    for (CGageBar* gage : {m_pLeftGage, m_pRightGage}) {
        gage->updateGeometry();
        gage->update();
    }
}

void CMainFrame::ShowCalendar()
{
    if (!m_pCalendar) {
        m_pCalendar = new CPracticeCalendarWnd(m_session, m_settings, TodayOnTheClock);
        m_pCalendar->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_pCalendar, &CPracticeCalendarWnd::boardRequested, &m_Boards,
                qOverload<const BOARDDATA&>(&CBoardList::OpenBoard));
    }
    m_pCalendar->show();
    m_pCalendar->raise();
    m_pCalendar->activateWindow();
}

CPracticeCalendarWnd* CMainFrame::GetCalendar() const
{
    return m_pCalendar;
}

void CMainFrame::RelayoutBoards()
{
    m_Boards.RelayoutAll();
}

BoardGrid CMainFrame::GetBoardGrid() const
{
    // Qt's client area includes the menu bar; the grid starts below it.
    return {QRect(mapToGlobal(QPoint(0, menuBar()->height())), QSize()), m_pLeftGage->width(),
            findChild<QToolBar*>()->height(), m_bCompact || isMinimized()};
}

void CMainFrame::OpenPropertySheet(PropertyPage nPage)
{
    CNorvPrpSheet sheet(m_settings, IDS_SHEET_CAPTION, nullptr, static_cast<int>(nPage), m_pView->GetCategory(),
                        m_pView->GetScale());
    connect(&sheet, &CNorvPrpSheet::statusTextChanged, &m_StatusPanes, &CStatusPanes::SetPrompt);
    // The sheet blocks the main window only: the boards stay usable beside it.
    ExecOwnerModal(sheet, *this);
    m_StatusPanes.ShowIdle();
}

void CMainFrame::ShowContextMenu(const QPoint& ptGlobal)
{
    QMenu menu(this);
    m_Commands.FillContextMenu(menu);
    menu.exec(ptGlobal);
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    m_RefreshTimer.stop();
    m_StatusPanes.EndProgress();
    SetCompactLayout();
    event->accept();
}
