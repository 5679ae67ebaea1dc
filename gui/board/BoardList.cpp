#include "gui/board/BoardList.h"

#include <QSignalBlocker>
#include <ctime>

#include "core/record/Calendar.h"
#include "core/record/PeriodData.h"
#include "core/res/StringIds.h"
#include "core/settings/AppSetting.h"
#include "gui/base/AppSettings.h"
#include "gui/base/MessageBox.h"
#include "gui/base/OnScreen.h"
#include "gui/board/Norv2Board.h"
#include "gui/record/Norv2Doc.h"
#include "gui/record/RecordSession.h"

namespace {

bool PeriodHolds(const BOARDDATA& data, CTime now)
{
    switch (data.nScale) {
    case Scale::Daily: return IsSameDay(data.Date, now);
    case Scale::Weekly: return IsSameWeek(data.Date, now);
    case Scale::Monthly: break;
    }
    return IsSameMonth(data.Date, now);
}
} // namespace

CBoardList::CBoardList(CAppSettings& settings, QObject* pParent) : QObject(pParent), m_settings(settings) {}

CBoardList::~CBoardList()
{
    const QSignalBlocker blocker(this); // its owner is going away too
    CloseAllBoards();
}

CNorv2Board* CBoardList::OpenBoard(std::unique_ptr<BOARDDATA> pData)
{
    if (!pData)
        return nullptr;
    if (m_nCount >= kMaxBoards) {
        AfxMessageBox(IDP_NO_MORE_BOARDS, MB_ICONINFORMATION);
        return nullptr;
    }
    const int nSlot = m_nCount;
    pData->nSlot = nSlot;
    auto* pBoard = new CNorv2Board(std::move(pData), m_settings);
    connect(pBoard, &CNorv2Board::closed, this, [this](CNorv2Board* pClosed) { RemoveBoard(pClosed); });
    const CPoint pt = m_settings.Get().m_ptBoard[static_cast<std::size_t>(nSlot)];
    // Not shown yet, the board has no frame to count; it will get one with a caption.
    pBoard->move(
        OnScreenPosition(*pBoard, {pt.x, pt.y}, pBoard->GetClientSize().grownBy(ExpectedFrameMargins(*pBoard))));
    m_pBoards[static_cast<std::size_t>(nSlot)] = pBoard;
    ++m_nCount;
    pBoard->show();
    // The new board takes the keyboard, so that its copy command answers at once.
    pBoard->raise();
    pBoard->activateWindow();
    emit countChanged(m_nCount);
    return pBoard;
}

CNorv2Board* CBoardList::OpenBoard(const BOARDDATA& data)
{
    return OpenBoard(std::make_unique<BOARDDATA>(data));
}

QPoint CBoardList::PlaceBoard(int nIndex, const QRect& rcFrameClient, int nLeftGageWidth, int nToolBarHeight,
                              bool bCompactOrMinimized)
{
    CNorv2Board* pBoard = At(nIndex);
    if (!pBoard)
        return {-1, -1};
    pBoard->Relayout();
    QPoint pt(0, 0);
    if (!bCompactOrMinimized) {
        const QSize size = pBoard->GetBoardSize();
        pt = rcFrameClient.topLeft() +
             QPoint((nIndex / 3) * size.width() + nLeftGageWidth, (nIndex % 3) * size.height() + nToolBarHeight);
        pBoard->move(pt);
    }
    // A board the window manager minimized after all comes back here.
    pBoard->showNormal();
    pBoard->raise();
    return pt;
}

int CBoardList::TileBoards(const QRect& rcFrameClient, int nLeftGageWidth, int nToolBarHeight, bool bCompactOrMinimized)
{
    int nPlaced = 0;
    for (int i = 0; i < m_nCount; ++i)
        if (PlaceBoard(i, rcFrameClient, nLeftGageWidth, nToolBarHeight, bCompactOrMinimized) != QPoint(-1, -1))
            ++nPlaced;
    return nPlaced;
}

int CBoardList::RelayoutAll(const QRect& rcFrameClient, int nLeftGageWidth, int nToolBarHeight,
                            bool bCompactOrMinimized)
{
    int nRepainted = 0;
    for (int i = 0; i < m_nCount; ++i) {
        if (PlaceBoard(i, rcFrameClient, nLeftGageWidth, nToolBarHeight, bCompactOrMinimized) == QPoint(-1, -1))
            continue;
        At(i)->repaint();
        ++nRepainted;
    }
    return nRepainted;
}

int CBoardList::TileBoards()
{
    const BoardGrid grid = m_GridSource();
    return TileBoards(grid.rcFrameClient, grid.nLeftGageWidth, grid.nToolBarHeight, grid.bCompactOrMinimized);
}

int CBoardList::RelayoutAll()
{
    const BoardGrid grid = m_GridSource();
    return RelayoutAll(grid.rcFrameClient, grid.nLeftGageWidth, grid.nToolBarHeight, grid.bCompactOrMinimized);
}

int CBoardList::RemoveBoard(CNorv2Board* pBoard)
{
    for (int i = 0; i < m_nCount; ++i) {
        if (m_pBoards[static_cast<std::size_t>(i)] != pBoard)
            continue;
        for (int j = i; j + 1 < m_nCount; ++j)
            m_pBoards[static_cast<std::size_t>(j)] = m_pBoards[static_cast<std::size_t>(j + 1)];
        m_pBoards[static_cast<std::size_t>(--m_nCount)] = nullptr;
        emit countChanged(m_nCount);
        return i;
    }
    return -1;
}

int CBoardList::CloseAllBoards()
{
    const int nClosed = m_nCount;
    // The list is emptied first, so nothing a board does on its way out finds itself in it.
    while (m_nCount > 0) {
        CNorv2Board* pBoard = m_pBoards[static_cast<std::size_t>(--m_nCount)];
        m_pBoards[static_cast<std::size_t>(m_nCount)] = nullptr;
        delete pBoard;
    }
    if (nClosed > 0)
        emit countChanged(m_nCount);
    return nClosed;
}

int CBoardList::RefreshBoards(const CNorv2Doc& doc, CTime now)
{
    int nRefreshed = 0;
    for (int i = 0; i < m_nCount; ++i) {
        CNorv2Board* pBoard = m_pBoards[static_cast<std::size_t>(i)];
        const BOARDDATA& old = pBoard->GetData();
        if (!PeriodHolds(old, now))
            continue;
        auto pData = std::make_unique<BOARDDATA>();
        pData->Date = old.Date;
        pData->nScale = old.nScale;
        pData->nSlot = old.nSlot;
        if (!doc.FillBoard(pData.get()))
            continue;
        pBoard->ReplaceData(std::move(pData));
        pBoard->repaint();
        ++nRefreshed;
    }
    return nRefreshed;
}

void CBoardList::Follow(const CRecordSession& session)
{
    connect(&session, &CRecordSession::appended, this, [this, &session] {
        RefreshBoards(session.GetDocument(), CTime(static_cast<std::int64_t>(std::time(nullptr))));
    });
}

CNorv2Board* CBoardList::At(int i) const
{
    return i >= 0 && i < m_nCount ? m_pBoards[static_cast<std::size_t>(i)] : nullptr;
}
