#pragma once
#include <QObject>
#include <QPoint>
#include <QRect>
#include <array>
#include <functional>
#include <memory>

#include "core/base/Time.h"

class CAppSettings;
class CNorv2Board;
class CNorv2Doc;
class CRecordSession;
struct BOARDDATA;

// Where the boards' grid stands in the main window.
struct BoardGrid
{
    QRect rcFrameClient; // its client area below the menu bar, in screen coordinates
    int nLeftGageWidth = 0;
    int nToolBarHeight = 0;
    bool bCompactOrMinimized = false; // the boards are sized only, not moved
};

// The main window's open boards, at most six, in the order they were opened. The list
// stays compact: closing a board moves the later ones up, so a board's entry (its grid
// cell) can differ from the slot that keeps its saved position.
class CBoardList : public QObject
{
    Q_OBJECT

public:
    static constexpr int kMaxBoards = 6;

    // The boards' font, colours, rows and saved positions come from settings, which must
    // outlive the list.
    explicit CBoardList(CAppSettings& settings, QObject* pParent = nullptr);
    // Destroys the boards still open, each storing its position.
    ~CBoardList() override;

    // Shows a board of pData in the next slot at that slot's saved position. With six
    // boards open the user is told and pData dropped; null then.
    CNorv2Board* OpenBoard(std::unique_ptr<BOARDDATA> pData);
    // The same for a copy of data.
    CNorv2Board* OpenBoard(const BOARDDATA& data);

    // Sizes the board of entry nIndex and, unless bCompactOrMinimized, moves it to its grid
    // cell: columns of three from the top-left of rcFrameClient (screen coordinates),
    // right of the left gauge bar and below the toolbar. Returns the new top-left, (0, 0)
    // when only the size was set, or (-1, -1) for an empty entry.
    QPoint PlaceBoard(int nIndex, const QRect& rcFrameClient, int nLeftGageWidth, int nToolBarHeight,
                      bool bCompactOrMinimized);
    // PlaceBoard for every open board; how many were placed.
    int TileBoards(const QRect& rcFrameClient, int nLeftGageWidth, int nToolBarHeight, bool bCompactOrMinimized);
    // After the board settings changed: every board resized, placed as by TileBoards and
    // repainted at once; how many were repainted.
    int RelayoutAll(const QRect& rcFrameClient, int nLeftGageWidth, int nToolBarHeight, bool bCompactOrMinimized);

    // Where the grid stands whenever the boards are tiled or laid out again.
    void SetGridSource(std::function<BoardGrid()> gridSource) { m_GridSource = std::move(gridSource); }
    // TileBoards and RelayoutAll at the grid the source gives.
    int TileBoards();
    int RelayoutAll();

    // Takes pBoard out of the list; its entry index, or -1 when it was not in it.
    int RemoveBoard(CNorv2Board* pBoard);
    // Destroys every board, last entry first; how many there were.
    int CloseAllBoards();

    // Recomputes from doc the boards whose period holds now, keeping their titles and
    // slots; how many were recomputed.
    int RefreshBoards(const CNorv2Doc& doc, CTime now);
    // RefreshBoards at the time on the clock whenever the session's file grows.
    void Follow(const CRecordSession& session);

    int Count() const { return m_nCount; }
    // The board of entry i, or null.
    CNorv2Board* At(int i) const;

signals:
    // A board was opened, closed or destroyed: the commands that need a board follow.
    void countChanged(int nCount);

private:
    CAppSettings& m_settings;
    std::array<CNorv2Board*, kMaxBoards> m_pBoards{};
    int m_nCount = 0;
    std::function<BoardGrid()> m_GridSource;
};
